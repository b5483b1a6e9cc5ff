// "Paso a Paso..." and "Lista construcción " on the offscreen platform.

#include "tests/support/edits.h"
#include "qt_app.h"
#include "tests/editor/fake_host.h"

#include "document/undo.h"
#include "edit/factory.h"
#include "geometry/recompute.h"
#include "ui/construction_list_window.h"
#include "ui/step_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

using model::Element;
using model::Kind;

// Five steps: A, B, segment AB, C (hidden), D; then a name label of A.
struct FiveSteps : testing::EditorFixture {
    std::vector<Element*> e;

    FiveSteps() {
        zeva::testing::qtApp();
        edit::CreationRequest r;
        for (double x : {0.0, 100.0}) {
            r.x1 = x;
            e.push_back(zeva::testing::create(doc(), r));
        }
        r.kind = Kind::Segment;
        r.parent1 = e[0];
        r.parent2 = e[1];
        e.push_back(zeva::testing::create(doc(), r));
        r.kind = Kind::FreePoint;
        for (double y : {50.0, 80.0}) {
            r.x1 = 0;
            r.y1 = y;
            e.push_back(zeva::testing::create(doc(), r));
        }
        e[3]->visible = 0;
        edit::CreationInputs in;
        in.nameText = "A";
        in.lastClick = Point{0, 0};
        r.kind = Kind::Name;
        r.parent1 = e[0];
        zeva::testing::create(doc(), r, in);
        geometry::recomputeAll(doc().construction, document::contextFor(doc()));
    }
};

template <class W> W* control(QWidget& w, const char* name) {
    return w.findChild<W*>(QLatin1String(name));
}

TEST(StepWindow, StepsForwardAndKeepsTheConstructionAtTheStepShown) {
    FiveSteps f;
    StepWindow w(f.session());
    int asked = 0;
    w.askKeep = [&] {
        ++asked;
        return QMessageBox::Yes;
    };
    ASSERT_TRUE(w.start());
    EXPECT_TRUE(w.isVisible());
    auto* track = control<QSlider>(w, "TB");
    EXPECT_EQ(track->maximum(), 4) << "the hidden point is no step";
    EXPECT_EQ(w.windowTitle(), QStringLiteral("  primer elemento"));
    EXPECT_EQ(control<QLabel>(w, "Label")->text(), QStringLiteral("Punto Libre A"));
    QTest::mouseClick(control<QToolButton>(w, "B_Unoadel"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>(w, "B_Unoadel"), Qt::LeftButton);
    EXPECT_EQ(track->value(), 3);
    EXPECT_EQ(control<QLabel>(w, "Label")->text(), QStringLiteral("Segmento"));
    track->setValue(4);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("  último elemento"));
    track->setValue(3);

    QTest::mouseClick(control<QPushButton>(w, "Aceptar"), Qt::LeftButton);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(f.doc().construction.countOf(), 3) << "the hidden point and the label went too";
    EXPECT_FALSE(f.host.timerRunning(TimerId::Blink));
    document::undo(f.doc());
    EXPECT_EQ(f.doc().construction.countOf(), 6);
}

TEST(StepWindow, OkAtTheLastStepAsksNothing) {
    FiveSteps f;
    StepWindow w(f.session());
    int asked = 0;
    w.askKeep = [&] {
        ++asked;
        return QMessageBox::Yes;
    };
    ASSERT_TRUE(w.start());
    QTest::mouseClick(control<QToolButton>(w, "B_Ultimo"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(w, "Aceptar"), Qt::LeftButton);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(f.doc().construction.countOf(), 6);
    EXPECT_FALSE(f.doc().undoAvailable);
}

TEST(ConstructionListWindow, ListsHighlightsAndCopiesTheSteps) {
    FiveSteps f;
    ConstructionListWindow w(f.session());
    w.start();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Lista construcción "));
    ASSERT_EQ(w.model().rowCount(), 4);
    EXPECT_EQ(w.model().data(w.model().index(3)).toString(), QStringLiteral("5. Punto Libre"));
    EXPECT_EQ(w.model().data(w.model().index(2)).toString(), QStringLiteral("3. Segmento  A,_"));
    EXPECT_FALSE(w.view()->currentIndex().isValid()) << "nothing chosen on opening";

    QTest::mouseClick(control<QToolButton>(w, "B_sig"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>(w, "B_sig"), Qt::LeftButton);
    EXPECT_EQ(w.highlighted(), f.e[1]);
    EXPECT_EQ(f.e[1]->selected, 1);
    const int redraws = f.host.fakeView.redraws;
    QTest::mouseClick(control<QToolButton>(w, "B_ult"), Qt::LeftButton);
    EXPECT_EQ(f.e[1]->selected, 0);
    EXPECT_EQ(f.e[4]->selected, 1);
    EXPECT_GT(f.host.fakeView.redraws, redraws);

    // With hidden elements the list grows and the chosen step stays chosen.
    QTest::mouseClick(control<QToolButton>(w, "B_vertodo"), Qt::LeftButton);
    ASSERT_EQ(w.model().rowCount(), 5);
    EXPECT_EQ(w.view()->currentIndex().row(), 4);
    EXPECT_EQ(f.e[4]->selected, 1);

    w.copyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("1. Punto Libre A\n2. Punto Libre\n3. Segmento: A,_\n"
                             "4. Punto Libre\n5. Punto Libre\n"));

    // An element deleted behind the window's back is never touched again.
    f.doc().construction.deleteElement(f.e[4]);
    QTest::mouseClick(control<QPushButton>(w, "OK"), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.highlighted(), nullptr);
}

} // namespace
} // namespace zeva::ui
