#include "ui/tool_bars.h"

#include "ui/glyphs.h"
#include "ui/interface_texts.h"

#include <QComboBox>
#include <QPainter>
#include <QToolButton>

#include <string>

namespace zeva::ui {

namespace {

constexpr int kBevelSpace = 10; // a groove of 2 pixels in the middle of 10

QString nameOf(std::string_view control) {
    return QString::fromLatin1(control.data(), qsizetype(control.size()));
}

} // namespace

int buttonWidth(const ToolButtonEntry& entry, int size) {
    switch (entry.width) {
    case ButtonWidth::Normal:
        return size;
    case ButtonWidth::Wide:
        return size + size / 2;
    case ButtonWidth::Half:
        return size / 2 + 2;
    }
    return size;
}

int documentBoxWidth(int size) {
    return size < 28 ? 152 : 188;
}

ToolBar::ToolBar(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
}

std::vector<PlacedButton> ToolBar::addLine(std::span<const ToolButtonEntry> entries, int x, int y,
                                           int size, bool horizontal, QComboBox** box) {
    std::vector<PlacedButton> made;
    // The glyphs fill the button less a 2-pixel bevel on each side.
    const int glyph = size - 4;
    for (const ToolButtonEntry& e : entries) {
        if (e.action == ButtonAction::Bevel) {
            bevels_.push_back(horizontal ? QRect(x + kBevelSpace / 2 - 1, y, 2, size)
                                         : QRect(x, y + kBevelSpace / 2 - 1, size, 2));
            (horizontal ? x : y) += kBevelSpace;
            made.push_back({&e, nullptr});
            continue;
        }
        if (e.action == ButtonAction::DocumentBox) {
            auto* combo = new QComboBox(this);
            combo->setObjectName(nameOf(e.control));
            combo->setFocusPolicy(Qt::NoFocus);
            combo->setGeometry(x + 4, y, documentBoxWidth(size), size);
            if (box) *box = combo;
            made.push_back({&e, nullptr});
            continue;
        }
        auto* b = new QToolButton(this);
        b->setObjectName(nameOf(e.control));
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(false);
        const int w = buttonWidth(e, size);
        b->setGeometry(horizontal ? x : x, y, w, size);
        b->setIconSize(QSize(e.width == ButtonWidth::Half ? w - 4 : glyph, glyph));
        b->setIcon(glyphIcon(e.control));
        b->setCheckable(e.action != ButtonAction::Command || e.toggle);
        if (e.hintKey >= 0)
            setHintKey(b, e.hintKey);
        else if (e.tool >= 0)
            setToolHint(b, e.tool);
        (horizontal ? x : y) += horizontal ? w : size;
        made.push_back({&e, b});
    }
    return made;
}

void ToolBar::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    for (const QRect& r : bevels_) {
        const bool vertical = r.width() <= 2;
        p.setPen(palette().color(QPalette::Dark));
        if (vertical)
            p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        else
            p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.setPen(palette().color(QPalette::Light));
        if (vertical)
            p.drawLine(r.left() + 1, r.top(), r.left() + 1, r.bottom());
        else
            p.drawLine(r.left(), r.top() + 1, r.right(), r.top() + 1);
    }
}

} // namespace zeva::ui
