// The macro window on a plain figure window: its list and memo, the buttons it enables, rename,
// delete, saving and loading macro files, the macros of other documents in the load pop-up and
// the "&Macros" menu, and a picture of it with two macros.

#include "english_interface.h"
#include "figure_window.h"
#include "qt_app.h"

#include "document/document_file.h"
#include "edit/factory.h"
#include "settings/text_table.h"
#include "tests/support/edits.h"
#include "tests/support/temp_dir.h"
#include "ui/macro_window.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

using model::Element;
using model::Kind;

// The application exists before the fixture's windows.
struct WithQtApp {
    WithQtApp() { zeva::testing::qtApp(); }
};

struct MacroWindowFixture : WithQtApp, ::testing::Test {

    testing::FigureWindow figure;
    MacroTools tools{*figure.session};
    MacroWindow window{tools, &figure};

    Element* make(Kind kind, double x, double y, Element* p1 = nullptr, Element* p2 = nullptr) {
        edit::CreationRequest r;
        r.kind = kind;
        r.x1 = x;
        r.y1 = y;
        r.parent1 = p1;
        r.parent2 = p2;
        return zeva::testing::create(figure.document(), r);
    }
    // Two macros in the current document: the midpoint of two points, and the circle through a
    // point about another, each made as the tools make it.
    void twoMacros() {
        Element* a = make(Kind::FreePoint, -120, 0);
        Element* b = make(Kind::FreePoint, 120, 60);
        Element* m = make(Kind::Midpoint, 0, 0, a, b);
        Element* c = make(Kind::CircleByCentreAndPoint, 0, 0, m, b);
        figure.refigure();
        for (auto [final, name] : {std::pair{m, "Punto medio"}, std::pair{c, "Circunferencia"}}) {
            tools.elementPicked(tool::MacroInitial, *a);
            tools.elementPicked(tool::MacroInitial, *b);
            tools.elementPicked(tool::MacroFinal, *final);
            ASSERT_GE(tools.complete(name), 0);
        }
        figure.document().macros[0].description = {"The midpoint of two points,",
                                                   "whatever their distance."};
    }
    QPushButton* button(const char* name) {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& m : figure.documents.current()->macros) out.push_back(m.name);
        return out;
    }
};

