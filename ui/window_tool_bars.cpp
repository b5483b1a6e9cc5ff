// The main window's two tool bars: the buttons made from the tables, what a click does, and the
// press-and-hold buttons whose mouse events drive the pop-up panels.
#include "ui/main_window.h"

#include "ui/document_view.h"
#include "ui/drawing_area.h"
#include "ui/hint_timing.h"
#include "ui/tool_bars.h"
#include "ui/ui_text.h"

#include <QColorDialog>
#include <QComboBox>
#include <QMouseEvent>
#include <QToolButton>

namespace zeva::ui {

namespace {

constexpr int kRowGap = 2;

// The top of each row: the two rows sit in the middle of the main bar, 2 pixels apart.
int firstRowTop(int barHeight, int size) {
    return (barHeight - 2 * size - kRowGap) / 2;
}

} // namespace

void MainWindow::buildToolBars() {
    const int size = buttonSize();
    mainBar_ = new ToolBar(client_);
    mainBar_->setObjectName(QStringLiteral("Panel1"));
    editBar_ = new ToolBar(client_);
    editBar_->setObjectName(QStringLiteral("Panel2"));

    const int top = firstRowTop(mainBarHeight(), size);
    std::vector<PlacedButton> placed = mainBar_->addLine(kMainRow1, 3, top, size, true);
    for (const PlacedButton& p : mainBar_->addLine(kMainRow2, 3, top + size + kRowGap, size, true,
                                                    &documentBox_))
        placed.push_back(p);
    for (const PlacedButton& p : editBar_->addLine(kEditBar, (editBarWidth() - size) / 2, 2,
                                                    size, false))
        placed.push_back(p);

    auto* hints = new HintTiming(this);
    for (const PlacedButton& p : placed) {
        if (!p.button) continue;
        QToolButton* b = p.button;
        hints->watch(b);
        const ToolButtonEntry& e = *p.entry;
        buttons_.emplace(std::string(e.control), b);
        buttonEntries_.emplace_back(&e, b);
        switch (e.action) {
        case ButtonAction::Tool:
        case ButtonAction::EditBar:
            connect(b, &QToolButton::clicked, this, [this, t = e.tool] {
                chooseTool(t);
                toolChanged(session().tool.active); // a refused choice lifts the button again
            });
            break;
        case ButtonAction::Command:
            connect(b, &QToolButton::clicked, this, [this, c = e.command] { run(c); });
            break;
        case ButtonAction::Held:
            b->installEventFilter(this);
            break;
        case ButtonAction::Bevel:
        case ButtonAction::DocumentBox:
            break;
        }
    }
    connect(documentBox_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < documents_.count())
            showDocument(documents_.documents()[size_t(index)].get());
    });
}

QToolButton* MainWindow::button(std::string_view control) const {
    const auto it = buttons_.find(control);
    return it == buttons_.end() ? nullptr : it->second;
}

QWidget* MainWindow::mainBar() const {
    return mainBar_;
}

QWidget* MainWindow::editBar() const {
    return editBar_;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        layOut();
        return false;
    }
    auto* b = qobject_cast<QToolButton*>(watched);
    if (!b) return QMainWindow::eventFilter(watched, event);
    const ToolButtonEntry* entry = nullptr;
    for (const auto& [e, placed] : buttonEntries_)
        if (placed == b) entry = e;
    if (!entry || entry->action != ButtonAction::Held) return QMainWindow::eventFilter(watched, event);
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (mouse->button() != Qt::LeftButton) return true;
        heldButtonPressed(entry->held, b);
        return true;
    case QEvent::MouseMove:
        if (heldButton_ == b) heldButtonMoved(mouse->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (mouse->button() != Qt::LeftButton || heldButton_ != b) return true;
        heldButtonReleased();
        return true;
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

// The RGB button of the colour panel: the colour dialog, fully open, starting at the colour in
// use; its answer comes back to the panel's logic.
void MainWindow::askRgbColour() {
    auto* dialog = new QColorDialog(qtColour(session().tool.currentColor), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QColorDialog::finished, this, [this, dialog](int result) {
        std::optional<render::Color> chosen;
        if (result == QDialog::Accepted) chosen = colorRefOf(dialog->selectedColor());
        panels_->rgbAnswered(chosen);
        refreshHeldGlyphs();
    });
    dialog->open();
}

} // namespace zeva::ui
