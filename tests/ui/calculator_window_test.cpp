// The calculation window on a figure: a whole calculation from the picks to the value placed in
// the figure and following it, and refused expressions that leave everything as it was.
#include "dialog_helpers.h"
#include "qt_app.h"
#include "windows_figure.h"

#include "ui/calculator_window.h"
#include "ui/tool_selection.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

using model::Element;
using model::Kind;

struct CalculatorWindowTest : ::testing::Test {
    void SetUp() override { zeva::testing::qtApp(); }
};

TEST_F(CalculatorWindowTest, PickTypePlaceAndTheValueFollowsTheFigure) {
    testing::WindowsFigure f;
    Element* o = f.make(Kind::FreePoint, nullptr, nullptr, 0, 0);
    Element* a = f.make(Kind::FreePoint, nullptr, nullptr, 80, 0);
    Element* b = f.make(Kind::FreePoint, nullptr, nullptr, 80, 40);
    Element* oa = f.make(Kind::DistancePointPoint, o, a, 0, 100);
    Element* ab = f.make(Kind::DistancePointPoint, a, b, 0, 150);

    selectTool(f.session(), tool::Calculate); // what the tool's button does
    f.session().host.openCalculator(tool::Calculate, nullptr);
    CalculatorWindow* calc = calculatorWindowOf(&f.w);
    ASSERT_NE(calc, nullptr);
    ASSERT_TRUE(calc->isVisible());
    EXPECT_EQ(calc->windowTitle(), QStringLiteral("Calcular"));

    f.session().host.calculatorOperandPicked(*oa); // what the tool hands over on a click
    f.session().host.calculatorOperandPicked(*ab);
    EXPECT_EQ(calc->expressionEdit()->text(), QStringLiteral("ab"));
    EXPECT_EQ(f.w.ctx.state.pickedNumbers.size(), 2u); // the figure marks the operands
    calc->expressionEdit()->clear();
    QTest::keyClicks(calc->expressionEdit(), QStringLiteral("a*b+2"));
    QTest::keyClick(calc->expressionEdit(), Qt::Key_Return);
    EXPECT_EQ(calc->resultEdit()->text(), QStringLiteral("4.0000"));

    const int32_t before = f.doc().construction.countOf();
    QTest::mouseClick(calc->resultEdit(), Qt::LeftButton);
    EXPECT_EQ(f.doc().construction.countOf(), before + 1);
    Element* made = nullptr;
    for (Element* e : f.doc().construction)
        if (e->kind == Kind::Calculation) made = e;
    ASSERT_NE(made, nullptr);
    EXPECT_DOUBLE_EQ(made->x1, 4.0);
    EXPECT_FALSE(calc->isVisible()); // placed: back to "Mover, editar"
    EXPECT_EQ(f.session().tool.active, tool::Move);
    EXPECT_FALSE(f.w.ctx.state.calculationDialogVisible);

    {
        edit::Edit move(f.doc(), f.w.recomputeContext(), edit::UndoStep::Checkpoint);
        b->y1 = 80; // ab: 2 cm
        move.changed(*b);
    }
    EXPECT_DOUBLE_EQ(made->x1, 6.0);
}

TEST_F(CalculatorWindowTest, RefusedExpressionsKeepTheWindowOpenWithTheTextSelected) {
    testing::WindowsFigure f;
    Element* o = f.make(Kind::FreePoint, nullptr, nullptr, 0, 0);
    Element* a = f.make(Kind::FreePoint, nullptr, nullptr, 80, 0);
    Element* oa = f.make(Kind::DistancePointPoint, o, a, 0, 100);
    f.doc().modified = 0;
    const int32_t before = f.doc().construction.countOf();

    for (int tool : {tool::Calculate, tool::Parameter, tool::Function}) {
        selectTool(f.session(), tool);
        f.session().host.openCalculator(tool, nullptr);
        CalculatorWindow* calc = calculatorWindowOf(&f.w);
        ASSERT_NE(calc, nullptr);
        f.session().host.calculatorOperandPicked(*oa);
        const QString bad[] = {QString(), QStringLiteral("1/0"), QStringLiteral("(("),
                               QString(101, QLatin1Char('1')), QStringLiteral("SIN X")};
        for (const QString& text : bad) {
            if (text == QStringLiteral("1/0") && tool != tool::Parameter)
                continue; // "no existente" / f(x)
            calc->expressionEdit()->setText(text);
            QString message;
            zeva::testing::answerNextMessageBox(&message);
            QTest::keyClick(calc->expressionEdit(), Qt::Key_Return);
            EXPECT_FALSE(message.isEmpty()) << tool << ": " << text.toStdString();
            EXPECT_TRUE(calc->isVisible());
            EXPECT_EQ(calc->expressionEdit()->selectedText(), text);
            EXPECT_TRUE(calc->resultEdit()->text().isEmpty());
            QTest::mouseClick(calc->resultEdit(), Qt::LeftButton); // nothing to place
        }
    }
    EXPECT_EQ(f.doc().construction.countOf(), before);
    EXPECT_EQ(f.doc().modified, 0);
}

} // namespace
} // namespace zeva::ui
