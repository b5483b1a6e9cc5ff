// The parameter and point-by-coordinates windows on a figure: Enter applies, a refused field
// keeps the window open with its text selected, Esc puts the parameter back.
#include "dialog_helpers.h"
#include "qt_app.h"
#include "windows_figure.h"

#include "ui/calculator_logic.h"
#include "ui/move_screen_window.h"
#include "ui/parameter_window.h"
#include "ui/parametric_colour_window.h"
#include "ui/point_coordinates_window.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

using model::Element;
using model::Kind;

struct SmallWindows : ::testing::Test {
    void SetUp() override { zeva::testing::qtApp(); }
};

TEST_F(SmallWindows, TheParameterWindowAppliesOnEnterRefusesBadTextAndEscapeRestores) {
    testing::WindowsFigure f;
    CalculatorLogic calc(f.session());
    calc.open(tool::Parameter, nullptr);
    calc.evaluate("3.7");
    Element* parameter = calc.place({0, 0});
    ASSERT_NE(parameter, nullptr);
    f.doc().modified = 0;

    QPointer<ParameterWindow> w = openParameterWindow(&f.w, f.session(), *parameter);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Modificar parámetro"));
    EXPECT_EQ(w->field(ParameterLogic::Value)->text(), QStringLiteral("3.70"));
    EXPECT_EQ(w->trackBar()->value(), 510);

    QLineEdit* value = w->field(ParameterLogic::Value);
    for (const QString& bad : {QString(), QStringLiteral("1/0"), QStringLiteral("(("),
                               QString(101, QLatin1Char('2')), QStringLiteral("SIN X")}) {
        value->selectAll();
        QTest::keyClick(value, Qt::Key_Backspace);
        QTest::keyClicks(value, bad);
        QString message;
        zeva::testing::answerNextMessageBox(&message);
        QTest::keyClick(value, Qt::Key_Return);
        EXPECT_EQ(message, QStringLiteral("Datos de entrada no válidos")) << bad.toStdString();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(value->selectedText(), bad);
        EXPECT_DOUBLE_EQ(parameter->x1, 3.7);
    }
    value->selectAll();
    QTest::keyClicks(value, QStringLiteral("2*3"));
    QTest::keyClick(value, Qt::Key_Return);
    EXPECT_TRUE(w->isVisible()); // Enter applies, the window stays
    EXPECT_DOUBLE_EQ(parameter->x1, 6.0);
    EXPECT_EQ(value->text(), QStringLiteral("6.00"));
    w->trackBar()->setValue(0);
    EXPECT_DOUBLE_EQ(parameter->x1, -6.0);

    QTest::keyClick(w, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w); // closed and gone
    EXPECT_DOUBLE_EQ(parameter->x1, 3.7);
    EXPECT_EQ(f.doc().modified, 0);
}

TEST_F(SmallWindows, PointByCoordinatesPlotsOnEnterAndRefusesBadText) {
    testing::WindowsFigure f;
    QPointer<PointCoordinatesWindow> w =
        openPointCoordinatesWindow(&f.w, f.session(), nullptr, nullptr);
    ASSERT_TRUE(w);
    QTest::keyClicks(w->firstField(), QStringLiteral("2*3"));
    QTest::keyClicks(w->secondField(), QStringLiteral("1"));
    QTest::keyClick(w->secondField(), Qt::Key_Return);
    Element* point = nullptr;
    for (Element* e : f.doc().construction)
        if (e->kind == Kind::PlottedPoint) point = e;
    ASSERT_NE(point, nullptr);
    EXPECT_DOUBLE_EQ(point->x2, 6.0);
    EXPECT_DOUBLE_EQ(point->y2, 1.0);
    EXPECT_TRUE(w->firstField()->text().isEmpty()); // ready for the next point
    EXPECT_EQ(w->focusWidget(), w->firstField());

    const int count = f.doc().construction.countOf();
    w->secondField()->setText(QStringLiteral("1"));
    for (const QString& bad : {QString(), QStringLiteral("1/0"), QStringLiteral("(("),
                               QString(101, QLatin1Char('2')), QStringLiteral("SIN X")}) {
        w->firstField()->setText(bad);
        QString message;
        zeva::testing::answerNextMessageBox(&message);
        QTest::keyClick(w->firstField(), Qt::Key_Return);
        EXPECT_EQ(message, QStringLiteral("Datos de entrada no válidos")) << bad.toStdString();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->firstField()->selectedText(), bad);
    }
    EXPECT_EQ(f.doc().construction.countOf(), count);

    w->polarButton()->setChecked(true);
    f.doc().units.angleUnit = model::AngleUnit::Degree;
    w->firstField()->setText(QStringLiteral("2"));
    w->secondField()->setText(QStringLiteral("90"));
    QTest::keyClick(w->firstField(), Qt::Key_Return);
    EXPECT_EQ(f.doc().construction.countOf(), count + 1);
    QTest::keyClick(w, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);
}

TEST_F(SmallWindows, MovingTheScreenRectangleAndCancellingLeavesTheView) {
    testing::WindowsFigure f;
    const double left = f.doc().viewLeft;
    f.doc().modified = 0;
    for (bool ok : {false, true}) {
        MoveScreenWindow* w = openMoveScreenWindow(&f.w, f.session());
        const MiniatureRect r = w->logic().rectangle();
        const QPoint grip(static_cast<int>(r.left + 10), static_cast<int>(r.top + 10));
        QTest::mousePress(w->miniature(), Qt::LeftButton, {}, grip);
        QTest::mouseMove(w->miniature(), grip + QPoint(30, 0));
        QTest::mouseRelease(w->miniature(), Qt::LeftButton, {}, grip + QPoint(30, 0));
        EXPECT_TRUE(w->logic().moved());
        if (ok) {
            QTest::keyClick(w, Qt::Key_Return);
            EXPECT_GT(f.doc().viewLeft, left + 200);
            EXPECT_EQ(f.doc().modified, 1);
        } else {
            QTest::keyClick(w, Qt::Key_Escape);
            EXPECT_EQ(f.doc().viewLeft, left);
            EXPECT_EQ(f.doc().modified, 0);
        }
    }
}

TEST_F(SmallWindows, TheParametricColourWindowAnswersTheChosenMode) {
    QWidget parent;
    std::vector<std::optional<int32_t>> answers;
    auto* w = openParametricColourWindow(&parent,
                                         [&](std::optional<int32_t> m) { answers.push_back(m); });
    w->hueBar()->setValue(40);
    EXPECT_TRUE(w->scaleButton(3)->isChecked());
    w->accept();
    w = openParametricColourWindow(&parent,
                                   [&](std::optional<int32_t> m) { answers.push_back(m); });
    w->scaleButton(2)->click();
    w->reject();
    EXPECT_EQ(answers, (std::vector<std::optional<int32_t>>{40, std::nullopt}));
}

} // namespace
} // namespace zeva::ui
