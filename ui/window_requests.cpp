// The windows the interaction logic asks the main window for, one function per request. Those
// whose windows exist open them and hand the answer back to the logic; the others tell the user
// that the window is not available yet, and answer as a cancel would.
#include "ui/main_window.h"

#include "ui/animation_window.h"
#include "ui/calculator_window.h"
#include "ui/drawing_area.h"
#include "ui/element_editor_window.h"
#include "ui/element_font_dialog.h"
#include "ui/later_windows.h"
#include "ui/macro_window.h"
#include "ui/parameter_window.h"
#include "ui/parametric_colour_window.h"
#include "ui/picture_dialog.h"
#include "ui/point_coordinates_window.h"
#include "ui/text_dialog.h"
#include "ui/ui_text.h"

#include <QMenu>
#include <QTimer>

namespace zeva::ui {

// The chooser: one item per candidate at the press; its answer (the item's index, -1 when
// dismissed) reaches the logic after the menu has closed.
void MainWindow::openChooser(const std::vector<std::string>& items, render::IPoint at) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto chosen = std::make_shared<int>(-1);
    for (size_t i = 0; i < items.size(); ++i) {
        // Lists taller than the screen wrap into columns by themselves.
        QAction* a = menu->addAction(qtText(items[i]));
        connect(a, &QAction::triggered, menu, [chosen, i] { *chosen = int(i); });
    }
    connect(menu, &QMenu::aboutToHide, this, [this, chosen] {
        // The item's triggered signal comes after aboutToHide: answer once both have run.
        QTimer::singleShot(0, this, [this, chosen] { editor_->chooserClosed(*chosen); });
    });
    menu->popup(area_->mapToGlobal(QPoint(at.x, at.y)));
}

void MainWindow::openTextDialog(const TextDialogRequest& request) {
    ui::openTextDialog(this, request, area_->mapToGlobal(QPoint(request.at.x, request.at.y)),
                       [this](const TextDialogAnswer& answer) {
                           editor_->textDialogClosed(answer);
                       });
}

void MainWindow::openFontDialog(const model::ElementFont& font) {
    openElementFontDialog(this, font, [this](const std::optional<model::ElementFont>& chosen) {
        editor_->fontDialogClosed(chosen);
    });
}

void MainWindow::openPictureDialog() {
    ui::openPictureDialog(this, [this](const PictureAnswer& answer) {
        editor_->pictureDialogClosed(answer);
    });
}

void MainWindow::openParametricColour(model::Element&, model::Element&, bool) {
    openParametricColourWindow(this, [this](std::optional<int32_t> mode) {
        editor_->parametricColourClosed(mode);
    });
}

void MainWindow::openElementEditor(model::Element& e) {
    openElementEditorWindow(this, session(), e);
}

void MainWindow::openCalculator(int tool, model::Element* e) {
    openCalculatorWindow(this, area_, session(), tool, e);
}

void MainWindow::openParameterWindow(model::Element& parameter) {
    ui::openParameterWindow(this, session(), parameter);
}

void MainWindow::openPointByCoordinates(model::Element* plotted, model::Element* axes) {
    openPointCoordinatesWindow(this, session(), plotted, axes);
}

void MainWindow::calculatorOperandPicked(model::Element& e) {
    ui::calculatorOperandPicked(this, e);
}

void MainWindow::macroInputClicked(model::Element* hit, Point world) {
    macroWindow().inputClicked(hit, world);
}

void MainWindow::macroElementPicked(int tool, model::Element& e) {
    macroWindow().elementPicked(tool, e);
}

void MainWindow::animationElementPicked(model::Element& e) {
    animationWindow().elementPicked(e);
}

} // namespace zeva::ui
