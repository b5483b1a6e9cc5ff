// Renders every glyph and cursor into one contact sheet, the picture to look at when glyphs are
// drawn or changed: each glyph at 16, 22 and 28 pixels, at 22 pixels on a twice-dense screen and
// disabled; each cursor at 1x and 2x on light and dark ground with its hot spot marked.
// The sheet is written to <build>/glyph_sheet.png.

#include "qt_app.h"

#include "ui/glyphs.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

constexpr int kColumns = 5;
constexpr int kGlyphCellW = 230;
constexpr int kGlyphCellH = 62;
constexpr int kCursorCellW = 230;
constexpr int kCursorCellH = 92;
const QColor kButtonFace(0xEF, 0xEF, 0xEF);

void drawButton(QPainter& p, const QRect& r) {
    p.fillRect(r, kButtonFace);
    p.setPen(QColor(0xB8, 0xB8, 0xB8));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

QString label(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A pixmap of a higher pixel ratio drawn at its device size, to show its real pixels.
void drawDevicePixels(QPainter& p, QPoint at, QPixmap pm) {
    pm.setDevicePixelRatio(1.0);
    p.drawPixmap(at, pm);
}

TEST(GlyphSheet, WritesEveryGlyphAndCursorIntoOnePicture) {
    testing::qtApp();
    const int glyphRows = (static_cast<int>(kGlyphTable.size()) + kColumns - 1) / kColumns;
    const int cursorRows = (static_cast<int>(kCursorTable.size()) + kColumns - 1) / kColumns;
    const int width = kColumns * kGlyphCellW;
    const int height = glyphRows * kGlyphCellH + 30 + cursorRows * kCursorCellH + 90;
    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);

    for (int i = 0; i < static_cast<int>(kGlyphTable.size()); ++i) {
        const GlyphEntry& e = kGlyphTable[i];
        const QPoint o((i % kColumns) * kGlyphCellW, (i / kColumns) * kGlyphCellH);
        const QIcon icon = glyphIcon(e.control);
        p.setPen(Qt::black);
        p.drawText(o + QPoint(4, 12), label(e.control));
        int x = o.x() + 4;
        const int y = o.y() + 18;
        for (int size : {16, 22, 28}) {
            const QRect button(x, y, size + 6, size + 6);
            drawButton(p, button);
            p.drawPixmap(button.topLeft() + QPoint(3, 3), icon.pixmap(QSize(size, size), 1.0));
            x += size + 10;
        }
        const QRect hidpi(x, y - 8, 50, 50);
        drawButton(p, hidpi);
        drawDevicePixels(p, hidpi.topLeft() + QPoint(3, 3), icon.pixmap(QSize(22, 22), 2.0));
        x += 54;
        const QRect disabled(x, y, 28, 28);
        drawButton(p, disabled);
        p.drawPixmap(disabled.topLeft() + QPoint(3, 3),
                     icon.pixmap(QSize(22, 22), 1.0, QIcon::Disabled));
    }

    int top = glyphRows * kGlyphCellH + 10;
    p.setPen(Qt::black);
    p.drawText(QPoint(4, top + 12), QStringLiteral("cursors (1x and 2x, hot spot in red)"));
    top += 20;
    for (int i = 0; i < static_cast<int>(kCursorTable.size()); ++i) {
        const CursorEntry& e = kCursorTable[i];
        const QPoint o((i % kColumns) * kCursorCellW, top + (i / kColumns) * kCursorCellH);
        p.setPen(Qt::black);
        p.drawText(o + QPoint(4, 12),
                   QStringLiteral("%1 %2").arg(e.number).arg(label(e.resource).section(u'/', -1)));
        int x = o.x() + 4;
        for (const QColor ground : {QColor(Qt::white), QColor(0x30, 0x30, 0x30)}) {
            const QCursor one = toolCursor(e.number, 1.0);
            p.fillRect(QRect(x, o.y() + 18, 36, 36), ground);
            p.drawPixmap(x + 2, o.y() + 20, one.pixmap());
            x += 40;
            const QCursor two = toolCursor(e.number, 2.0);
            const QRect big(x, o.y() + 18, 68, 68);
            p.fillRect(big, ground);
            drawDevicePixels(p, big.topLeft() + QPoint(2, 2), two.pixmap());
            const QPoint hot = big.topLeft() + QPoint(2, 2) + two.hotSpot() * 2;
            p.fillRect(QRect(hot, QSize(2, 2)), Qt::red);
            x += 72;
        }
    }

    top += cursorRows * kCursorCellH + 10;
    const QIcon app = applicationIcon();
    int x = 4;
    for (int size : {16, 24, 32, 48, 64}) {
        p.drawPixmap(x, top, app.pixmap(size, size));
        x += size + 12;
    }
    x += 20;
    int swatch = 0;
    for (int color : {255, 0x00FF00, 0xFFFF00, 0x00FFFF, 0xC0C0C0, 0xFFFFFF, 0x000080, 0x008000,
                      0xFF0000, 0x008080, 0x808080, 0, 0xFF8080, 0xC08000, 0x0080FF, 0xFF00FF}) {
        const QRect button(x + (swatch % 8) * 30, top + (swatch / 8) * 30, 28, 28);
        drawButton(p, button);
        p.drawPixmap(button.topLeft() + QPoint(3, 3), colorSwatchIcon(color, 18).pixmap(22, 22));
        ++swatch;
    }
    p.end();

    const QString out = QStringLiteral(ZEVA_BINARY_DIR "/glyph_sheet.png");
    ASSERT_TRUE(sheet.save(out));
}

} // namespace
} // namespace zeva::ui
