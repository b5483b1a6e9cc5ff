// Pictures of the calculation, parameter, element-edit, move-screen, point-by-coordinates and
// parametric-colour windows over the gallery document, written to <build>/screenshots/ to be
// looked at whenever these windows change (run under Xvfb for the platform's real look).
#include "qt_app.h"
#include "windows_figure.h"

#include "ui/calculator_window.h"
#include "ui/element_editor_window.h"
#include "ui/main_window.h"
#include "ui/move_screen_window.h"
#include "ui/parameter_window.h"
#include "ui/parametric_colour_window.h"
#include "ui/point_coordinates_window.h"
#include "ui/tool_selection.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

const QString kFolder = QStringLiteral(ZEVA_BINARY_DIR "/screenshots");

struct GalleryFigure : testing::WindowsFigure {
    GalleryFigure() {
        w.resize(1100, 720);
        EXPECT_TRUE(w.openDocument(ZEVA_SOURCE_DIR "/examples/gallery.kdo"));
        QApplication::processEvents();
    }

    model::Element* first(model::ElementClass c, int skip = 0) {
        for (model::Element* e : doc().construction)
            if (e->elementClass() == c && e->visible == 1 && e->exists == 1 && skip-- == 0)
                return e;
        return nullptr;
    }

    // The figure window with `window` drawn where it stands over it.
    void save(QWidget& window, const QString& name) {
        QApplication::processEvents();
        QImage sheet = w.grab().toImage();
        {
            QPainter p(&sheet);
            const QPoint at = window.mapToGlobal(QPoint(0, 0)) - w.mapToGlobal(QPoint(0, 0));
            p.drawImage(at, window.grab().toImage());
            p.setPen(Qt::darkGray);
            p.drawRect(QRect(at, window.size()).adjusted(-1, -1, 0, 0));
        }
        QDir().mkpath(kFolder);
        EXPECT_TRUE(sheet.save(kFolder + QLatin1Char('/') + name)) << name.toStdString();
    }
};

TEST(DialogScreenshots, CalculationWindow) {
    zeva::testing::qtApp();
    GalleryFigure f;
    selectTool(f.session(), tool::Calculate);
    f.session().host.openCalculator(tool::Calculate, nullptr);
    CalculatorWindow* calc = calculatorWindowOf(&f.w);
    ASSERT_NE(calc, nullptr);
    model::Element* a = f.first(model::ElementClass::Number, 0);
    model::Element* b = f.first(model::ElementClass::Number, 1);
    ASSERT_TRUE(a && b);
    f.session().host.calculatorOperandPicked(*a);
    f.session().host.calculatorOperandPicked(*b);
    calc->expressionEdit()->setText(QStringLiteral("a*b+2"));
    calc->evaluate();
    f.save(*calc, QStringLiteral("dialog-calculation.png"));

    selectTool(f.session(), tool::Function);
    f.session().host.openCalculator(tool::Function, nullptr);
    calc->expressionEdit()->setText(QStringLiteral("sin(x)*2"));
    calc->evaluate();
    f.save(*calc, QStringLiteral("dialog-function.png"));
}

TEST(DialogScreenshots, ParameterAndPointByCoordinatesWindows) {
    zeva::testing::qtApp();
    GalleryFigure f;
    model::Element* parameter = nullptr;
    for (model::Element* e : f.doc().construction)
        if (e->kind == model::Kind::Parameter) parameter = e;
    ASSERT_NE(parameter, nullptr);
    ParameterWindow* p = openParameterWindow(&f.w, f.session(), *parameter);
    p->trackBar()->setValue(p->trackBar()->value() + 150);
    f.save(*p, QStringLiteral("dialog-parameter.png"));
    p->reject();

    PointCoordinatesWindow* c = openPointCoordinatesWindow(&f.w, f.session(), nullptr, nullptr);
    c->polarButton()->setChecked(true);
    c->firstField()->setText(QStringLiteral("2*3"));
    c->secondField()->setText(QStringLiteral("45"));
    f.save(*c, QStringLiteral("dialog-point-coordinates.png"));
    c->reject();
}

TEST(DialogScreenshots, ElementEditor) {
    zeva::testing::qtApp();
    GalleryFigure f;
    model::Element* point = nullptr;
    model::Element* graph = nullptr;
    for (model::Element* e : f.doc().construction) {
        if (!point && e->kind == model::Kind::FreePoint && e->label && e->visible == 1) point = e;
        if (e->kind == model::Kind::FunctionGraph) graph = e;
    }
    ASSERT_TRUE(point && graph);
    const QPoint at = f.w.area->mapToGlobal(QPoint(500, 400));
    ElementEditorWindow* e = openElementEditorWindow(&f.w, f.session(), *point, at);
    e->button(QStringLiteral("Bnaranja"))->click(); // shown in the figure at once
    e->button(QStringLiteral("BPungran2"))->click();
    f.save(*e, QStringLiteral("dialog-element-editor-point.png"));
    e->reject();

    model::Element* number = f.first(model::ElementClass::Number);
    e = openElementEditorWindow(&f.w, f.session(), *number, at);
    f.save(*e, QStringLiteral("dialog-element-editor-number.png"));
    e->reject();

    e = openElementEditorWindow(&f.w, f.session(), *graph, at);
    f.save(*e, QStringLiteral("dialog-element-editor-graph.png"));
    e->reject();
}

TEST(DialogScreenshots, MoveScreenAndParametricColourWindows) {
    zeva::testing::qtApp();
    GalleryFigure f;
    MoveScreenWindow* m = openMoveScreenWindow(&f.w, f.session());
    f.save(*m, QStringLiteral("dialog-move-screen.png"));
    m->reject();

    ParametricColourWindow* c = openParametricColourWindow(&f.w, {});
    c->hueBar()->setValue(30);
    f.save(*c, QStringLiteral("dialog-parametric-colour.png"));
    c->reject();
}

// The editor window itself with the calculation window open over it.
TEST(DialogScreenshots, EditorWindowWithTheCalculationWindow) {
    zeva::testing::qtApp();
    MainWindow w(QStringLiteral(ZEVA_SOURCE_DIR "/examples/gallery.kdo"));
    w.resize(1280, 800);
    w.show();
    QApplication::processEvents();
    w.chooseTool(tool::Function);
    CalculatorWindow* calc = calculatorWindowOf(&w);
    ASSERT_NE(calc, nullptr);
    calc->expressionEdit()->setText(QStringLiteral("x^2/4-3"));
    calc->evaluate();
    QApplication::processEvents();
    QImage sheet = w.grab().toImage();
    {
        QPainter p(&sheet);
        p.drawImage(calc->mapToGlobal(QPoint(0, 0)) - w.mapToGlobal(QPoint(0, 0)),
                    calc->grab().toImage());
    }
    QDir().mkpath(kFolder);
    EXPECT_TRUE(sheet.save(kFolder + QStringLiteral("/dialog-editor-calculation.png")));
    w.chooseTool(tool::Move);
}

} // namespace
} // namespace zeva::ui
