#include "ui/calculator_window.h"

#include "render/view_transform.h"
#include "settings/text_table.h"
#include "ui/dialog_texts.h"
#include "ui/field_warning.h"
#include "ui/tool_selection.h"
#include "ui/tool_window_placement.h"
#include "ui/ui_text.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zeva::ui {

namespace {

QToolButton* smallButton(QWidget* parent, const QString& caption, const char* name) {
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setObjectName(QLatin1String(name));
    b->setMinimumWidth(34);
    b->setFocusPolicy(Qt::NoFocus); // the caret stays in the expression
    return b;
}

} // namespace

CalculatorWindow::CalculatorWindow(Session& session, QWidget* mainWindow, QWidget* figure)
    : QDialog(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), session_(session),
      mainWindow_(mainWindow), figure_(figure), logic_(session) {
    setObjectName(QStringLiteral("TV_calc"));

    variable_ = smallButton(this, QStringLiteral("x"), "B_vi");
    variable_->setToolTip(dialogText(kTextVariable));
    type_ = smallButton(this, QString(), "B_tipfun");
    type_->setToolTip(dialogText(kTextFunctionType));
    type_->setPopupMode(QToolButton::InstantPopup);
    type_->setMinimumWidth(72);
    auto* typeMenu = new QMenu(type_);
    for (int t = 1; t <= 4; ++t) {
        if (t == 3) typeMenu->addSeparator();
        QAction* a = typeMenu->addAction(qtText(CalculatorLogic::functionTypeText(t)));
        connect(a, &QAction::triggered, this, [this, t] { chooseFunctionType(t); });
    }
    type_->setMenu(typeMenu);

    expression_ = new QLineEdit(this);
    expression_->setObjectName(QStringLiteral("Ed_expr"));
    expression_->setMinimumWidth(420);
    auto* expressionLabel = new QLabel(dialogText(kTextExpression), this);
    expressionLabel->setBuddy(expression_);

    result_ = new QLineEdit(this);
    result_->setObjectName(QStringLiteral("Ed_result"));
    result_->setReadOnly(true);
    result_->setToolTip(dialogText(kTextPlaceHint));
    result_->installEventFilter(this);
    result_->setFocusPolicy(Qt::ClickFocus);
    auto* resultLabel = new QLabel(dialogText(kTextResult), this);

    auto* evaluate = new QPushButton(dialogText(kTextEvaluate), this);
    evaluate->setObjectName(QStringLiteral("B_exe"));
    auto* clear = new QPushButton(QStringLiteral("&C"), this);
    clear->setObjectName(QStringLiteral("B_C"));
    clear->setToolTip(dialogText(kTextClearExpression));
    auto* close = new QPushButton(messageText(kMsgClose), this);
    close->setObjectName(QStringLiteral("B_apaga"));
    for (QPushButton* b : {evaluate, clear, close})
        b->setAutoDefault(false); // Enter in the expression evaluates, nothing else

    arc_ = smallButton(this, QStringLiteral("arc"), "B_arc");
    arc_->setCheckable(true);
    arc_->setToolTip(dialogText(kTextInverse));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(arc_);
    static constexpr const char* kButtons[] = {"sin", "cos", "tan", "log", "ln", "^", "sqr", "/",
                                               "*",   "+",   "-",   "pi",  ")",  "(", "abs", "int"};
    for (const char* caption : kButtons) {
        const std::string text(caption);
        // The multiplication button shows "x" and inserts "*".
        auto* b = smallButton(this, text == "*" ? QStringLiteral("x") : QLatin1String(caption),
                              ("B_" + text).c_str());
        buttons->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, text] {
            insertText(insertionButtonText(text, arc_->isChecked()));
            if (text == "sin" || text == "cos" || text == "tan") arc_->setChecked(false);
        });
    }
    buttons->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(expressionLabel);
    top->addWidget(variable_);
    top->addWidget(type_);
    top->addWidget(expression_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(resultLabel);
    bottom->addWidget(result_, 1);
    bottom->addWidget(evaluate);
    bottom->addWidget(clear);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addLayout(bottom);
    setTabOrder(expression_, evaluate);
    setTabOrder(evaluate, clear);
    setTabOrder(clear, close);

    connect(variable_, &QToolButton::clicked, this, [this] { insertText(logic_.variableName()); });
    connect(expression_, &QLineEdit::returnPressed, this, &CalculatorWindow::evaluate);
    connect(expression_, &QLineEdit::textChanged, this, [this] {
        if (inserting_) return;
        logic_.textEdited();
        result_->clear();
    });
    connect(evaluate, &QPushButton::clicked, this, &CalculatorWindow::evaluate);
    connect(clear, &QPushButton::clicked, this, &CalculatorWindow::clearAll);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void CalculatorWindow::start(int tool, model::Element* existing) {
    logic_.open(tool, existing);
    setWindowTitle(qtText(settings::texts().toolText(logic_.tool())));
    inserting_ = true;
    expression_->setText(qtText(logic_.loadedText()));
    inserting_ = false;
    result_->clear();
    showFunctionControls();
    show();
    adjustSize();
    placeOverStatusBar(*this, mainWindow_);
    raise();
    activateWindow();
    expression_->setFocus();
}

void CalculatorWindow::showFunctionControls() {
    const bool function = logic_.kind() == model::Kind::Function;
    variable_->setVisible(function);
    type_->setVisible(function);
    variable_->setText(qtText(logic_.variableName()));
    type_->setText(qtText(CalculatorLogic::functionTypeText(logic_.functionType())));
}

void CalculatorWindow::chooseFunctionType(int type) {
    logic_.setFunctionType(type);
    showFunctionControls();
    clearAll();
}

void CalculatorWindow::clearAll() {
    logic_.clear();
    inserting_ = true;
    expression_->clear();
    inserting_ = false;
    result_->clear();
    expression_->setFocus();
}

void CalculatorWindow::insertText(const std::string& inserted) {
    const QString text = expression_->text();
    const int cursor = expression_->cursorPosition();
    const std::string left = utf8Text(text.left(cursor));
    const TextInsertion after = insertAtCaret(utf8Text(text), left.size(), inserted);
    expression_->setText(qtText(after.text));
    expression_->setCursorPosition(
        static_cast<int>(qtText(std::string_view(after.text).substr(0, after.caret)).size()));
    expression_->setFocus();
}

void CalculatorWindow::operandPicked(model::Element& e) {
    if (!isVisible()) return;
    if (const std::optional<std::string> inserted = logic_.pick(e)) {
        inserting_ = true;
        insertText(*inserted);
        inserting_ = false;
        result_->clear();
    }
}

void CalculatorWindow::evaluate() {
    const CalculatorAnswer answer = logic_.evaluate(utf8Text(expression_->text()));
    result_->setText(qtText(answer.resultText));
    if (answer.redefined) setWindowTitle(qtText(settings::texts().toolText(logic_.tool())));
    if (answer.messageSlot) refuseField(this, expression_, messageText(*answer.messageSlot));
}

model::Element* CalculatorWindow::placeAt(QPoint figurePixel) {
    const Point world =
        render::screenToWorld(session_.view().transform(), figurePixel.x(), figurePixel.y());
    return logic_.place(world);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == result_ && event->type() == QEvent::MouseButtonRelease && logic_.ready()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        QPoint pixel = figure_ ? figure_->mapFromGlobal(global) : QPoint();
        if (figure_ && !figure_->rect().contains(pixel)) pixel = figure_->rect().center();
        placeAt(pixel);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CalculatorWindow::hideForTool() {
    closing_ = true;
    hide();
    closing_ = false;
}

void CalculatorWindow::done(int result) {
    // Esc, "Cerrar" and the close box: the window goes and the tool returns to "Mover, editar".
    if (closing_) return;
    closing_ = true;
    QDialog::done(result);
    selectTool(session_, tool::Move);
    closing_ = false;
}

void CalculatorWindow::hideEvent(QHideEvent* event) {
    logic_.close();
    QDialog::hideEvent(event);
}

CalculatorWindow* calculatorWindowOf(QWidget* mainWindow) {
    if (!mainWindow) return nullptr;
    return mainWindow->findChild<CalculatorWindow*>(QStringLiteral("TV_calc"),
                                                    Qt::FindDirectChildrenOnly);
}

void openCalculatorWindow(QWidget* mainWindow, QWidget* figure, Session& s, int tool,
                          model::Element* existing) {
    CalculatorWindow* w = calculatorWindowOf(mainWindow);
    if (!w) w = new CalculatorWindow(s, mainWindow, figure);
    w->start(tool, existing);
}

void calculatorOperandPicked(QWidget* mainWindow, model::Element& e) {
    if (CalculatorWindow* w = calculatorWindowOf(mainWindow)) w->operandPicked(e);
}

void hideCalculatorWindow(QWidget* mainWindow) {
    if (CalculatorWindow* w = calculatorWindowOf(mainWindow)) w->hideForTool();
}

} // namespace zeva::ui
