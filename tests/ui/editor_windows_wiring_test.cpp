// The editor window opens the calculation, parameter, element-edit, move-screen and
// point-by-coordinates windows where the logic asks for them, and hides the calculation window
// when another tool is chosen.
#include "qt_app.h"

#include "ui/calculator_window.h"
#include "ui/element_editor_window.h"
#include "ui/main_window.h"
#include "ui/move_screen_window.h"
#include "ui/parameter_window.h"
#include "ui/window_commands.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

const QString kGallery = QStringLiteral(ZEVA_SOURCE_DIR "/examples/gallery.kdo");

TEST(EditorWindowsWiring, TheEditorWindowOpensTheWindowsItsRequestsName) {
    testing::qtApp();
    MainWindow w(kGallery);
    w.resize(1000, 700);
    w.show();
    QApplication::processEvents();

    w.chooseTool(tool::Calculate); // Shift+Ctrl+C
    CalculatorWindow* calc = calculatorWindowOf(&w);
    ASSERT_NE(calc, nullptr);
    EXPECT_TRUE(calc->isVisible());
    model::Element* number = nullptr;
    model::Element* parameter = nullptr;
    for (model::Element* e : w.session().document()->construction) {
        if (!number && e->elementClass() == model::ElementClass::Number) number = e;
        if (e->kind == model::Kind::Parameter) parameter = e;
    }
    ASSERT_TRUE(number && parameter);
    w.session().host.calculatorOperandPicked(*number);
    EXPECT_EQ(calc->expressionEdit()->text(), QStringLiteral("a"));
    w.chooseTool(tool::Move); // another tool hides it
    EXPECT_FALSE(calc->isVisible());

    w.session().host.openParameterWindow(*parameter);
    auto* p = w.findChild<ParameterWindow*>();
    ASSERT_NE(p, nullptr);
    p->reject();
    w.session().host.openElementEditor(*number);
    auto* e = w.findChild<ElementEditorWindow*>();
    ASSERT_NE(e, nullptr);
    e->reject();
    w.run(Command::MoveScreen); // Shift+M
    auto* m = w.findChild<MoveScreenWindow*>();
    ASSERT_NE(m, nullptr);
    m->reject();
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<QMessageBox*>(top), nullptr) << "no 'not available yet' notice";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
} // namespace zeva::ui
