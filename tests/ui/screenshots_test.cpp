// Pictures of the options windows and of the help window beside the editor, in English, written
// to <build>/screenshots/ to be looked at whenever these windows change (under Xvfb they show
// the platform's real look: see the README).

#include "english_interface.h"
#include "qt_app.h"

#include "document/document_load.h"
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

    AppearanceDialog appearance(options, doc.backgroundColor);
    appearance.groups()->setCurrentIndex(1);
    save(shot(appearance), QStringLiteral("options-appearance-en.png"));

    FontsDialog fonts(options, doc.backgroundColor);
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
        QPainter p(&both);
        const QPoint at(both.width() - helpShot.width() - 24, 60);
        p.fillRect(QRect(at - QPoint(2, 2), helpShot.size() + QSize(4, 4)), Qt::darkGray);
        p.drawImage(at, helpShot);
    }
    save(both, QStringLiteral("editor-help-en.png"));
    help->close();
}

} // namespace
} // namespace zeva::ui
