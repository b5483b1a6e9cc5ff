#include "ui/popup_panel_widget.h"

#include "ui/glyphs.h"

#include <QToolButton>

namespace zeva::ui {

namespace {

constexpr int kMargin = 2;
constexpr int kColourColumns = 9; // two rows: eight colours and RGB, eight and parametric

QString nameOf(std::string_view control) {
    return QString::fromLatin1(control.data(), qsizetype(control.size()));
}

// The glyph of panel button i.
QIcon iconOf(PanelKind kind, int i, int glyph) {
    if (kind == PanelKind::Colour) {
        if (i < kRgbButton) return colorSwatchIcon(kPanelColours[size_t(i)].value, glyph);
        return glyphIcon(i == kRgbButton ? "B_rgb" : "B_colorpar");
    }
    const ToolCode t = toolOfPanelButton(kind, i);
    return glyphIcon(kind == PanelKind::Comparison ? glyphOfComparisonTool(t) : glyphOfShapeTool(t));
}

std::string_view controlOf(PanelKind kind, int i) {
    if (kind == PanelKind::Colour) {
        if (i < kRgbButton) return kPanelColours[size_t(i)].control;
        return i == kRgbButton ? "B_rgb" : "B_colorpar";
    }
    const ToolCode t = toolOfPanelButton(kind, i);
    return kind == PanelKind::Comparison ? glyphOfComparisonTool(t) : glyphOfShapeTool(t);
}

// Where button i sits: colours in two rows, checkers in a column under their button, shapes in
// a row beside theirs.
QPoint cellOf(PanelKind kind, int i) {
    switch (kind) {
    case PanelKind::Colour:
        if (i == kRgbButton) return {kColourColumns - 1, 0};
        if (i == kParametricButton) return {kColourColumns - 1, 1};
        return {i % 8, i / 8};
    case PanelKind::Comparison:
        return {0, i};
    case PanelKind::PointShapes:
    case PanelKind::LineShapes:
    case PanelKind::AngleShapes:
        return {i, 0};
    }
    return {0, 0};
}

} // namespace

PopupPanelWidget::PopupPanelWidget(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    hide();
}

void PopupPanelWidget::rebuild(PanelKind kind, int size) {
    for (QToolButton* b : buttons_)
        delete b;
    buttons_.clear();
    kind_ = kind;
    size_ = size;
    const int n = panelButtonCount(kind);
    QPoint extent;
    for (int i = 0; i < n; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(nameOf(controlOf(kind, i)));
        b->setFocusPolicy(Qt::NoFocus);
        b->setCheckable(true);
        b->setAttribute(Qt::WA_TransparentForMouseEvents); // the held button keeps the mouse
        const QPoint cell = cellOf(kind, i);
        b->setGeometry(kMargin + cell.x() * size, kMargin + cell.y() * size, size, size);
        b->setIconSize(QSize(size - 4, size - 4));
        b->setIcon(iconOf(kind, i, size - 4));
        extent.setX(std::max(extent.x(), cell.x() + 1));
        extent.setY(std::max(extent.y(), cell.y() + 1));
        buttons_.push_back(b);
    }
    resize(2 * kMargin + extent.x() * size, 2 * kMargin + extent.y() * size);
}

void PopupPanelWidget::showPanel(PanelKind kind, QPoint topLeft, int size, int pressed) {
    if (buttons_.empty() || kind != kind_ || size != size_) rebuild(kind, size);
    setPressed(pressed);
    move(topLeft);
    show();
    raise();
}

int PopupPanelWidget::indexAt(QPoint globalPos) const {
    if (!isVisible()) return -1;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const QToolButton* b = buttons_[i];
        if (b->rect().contains(b->mapFromGlobal(globalPos))) return int(i);
    }
    return -1;
}

void PopupPanelWidget::setPressed(int index) {
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setChecked(int(i) == index);
}

} // namespace zeva::ui
