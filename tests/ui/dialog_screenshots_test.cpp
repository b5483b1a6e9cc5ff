// Pictures of the calculation, parameter, element-edit, move-screen, point-by-coordinates and
// parametric-colour windows over the gallery document, written to <build>/screenshots/ to be
// looked at whenever these windows change (run under Xvfb for the platform's real look).
#include "qt_app.h"
#include "windows_figure.h"

#include "ui/calculator_window.h"
#include "ui/tool_selection.h"

#include <QDir>
#include <QLineEdit>
#include <QPainter>
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
    calc->expressionEdit()->setText(QStringLiteral("sin(x)*2"));
    calc->evaluate();
    f.save(*calc, QStringLiteral("dialog-function.png"));
}

} // namespace
} // namespace zeva::ui
