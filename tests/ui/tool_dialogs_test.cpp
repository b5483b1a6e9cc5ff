// The dialogs of the construction tools under the offscreen platform: the text dialog, the font
// dialog with its colour, the loading of pictures and the notice of windows not built yet.
#include "qt_app.h"
#include "tests/support/temp_dir.h"

#include "platform/picture_codec.h"
#include "settings/text_table.h"
#include "ui/element_font_dialog.h"
#include "ui/later_windows.h"
#include "ui/picture_dialog.h"
#include "ui/text_dialog.h"

#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace zeva::ui {
namespace {

class ToolDialogs : public ::testing::Test {
  protected:
    void SetUp() override { zeva::testing::qtApp(); }
};

TextDialogRequest request() {
    TextDialogRequest r;
    r.lines = {"primera", "segunda línea"};
    r.font = {"Arial", 0x00FF00, 14, 1, 0, 0, 0};
    r.background = 0x000000;
    return r;
}

TEST_F(ToolDialogs, TheTextDialogShowsTheLinesInTheTextsFontAndAnswersWhatWasTyped) {
    TextDialog d(request());
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8(settings::texts().toolText(52)));
    EXPECT_EQ(d.memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(d.memo()->toPlainText(), QStringLiteral("primera\nsegunda línea"));
    EXPECT_EQ(d.memo()->font().pointSize(), 14);
    EXPECT_TRUE(d.memo()->font().bold());
    EXPECT_EQ(d.memo()->palette().color(QPalette::Base), QColor(0, 0, 0));
    EXPECT_EQ(d.memo()->palette().color(QPalette::Text), QColor(0, 255, 0));

    d.show();
    d.memo()->selectAll();
    QTest::keyClicks(d.memo(), QStringLiteral("uno"));
    QTest::keyClick(d.memo(), Qt::Key_Return); // a new line, not the end
    QTest::keyClicks(d.memo(), QStringLiteral("dos"));
    EXPECT_TRUE(d.isVisible());
    model::ElementFont italic = request().font;
    italic.italic = 1;
    italic.color = 0x0000FF;
    d.setTextFont(italic); // what the font button does with the font chosen
    QTest::keyClick(d.memo(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(d.isVisible());
    const TextDialogAnswer a = d.answer();
    EXPECT_TRUE(a.accepted);
    EXPECT_EQ(a.lines, (std::vector<std::string>{"uno", "dos"}));
    EXPECT_EQ(a.font, italic);
}

TEST_F(ToolDialogs, EscapeCancelsTheTextDialogAndTheAnswerArrivesLater) {
    QWidget parent;
    parent.show();
    std::optional<TextDialogAnswer> got;
    openTextDialog(&parent, request(), QPoint(10, 10), [&](const TextDialogAnswer& a) { got = a; });
    EXPECT_FALSE(got); // it returned at once
    auto* dialog = parent.findChild<TextDialog*>();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog->memo(), Qt::Key_Escape);
    ASSERT_TRUE(got);
    EXPECT_FALSE(got->accepted);
}

TEST_F(ToolDialogs, TheFontDialogGivesTheFontWithItsColour) {
    const model::ElementFont initial{"Arial", 0x123456, 12, 0, 1, 1, 0};
    EXPECT_EQ(elementFontOf(qFontOf(initial), initial.color).italic, 1);
    EXPECT_EQ(elementFontOf(qFontOf(initial), initial.color).underline, 1);
    EXPECT_EQ(elementFontOf(qFontOf(initial), initial.color).size, 12);

    QWidget parent;
    parent.show();
    std::optional<model::ElementFont> got;
    bool answered = false;
    openElementFontDialog(&parent, initial, [&](const std::optional<model::ElementFont>& f) {
        got = f;
        answered = true;
    });
    auto* dialog = parent.findChild<ElementFontDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->chosenColor(), 0x123456);
    dialog->setChosenColor(0x00FFFF);
    dialog->accept();
    ASSERT_TRUE(answered);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->color, 0x00FFFF);
    EXPECT_EQ(got->size, 12);
    EXPECT_EQ(got->italic, 1);
}

TEST_F(ToolDialogs, AnyReadableImageBecomesABmpPictureAndAnythingElseIsRefused) {
    zeva::testing::TempDir dir;
    QImage image(5, 3, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 0, 255));
    image.setPixelColor(0, 0, QColor(0, 0, 0, 0)); // transparent: flattened onto white
    const QString png = QString::fromStdString(dir.file("red.png"));
    ASSERT_TRUE(image.save(png, "PNG"));
    const auto picture = loadPictureFile(png);
    ASSERT_TRUE(picture);
    ASSERT_GE(picture->bmp.size(), 30u);
    EXPECT_EQ(picture->bmp[0], 'B');
    EXPECT_EQ(picture->bmp[1], 'M');
    EXPECT_EQ(picture->bmp[28], 24); // bits per pixel
    const QImage back = platform::decodePicture(*picture);
    EXPECT_EQ(back.size(), QSize(5, 3));
    EXPECT_EQ(back.pixelColor(4, 2), QColor(255, 0, 0));
    EXPECT_EQ(back.pixelColor(0, 0), QColor(255, 255, 255));

    const std::string junk = dir.file("junk.bmp");
    std::ofstream(junk) << "BM not really a picture";
    EXPECT_FALSE(loadPictureFile(QString::fromStdString(junk)));
    EXPECT_FALSE(loadPictureFile(QString::fromStdString(dir.file("missing.bmp"))));
    EXPECT_TRUE(pictureNameFilters().front().startsWith(QStringLiteral("BMP")));
    EXPECT_TRUE(pictureNameFilters()[1].contains(QStringLiteral("*.png")));
}

TEST_F(ToolDialogs, AWindowNotBuiltYetSaysSoByName) {
    const QString text = notYetAvailableText(40);
    EXPECT_TRUE(text.startsWith(
        QString::fromUtf8(settings::texts().message(settings::kMsgNotYetAvailable))));
    EXPECT_TRUE(text.endsWith(QString::fromUtf8(settings::texts().toolText(40))));
    EXPECT_FALSE(settings::texts().message(settings::kMsgNotYetAvailable).empty());
}

} // namespace
} // namespace zeva::ui
