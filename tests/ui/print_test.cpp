// Printing without a printer: the page on A4 paper, dragging the page rectangle against the
// preview's edges, the plane and magnification sliders, and copies printed to a PDF file.

#include "qt_app.h"

#include "document/document_load.h"
#include "render/render_options.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "tests/support/edits.h"
#include "tests/support/temp_dir.h"
#include "ui/page_drawing.h"
#include "ui/print_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

// A PDF printer on A4 paper whose printable area is the whole sheet.
void useA4Pdf(QPrinter& printer, const QString& file = QString()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    if (!file.isEmpty()) printer.setOutputFileName(file);
}

int pdfPageCount(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QString pdf = QString::fromLatin1(f.readAll());
    return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

render::ViewTransform windowView(double planeSize = 3000) {
    render::ViewTransform v;
    render::setPlaneSize(v, planeSize);
    v.screenWidth = 1920;
    return v;
}

TEST(PrintLayout, APageOfA4At25HundredthsCoversEightHundredFortyBy1188Units) {
    testing::qtApp();
    QPrinter printer;
    useA4Pdf(printer);
    const Paper paper = paperOf(printer);
    EXPECT_NEAR(paper.widthMm, 210.0, 0.5);
    EXPECT_NEAR(paper.heightMm, 297.0, 0.5);

    PrintLayout layout(3000, {-512, 384}, 1920, paper);
    EXPECT_EQ(layout.magnification(), 0.25);
    EXPECT_EQ(layout.pageWidth(), 840);
    EXPECT_EQ(layout.pageHeight(), 1188);
    EXPECT_EQ(layout.magnificationPosition(), 390);
    // The page starts at the window's view corner: (-512 + 1500, 1500 - 384) * 340 / 3000.
    EXPECT_EQ(layout.pagePosition().x, 112);
    EXPECT_EQ(layout.pagePosition().y, 126);
    const PageView page = layout.pageView();
    EXPECT_EQ(page.viewLeft, -512);
    EXPECT_EQ(page.viewTop, 384);
    EXPECT_EQ(page.viewRight, -512 + 840);
    EXPECT_EQ(page.viewBottom, 384 - 1188);
    EXPECT_NEAR(page.drawScale, paper.widthPx / 840.0, 1e-12);

    layout.setMagnificationPosition(kSliderMax);
    EXPECT_NEAR(layout.magnification(), 0.12 + 1.0 / 3.0, 1e-12);
    EXPECT_EQ(layout.pageWidth(), 463);
    layout.setMagnificationPosition(0);
    EXPECT_EQ(layout.pageWidth(), 1750);
}

TEST(PrintLayout, ThePageRectangleStaysInsideThePreview) {
    PrintLayout layout(3000, {-512, 384}, 1920, Paper{});
    const int width = layout.pageEnd().x - layout.pagePosition().x; // 95 + 1 pixels
    EXPECT_FALSE(layout.press({112, 126})) << "the edge is not inside";
    ASSERT_TRUE(layout.press({150, 150}));
    EXPECT_TRUE(layout.move({-500, 150}));
    EXPECT_EQ(layout.pagePosition().x, 0) << "stops at the left edge";
    EXPECT_EQ(layout.pagePosition().y, 126);
    layout.move({2000, -2000});
    EXPECT_EQ(layout.pagePosition().x, kPreviewSide - (width - 1));
    EXPECT_EQ(layout.pagePosition().y, 0);
    layout.release();
    EXPECT_FALSE(layout.move({150, 150}));
    // The page corner followed the drag: a bigger plane places it at the same world point.
    const Point corner = layout.pageCorner();
    EXPECT_NEAR(corner.y, 1500, 1e-9);
    layout.setPlaneSizePosition(kSliderMax);
    EXPECT_EQ(layout.planeSize(), 1921 + 9000);
    EXPECT_EQ(layout.pageCorner().x, corner.x);
    EXPECT_EQ(layout.pageCorner().y, corner.y);
    EXPECT_EQ(layout.planeSizePosition(), kSliderMax);
}

TEST(PrintDialog, ThreeCopiesPrintThreePagesToAPdfFile) {
    testing::qtApp();
    testing::TempDir dir;
    settings::Options options;
    document::Document d = document::newDocument(document::environmentFor(options));
    edit::CreationRequest r;
    r.kind = model::Kind::FreePoint;
    r.x1 = 10;
    r.y1 = 20;
    testing::create(d, r);

    QPrinter printer;
    useA4Pdf(printer);
    const render::RenderOptions renderOptions =
        render::renderOptionsFrom(options, settings::texts());
    PrintDialog dialog(d, windowView(), renderOptions, printer);
    EXPECT_EQ(dialog.printerBox()->currentData().toString(), QString()) << "a PDF file";
    // The preview shows the page rectangle in its colour, and a drag past the left edge
    // leaves it at 0.
    const render::IPoint at = dialog.layout().pagePosition();
    EXPECT_EQ(dialog.previewImage().pixel(at.x + 5, at.y), qRgb(0, 255, 255));
    QTest::mousePress(dialog.preview(), Qt::LeftButton, {}, QPoint(at.x + 10, at.y + 10));
    QTest::mouseMove(dialog.preview(), QPoint(0, at.y + 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(-200, at.y + 10), QPointF(), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.preview(), &move);
    QTest::mouseRelease(dialog.preview(), Qt::LeftButton, {}, QPoint(0, at.y + 10));
    EXPECT_EQ(dialog.layout().pagePosition().x, 0);
    EXPECT_EQ(dialog.previewImage().pixel(5, at.y), qRgb(0, 255, 255));

    dialog.copiesBox()->setValue(3);
    const QString pdf = QString::fromStdString(dir.file("three.pdf"));
    ASSERT_TRUE(dialog.printNow(pdf));
    EXPECT_EQ(pdfPageCount(pdf), 3);
}

} // namespace
} // namespace zeva::ui

namespace zeva::ui {
namespace {

// The print dialog over the example figure, written to <build>/screenshots/ to be looked at.
TEST(Screenshots, PrintDialogPreview) {
    testing::qtApp();
    settings::Options options;
    document::DocumentEnvironment env = document::environmentFor(options);
    auto loaded = document::loadDocument(ZEVA_SOURCE_DIR "/examples/gallery.kdo", env);
    auto* ok = std::get_if<document::LoadedDocument>(&loaded);
    ASSERT_NE(ok, nullptr);
    QPrinter printer;
    useA4Pdf(printer);
    PrintDialog dialog(*ok->document, windowView(options.planeSize),
                       render::renderOptionsFrom(options, settings::texts()), printer);
    dialog.planeSizeSlider()->setValue(0);
    dialog.show();
    QApplication::processEvents();
    const QString folder = QStringLiteral(ZEVA_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    EXPECT_TRUE(dialog.grab().save(folder + QStringLiteral("/print-dialog.png")));
}

} // namespace
} // namespace zeva::ui
