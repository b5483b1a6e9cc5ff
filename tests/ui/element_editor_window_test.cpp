// The element editor on a figure: changes shown at once and undone by "Cancel", an accepted edit
// as one undo step, and a refused interval keeping the editor open with the text selected.
#include "dialog_helpers.h"
#include "qt_app.h"
#include "windows_figure.h"

#include "document/undo.h"
#include "ui/calculator_logic.h"
#include "ui/element_editor_window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

using model::Element;
using model::Kind;

struct ElementEditorWindowTest : ::testing::Test {
    void SetUp() override { zeva::testing::qtApp(); }
};

TEST_F(ElementEditorWindowTest, CancelPutsBackColourShapeAndVisibility) {
    testing::WindowsFigure f;
    Element* a = f.make(Kind::FreePoint, nullptr, nullptr, -100, 0);
    Element* b = f.make(Kind::FreePoint, nullptr, nullptr, 100, 50);
    Element* s = f.make(Kind::Segment, a, b);
    const int32_t colour = s->color;
    const int32_t style = s->style;
    f.doc().modified = 0;
    document::clearHistory(f.doc());

    f.session().host.openElementEditor(*s); // what the edit tool asks for
    QPointer<ElementEditorWindow> w = f.w.findChild<ElementEditorWindow*>();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Segmento"));
    ASSERT_TRUE(w->button(QStringLiteral("Bverde")));
    w->button(QStringLiteral("Bverde"))->click();
    w->button(QStringLiteral("Bliray"))->click();
    w->button(QStringLiteral("verelem"))->click();
    EXPECT_EQ(s->color, 0x00FF00); // shown in the figure at once
    EXPECT_EQ(s->style, 3);
    EXPECT_EQ(s->visible, 0);
    QTest::keyClick(w->nameField(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);
    EXPECT_EQ(s->color, colour);
    EXPECT_EQ(s->style, style);
    EXPECT_EQ(s->visible, 1);
    EXPECT_EQ(f.doc().modified, 0);
    EXPECT_FALSE(f.doc().undoAvailable);

    // The same changes and a name, accepted with Enter: one undo step.
    w = openElementEditorWindow(&f.w, f.session(), *s);
    w->button(QStringLiteral("Bazul"))->click();
    QTest::keyClicks(w->nameField(), QStringLiteral("s1"));
    QTest::keyClick(w->nameField(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);
    EXPECT_EQ(s->color, 0xFFFF00);
    ASSERT_NE(s->label, nullptr);
    EXPECT_EQ(s->label->name().text, "s1");
    EXPECT_EQ(f.doc().modified, 1);
    EXPECT_TRUE(f.doc().undoAvailable);
}

TEST_F(ElementEditorWindowTest, ARefusedIntervalKeepsTheEditorOpenWithTheTextSelected) {
    testing::WindowsFigure f;
    Element* o = f.make(Kind::FreePoint);
    Element* axes = f.make(Kind::Axes, o);
    CalculatorLogic calc(f.session());
    calc.open(tool::Function, nullptr);
    calc.evaluate("x^2");
    Element* function = calc.place({0, 0});
    Element* graph = f.make(Kind::FunctionGraph, function, axes);
    ASSERT_NE(graph, nullptr);
    const double start = graph->y1;

    ElementEditorWindow* w = openElementEditorWindow(&f.w, f.session(), *graph);
    for (const QString& bad :
         {QString(), QStringLiteral("1/0"), QStringLiteral("(("), QString(101, QLatin1Char('1')),
          QStringLiteral("SIN X"), QStringLiteral("99")}) {
        w->intervalStartField()->setText(bad);
        QString message;
        zeva::testing::answerNextMessageBox(&message);
        w->acceptEdit();
        EXPECT_FALSE(message.isEmpty()) << bad.toStdString();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->intervalStartField()->selectedText(), bad);
        EXPECT_DOUBLE_EQ(graph->y1, start);
    }
    w->reject();
}

} // namespace
} // namespace zeva::ui