TEST_F(MacroWindowFixture, ListMemoAndTheButtonsTheSelectionEnables) {
    twoMacros();
    window.openFromTool();
    EXPECT_EQ(window.windowTitle(), messageText(settings::kMsgMacroDialogTitle) +
                                        QStringLiteral(" - ") +
                                        messageText(settings::kMsgDocument) + QStringLiteral(" 1"));
    ASSERT_EQ(window.list()->count(), 2);
    EXPECT_EQ(window.list()->item(1)->text(), QStringLiteral("Circunferencia"));
    for (const char* name : {"B_activar", "B_guarmac", "B_nombre", "B_eliminar"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_FALSE(window.memo()->isEnabled());
    EXPECT_FALSE(button("B_comp")->isEnabled()); // both lists were used up

    window.select(0);
    EXPECT_EQ(window.memo()->toPlainText(),
              QStringLiteral("The midpoint of two points,\nwhatever their distance."));
    for (const char* name : {"B_activar", "B_guarmac", "B_nombre", "B_eliminar"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    // What is typed in the memo is kept when another macro is chosen.
    window.memo()->setPlainText(QStringLiteral("Edited\nlines"));
    window.select(1);
    EXPECT_EQ(figure.document().macros[0].description,
              (std::vector<std::string>{"Edited", "lines"}));
    EXPECT_TRUE(window.memo()->toPlainText().isEmpty());

    // Applying closes the window and leaves the macro tool waiting for the first point.
    button("B_activar")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(figure.session->tool.active, tool::ApplyMacro);
    EXPECT_EQ(figure.statusText(),
              "Circunferencia -> " + settings::texts().classWord(model::ElementClass::Point));
}

TEST_F(MacroWindowFixture, RenameKeepsTheNameOnBlanksAndDeleteSelectsTheNewLast) {
    twoMacros();
    window.openFromTool();
    window.select(1);
    window.askName = [](const QString& current) -> std::optional<QString> {
        EXPECT_EQ(current, QStringLiteral("Circunferencia"));
        return QStringLiteral("   ");
    };
    button("B_nombre")->click();
    EXPECT_EQ(names(), (std::vector<std::string>{"Punto medio", "Circunferencia"}));
    window.askName = [](const QString&) -> std::optional<QString> {
        return QStringLiteral(" Circle ");
    };
    button("B_nombre")->click();
    EXPECT_EQ(names(), (std::vector<std::string>{"Punto medio", "Circle"}));
    EXPECT_EQ(window.list()->item(1)->text(), QStringLiteral("Circle"));
    EXPECT_EQ(window.selectedIndex(), 1);

    button("B_eliminar")->click(); // the last: the new last is selected
    EXPECT_EQ(names(), std::vector<std::string>{"Punto medio"});
    EXPECT_EQ(window.selectedIndex(), 0);
    EXPECT_EQ(window.memo()->toPlainText(),
              QStringLiteral("The midpoint of two points,\nwhatever their distance."));
    button("B_eliminar")->click(); // the only one: list and memo empty
    EXPECT_EQ(window.list()->count(), 0);
    EXPECT_EQ(window.selectedIndex(), -1);
    EXPECT_TRUE(window.memo()->toPlainText().isEmpty());
    EXPECT_FALSE(button("B_eliminar")->isEnabled());
}

TEST_F(MacroWindowFixture, MacroFilesAndTheMacrosOfOtherDocuments) {
    twoMacros();
    zeva::testing::TempDir dir;
    const QString path = QString::fromStdString(dir.file("Punto medio.MAC"));
    window.openFromTool();
    window.select(0);
    window.chooseFile = [&](bool save, const QString& suggested) -> std::optional<QString> {
        EXPECT_TRUE(save);
        EXPECT_EQ(suggested, QStringLiteral("Punto medio.MAC"));
        return path;
    };
    button("B_guarmac")->click();
    ASSERT_EQ(document::probeFileType(path.toStdString()), document::FileType::Macro);

    // A second document: the first one's macros are offered, a file loads into it.
    figure.documents.newDocument();
    window.refresh();
    EXPECT_EQ(window.list()->count(), 0);
    const std::vector<MacroMenuGroup> others = tools.otherDocumentsMacros();
    ASSERT_EQ(others.size(), 1u);
    EXPECT_EQ(others[0].names, (std::vector<std::string>{"Punto medio", "Circunferencia"}));
    QMenu menu;
    QAction* dialogItem = menu.addAction(QStringLiteral("Macros..."));
    for (int twice = 0; twice < 2; ++twice) // rebuilt each time the menu opens
        window.fillMacrosMenu(menu);
    const QList<QAction*> items = menu.actions();
    ASSERT_EQ(items.size(), 4); // "Macros...", separator, heading, the first document
    EXPECT_EQ(items[0], dialogItem);
    EXPECT_FALSE(items[2]->isEnabled());
    ASSERT_NE(items[3]->menu(), nullptr);
    EXPECT_EQ(items[3]->text(), messageText(settings::kMsgDocument) + QStringLiteral(" 1"));
    EXPECT_EQ(items[3]->menu()->actions().size(), 2);

    EXPECT_EQ(tools.copyFrom(*others[0].document, 1), 0);
    window.chooseFile = [&](bool save, const QString&) -> std::optional<QString> {
        EXPECT_FALSE(save);
        return path;
    };
    EXPECT_EQ(tools.loadFile(path.toStdString()), 1);
    window.refresh();
    EXPECT_EQ(names(), (std::vector<std::string>{"Circunferencia", "Punto medio"}));
    EXPECT_EQ(figure.document().macros[1].description,
              (std::vector<std::string>{"The midpoint of two points,",
                                        "whatever their distance."}));
    // A document file is not a macro file.
    EXPECT_EQ(tools.loadFile(dir.file("missing.MAC")), -1);
    EXPECT_EQ(figure.notices.back(), settings::texts().message(settings::kMsgInvalidFile));
    EXPECT_EQ(figure.document().macros.size(), 2u);
}

TEST_F(MacroWindowFixture, PictureWithTwoMacrosInEnglish) {
    zeva::testing::EnglishInterface english;
    MacroWindow shown(tools, &figure);
    twoMacros();
    figure.show();
    shown.openFromTool();
    shown.select(0);
    QApplication::processEvents();
    const QImage dialog = shown.grab().toImage();
    const QImage drawing = figure.grab().toImage();
    QImage sheet(drawing.width() + dialog.width() + 20, std::max(drawing.height(), dialog.height()),
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.drawImage(0, 0, drawing);
    painter.drawImage(drawing.width() + 20, 0, dialog);
    painter.end();
    const QString folder = QStringLiteral(ZEVA_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    EXPECT_TRUE(sheet.save(folder + QStringLiteral("/macro_window.png")));
    EXPECT_EQ(shown.list()->count(), 2);
}

} // namespace
} // namespace zeva::ui
