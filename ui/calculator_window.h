#pragma once
// The calculation window (TV_calc) of the tools Calcular, Parámetro and Función: an expression
// edit that takes the operands picked in the figure, insertion buttons, the result, and for
// functions the variable and function-type buttons. A click on a ready result places it in the
// figure at the point under the click. The window stays on top and does not block the figure.

#include "ui/calculator_logic.h"
#include "ui/session.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace zeva::ui {

class CalculatorWindow : public QDialog {
    Q_OBJECT
  public:
    // `figure` is the drawing area under the window: a click on the result is mapped onto it.
    CalculatorWindow(Session& session, QWidget* mainWindow, QWidget* figure);

    // Shows the window for tool 40, 41 or 42, on `existing` to redefine it when given.
    void start(int tool, model::Element* existing);
    // An element picked in the figure: its letter or call goes in at the caret.
    void operandPicked(model::Element& e);
    // Choosing another tool hides the window without changing the tool again.
    void hideForTool();

    // Evaluate (B_exe or Enter); place the ready result at a drawing-area pixel.
    void evaluate();
    model::Element* placeAt(QPoint figurePixel);

    CalculatorLogic& logic() { return logic_; }
    QLineEdit* expressionEdit() const { return expression_; }
    QLineEdit* resultEdit() const { return result_; }

  protected:
    void done(int result) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void insertText(const std::string& inserted);
    void showFunctionControls();
    void chooseFunctionType(int type);
    void clearAll();

    Session& session_;
    QWidget* mainWindow_;
    QWidget* figure_;
    CalculatorLogic logic_;
    bool inserting_ = false;
    bool closing_ = false;

    QLineEdit* expression_ = nullptr; // Ed_expr
    QLineEdit* result_ = nullptr;     // Ed_result
    QToolButton* variable_ = nullptr; // B_vi
    QToolButton* type_ = nullptr;     // B_tipfun
    QToolButton* arc_ = nullptr;      // B_arc
};

// The window of `mainWindow` (made on first use) opened for the tool, on `existing` when given.
void openCalculatorWindow(QWidget* mainWindow, QWidget* figure, Session& s, int tool,
                          model::Element* existing);
// A pick for the window of `mainWindow`, when it is open.
void calculatorOperandPicked(QWidget* mainWindow, model::Element& e);
// Hides the window of `mainWindow`, when there is one (choosing a tool does this).
void hideCalculatorWindow(QWidget* mainWindow);
CalculatorWindow* calculatorWindowOf(QWidget* mainWindow);

} // namespace zeva::ui
