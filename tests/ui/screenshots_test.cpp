// Pictures of the options windows and of the help window beside the editor, in English, written
// to <build>/screenshots/ to be looked at whenever these windows change (under Xvfb they show
// the platform's real look: see the README).

#include "english_interface.h"
#include "qt_app.h"

#include "document/document_load.h"
#include "geometry/recompute.h"
#include "platform/figure_export.h"
#include "platform/qt_canvas.h"
#include "render/render_options.h"
#include "render/renderer.h"
#include "settings/text_table.h"
#include "settings/options.h"
#include "ui/appearance_dialog.h"
#include "ui/fonts_dialog.h"
#include "ui/general_options_dialog.h"
#include "ui/help_window.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

const QString kFolder = QStringLiteral(ZEVA_BINARY_DIR "/screenshots");

QImage shot(QWidget& w) {
    w.show();
    QApplication::processEvents();
    return w.grab().toImage();
}

void save(const QImage& image, const QString& name) {
    QDir().mkpath(kFolder);
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image.save(kFolder + QLatin1Char('/') + name)) << name.toStdString();
}

TEST(Screenshots, OptionsWindowsAndHelpInEnglish) {
    testing::qtApp();
    testing::EnglishInterface english;
    settings::Options options;
    document::Document doc = document::newDocument(document::environmentFor(options));

    GeneralOptionsDialog general(options, &doc, 1920, {});
    QImage pages[3];
    for (int i = 0; i < 3; ++i) {
        general.pages()->setCurrentIndex(i);
        pages[i] = shot(general);
    }
    // The three pages side by side.
    QImage sheet(pages[0].width() * 3 + 20, pages[0].height(), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    {
        QPainter p(&sheet);
        for (int i = 0; i < 3; ++i)
            p.drawImage(i * (pages[0].width() + 10), 0, pages[i]);
    }
    save(sheet, QStringLiteral("options-general-en.png"));

    AppearanceDialog appearance(options, doc.units.backgroundColor);
    appearance.groups()->setCurrentIndex(1);
    save(shot(appearance), QStringLiteral("options-appearance-en.png"));

    FontsDialog fonts(options, doc.units.backgroundColor);
    save(shot(fonts), QStringLiteral("options-fonts-en.png"));

    // The editor with the help window open on the page of the segment tool.
    MainWindow editor(QStringLiteral(ZEVA_SOURCE_DIR "/examples/gallery.kdo"));
    editor.resize(1280, 800);
    const QImage editorShot = shot(editor);
    HelpWindow* help = showHelpForTool(&editor, 9, testing::sourceDataFolders());
    ASSERT_NE(help, nullptr);
    help->resize(640, 560);
    const QImage helpShot = shot(*help);
    QImage both = editorShot.convertToFormat(QImage::Format_RGB32);
    {
        // The help window with a caption bar carrying its title, as a window manager shows it.
        QPainter p(&both);
        constexpr int kCaption = 24;
        const QPoint at(both.width() - helpShot.width() - 24, 60 + kCaption);
        const QRect frame(at - QPoint(2, kCaption), helpShot.size() + QSize(4, kCaption + 2));
        p.fillRect(frame, QColor(0x3C, 0x3C, 0x46));
        p.setPen(Qt::white);
        p.drawText(QRect(frame.left() + 8, frame.top(), frame.width() - 16, kCaption),
                   Qt::AlignVCenter | Qt::AlignLeft, help->windowTitle());
        p.drawImage(at, helpShot);
    }
    save(both, QStringLiteral("editor-help-en.png"));
    help->close();
}

// The gallery with smooth drawing, as exported.
TEST(Screenshots, GallerySmooth) {
    testing::qtApp();
    document::DocumentEnvironment env;
    env.clientWidth = env.screen.width = 1024;
    env.clientHeight = env.screen.height = 768;
    auto loaded = document::loadDocument(ZEVA_SOURCE_DIR "/examples/gallery.kdo", env);
    auto* ok = std::get_if<document::LoadedDocument>(&loaded);
    ASSERT_NE(ok, nullptr);
    render::ViewTransform view;
    view.screenWidth = view.clientWidth = 1024;
    view.screenHeight = view.clientHeight = 768;
    render::setPlaneSize(view, 3000);
    render::RenderContext ctx;
    ctx.document = ok->document.get();
    ctx.view = &view;
    settings::Options options;
    options.smoothDrawing = 1;
    ctx.options = render::renderOptionsFrom(options, settings::texts());
    render::loadView(view, *ctx.document);
    geometry::recomputeAll(ok->document->construction, render::recomputeContextFor(*ok->document, view));
    QDir().mkpath(kFolder);
    QImage surface(1025, 769, QImage::Format_RGB32);
    {
        platform::QtCanvas canvas(surface, render::CanvasRole::Main);
        canvas.setSmooth(ctx.options.smooth);
        render::redrawAll(ctx, canvas);
    }
    EXPECT_EQ(platform::exportFigure(ctx, surface, (kFolder + QStringLiteral("/gallery-smooth.png")).toStdString(),
                                     1024, 768),
              "");
}

} // namespace
} // namespace zeva::ui
