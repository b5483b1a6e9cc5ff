// The figure on the system clipboard: what one copy of the program puts there another can paste,
// a figure from elsewhere pastes as into another document, pictures go both ways.

#include "qt_app.h"

#include "edit/clipboard.h"
#include "tests/support/edits.h"
#include "ui/figure_clipboard.h"

#include <QClipboard>
#include <QMimeData>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

model::Element* addPoint(document::Document& d, double x, double y) {
    edit::CreationRequest r;
    r.x1 = x;
    r.y1 = y;
    return testing::create(d, r);
}

void paste(document::Document& d, const std::vector<uint8_t>& bytes) {
    edit::Edit e(d, document::contextFor(d), edit::UndoStep::Checkpoint);
    ASSERT_TRUE(edit::pasteFigure(e, bytes));
}

TEST(FigureClipboard, TheFigureTravelsUnderItsOwnTypeAndAForeignOneHasNoSource) {
    testing::qtApp();
    document::DocumentSet set;
    document::Document* source = set.newDocument();
    addPoint(*source, 5, 5)->selected = 1;
    FigureClipboard clipboard;
    QApplication::clipboard()->clear();
    EXPECT_FALSE(clipboard.canPaste());

    const auto bytes = edit::copySelection(*source);
    ASSERT_TRUE(bytes);
    clipboard.copied(set, *source, *bytes);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data && data->hasFormat(kFigureMimeType));
    EXPECT_EQ(data->data(kFigureMimeType).size(), static_cast<qsizetype>(bytes->size()));
    ASSERT_TRUE(clipboard.canPaste());
    paste(*source, *clipboard.toPaste(set));
    EXPECT_EQ(source->construction.lastElement->x1, 25) << "one step in the source";

    // Another running copy puts its own figure there (a point at (100, 100) of a view whose
    // corner is the source's): it pastes without the step, as into another document.
    document::Document other;
    other.viewLeft = source->viewLeft;
    other.viewTop = source->viewTop;
    addPoint(other, 100, 100)->selected = 1;
    const auto foreign = edit::copySelection(other);
    auto* mime = new QMimeData;
    mime->setData(kFigureMimeType, QByteArray(reinterpret_cast<const char*>(foreign->data()),
                                              static_cast<qsizetype>(foreign->size())));
    QApplication::clipboard()->setMimeData(mime);
    paste(*source, *clipboard.toPaste(set));
    EXPECT_EQ(source->construction.lastElement->x1, 100);
    EXPECT_EQ(source->construction.lastElement->y1, 100);

    // Something else on the clipboard: the last figure is still there to paste.
    QApplication::clipboard()->setText(QStringLiteral("words"));
    EXPECT_EQ(clipboard.toPaste(set), foreign);

    QImage red(8, 6, QImage::Format_RGB32);
    red.fill(Qt::red);
    putPictureOnClipboard(red);
    EXPECT_TRUE(clipboardHasPicture());
    const model::Picture picture = pictureOnClipboard();
    ASSERT_GT(picture.bmp.size(), 2u);
    EXPECT_EQ(picture.bmp[0], 'B');
    QApplication::clipboard()->clear();
    EXPECT_FALSE(clipboardHasPicture());
    EXPECT_TRUE(pictureOnClipboard().bmp.empty());
}

} // namespace
} // namespace zeva::ui
