// The editor's main window as a user meets it: every menu item with its caption and shortcut,
// the lay-out for the screen, tools chosen by their buttons, a figure built by clicks in the
// drawing area, shortcuts acting on menus never opened, and closing with unsaved changes.
#include "qt_app.h"

#include "document/document_dump.h"
#include "document/element_io.h"
#include "settings/text_table.h"
#include "ui/drawing_area.h"
#include "ui/interface_texts.h"
#include "ui/macro_window.h"
#include "ui/main_window.h"
#include "ui/popup_panel_widget.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

const QString kGallery = QStringLiteral(ZEVA_SOURCE_DIR "/examples/gallery.kdo");

class EditorWindow : public ::testing::Test {
  protected:
    void SetUp() override { testing::qtApp(); }
    void TearDown() override {
        // Notices opened without waiting are closed with their window.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w)) box->close();
        QApplication::processEvents();
    }
    static void showActive(MainWindow& w) {
        w.resize(1000, 700);
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        QApplication::processEvents();
    }
    // Drawing-area pixels of a world point.
    static QPoint at(MainWindow& w, double x, double y) {
        const render::IPoint p = render::worldToScreen(w.viewTransform(), x, y);
        return {p.x, p.y};
    }
    // A move to the point (the hit test runs), then a press and release there.
    static void click(MainWindow& w, QPoint p) {
        DrawingArea* area = w.drawingArea();
        QCursor::setPos(area->mapToGlobal(p));
        QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(area->mapToGlobal(p)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(area, &move);
        QTest::mouseClick(w.drawingArea(), Qt::LeftButton, Qt::NoModifier, p);
        QApplication::processEvents();
    }
};

TEST_F(EditorWindow, EveryMenuItemHasItsCaptionFromTheTextTableAndItsShortcut) {
    MainWindow w;
    int items = 0;
    for (const Menu& m : mainMenus()) {
        ASSERT_NE(w.menuItem(m.key), nullptr) << m.key;
        EXPECT_EQ(w.menuItem(m.key)->text(), captionOfKey(m.key));
        for (const MenuItem& item : m.items) {
            QAction* a = nullptr;
            QString caption;
            if (item.kind == MenuItemKind::Tool) {
                a = w.toolMenuItem(item.tool);
                caption = textOfTool(item.tool);
            } else if (item.kind == MenuItemKind::Command ||
                       item.kind == MenuItemKind::SubmenuBegin ||
                       item.kind == MenuItemKind::RecentFiles) {
                a = w.menuItem(item.key);
                caption = captionOfKey(item.key);
            } else {
                continue;
            }
            ASSERT_NE(a, nullptr) << "key " << item.key << " tool " << item.tool;
            EXPECT_FALSE(caption.isEmpty()) << "key " << item.key << " tool " << item.tool;
            EXPECT_EQ(a->text(), caption);
            // "Cerrar" appears twice; the first one carries the shortcut.
            if (!item.shortcut.empty()) {
                EXPECT_EQ(a->shortcut(),
                          QKeySequence(QString::fromLatin1(item.shortcut.data(),
                                                           qsizetype(item.shortcut.size()))))
                    << caption.toStdString();
            }
            ++items;
        }
    }
    EXPECT_GT(items, 90);
    // No two items share a shortcut: a shared one would act on neither.
    QList<QKeySequence> seen;
    for (QAction* a : w.menuActions()) {
        if (a->shortcut().isEmpty()) continue;
        EXPECT_FALSE(seen.contains(a->shortcut())) << a->shortcut().toString().toStdString();
        seen.push_back(a->shortcut());
    }
    EXPECT_EQ(w.toolMenuItem(tool::Calculate)->shortcut(), QKeySequence(QStringLiteral("Shift+Ctrl+C")));

    // A language file's caption reaches the menu.
    settings::TextTable saved = settings::texts();
    settings::texts().set(556, "&New");
    settings::texts().set(501, "Point");
    applyInterfaceTexts(&w);
    EXPECT_EQ(w.menuItem(556)->text(), QStringLiteral("&New"));
    EXPECT_EQ(w.toolMenuItem(tool::Point)->text(), QStringLiteral("Point"));
    EXPECT_EQ(w.button("B_Punto")->toolTip(), QStringLiteral("Point"));
    settings::texts() = saved;
}

TEST_F(EditorWindow, TheLayoutFollowsTheScreenWidth) {
    MainWindow w(kGallery);
    showActive(w);
    const bool small = QGuiApplication::primaryScreen()->size().width() < 1000;
    EXPECT_EQ(w.smallLayout(), small);
    const int size = small ? 22 : 28;
    EXPECT_EQ(w.button("B_Punto")->size(), QSize(size, size));
    EXPECT_EQ(w.button("B_elimelem")->size(), QSize(size, size));
    EXPECT_EQ(w.mainBar()->height(), small ? 50 : 63);
    EXPECT_EQ(w.editBar()->width(), small ? 27 : 33);
    // The drawing area starts below the main bar and right of the edit bar.
    EXPECT_EQ(w.drawingArea()->geometry().topLeft(), QPoint(w.editBarWidth(), w.mainBarHeight()));
    // The document box ends the second row, within the bar.
    EXPECT_EQ(w.documentBox()->width(), small ? 152 : 188);
    EXPECT_LE(w.documentBox()->geometry().right(), w.mainBar()->width());
    EXPECT_GT(w.documentBox()->x(), w.button("B_comp_1")->geometry().right());

    // Hiding a bar gives its room to the drawing area.
    w.setShowMainButtons(false);
    EXPECT_EQ(w.drawingArea()->y(), 0);
    w.setShowEditButtons(false);
    EXPECT_EQ(w.drawingArea()->x(), 0);
    w.setShowMainButtons(true);
    w.setShowEditButtons(true);
    EXPECT_EQ(w.drawingArea()->geometry().topLeft(), QPoint(w.editBarWidth(), w.mainBarHeight()));
}

TEST_F(EditorWindow, EachToolButtonChoosesItsToolAndIsTheOnlyOneDown) {
    MainWindow w(kGallery);
    showActive(w);
    for (const auto* row : {&kMainRow2}) {
        for (const ToolButtonEntry& e : *row) {
            if (e.action != ButtonAction::Tool) continue;
            QToolButton* b = w.button(e.control);
            ASSERT_NE(b, nullptr);
            b->click();
            EXPECT_EQ(w.session().tool.active, e.tool) << e.control;
            EXPECT_TRUE(b->isChecked()) << e.control;
            EXPECT_EQ(w.statusPanel(2)->text(), textOfTool(e.tool)) << e.control;
            for (const ToolButtonEntry& other : kMainRow2) {
                if (other.action == ButtonAction::Tool && other.tool != e.tool) {
                    EXPECT_FALSE(w.button(other.control)->isChecked()) << other.control;
                }
            }
        }
    }
    // An edit-bar tool lifts the main bar's button; Sel comes back with the move tool.
    w.button("B_vernover")->click();
    EXPECT_EQ(w.session().tool.active, tool::HideShow);
    EXPECT_TRUE(w.button("B_vernover")->isChecked());
    EXPECT_FALSE(w.button("Sel")->isChecked());
    w.button("Sel")->click();
    EXPECT_TRUE(w.button("Sel")->isChecked());
    EXPECT_FALSE(w.button("B_vernover")->isChecked());
}

TEST_F(EditorWindow, ClicksBuildATriangleWithItsCircumcircleAndAngleThatSavesAndReadsBack) {
    MainWindow w;
    showActive(w);
    const QPoint a = at(w, -150, -80), b = at(w, 150, -80), c = at(w, 40, 120);
    w.button("B_Segmento")->click();
    for (auto [p, q] : {std::pair{a, b}, std::pair{b, c}, std::pair{c, a}}) {
        click(w, p);
        click(w, q);
    }
    const model::Construction& figure = w.document().construction;
    EXPECT_EQ(figure.countOf(), 6); // three points (picked again, not doubled), three segments
    // The perpendicular bisectors of AB and BC meet at the circumcentre.
    w.button("B_Mediatriz")->click();
    click(w, a);
    click(w, b);
    click(w, b);
    click(w, c);
    EXPECT_EQ(figure.countOf(), 8);
    // The circle tool takes the crossing of the bisectors as its centre, then A.
    // Circumcentre of A(-150,-80), B(150,-80), C(40,120): x = 0, y from |OA| = |OC|.
    const double y = (40.0 * 40 + 120.0 * 120 - 150.0 * 150 - 80.0 * 80) / (2 * (120.0 + 80));
    w.button("B_Circunf")->click();
    click(w, at(w, 0, y));
    click(w, a);
    int circles = 0;
    for (const model::Element* e : figure)
        if (e->elementClass() == model::ElementClass::Circle) {
            ++circles;
            // Centred on the crossing of the bisectors (made there), through A.
            ASSERT_TRUE(e->parent1 && e->parent2);
            EXPECT_EQ(e->parent1->elementClass(), model::ElementClass::Point);
            EXPECT_EQ(e->parent1->kind, model::Kind::Intersection);
            EXPECT_NEAR(e->parent1->x1, 0.0, 1.0);
            EXPECT_NEAR(e->parent1->y1, y, 1.0);
            EXPECT_NEAR(e->parent2->x1, -150.0, 1.0);
            EXPECT_NEAR(e->parent2->y1, -80.0, 1.0);
        }
    EXPECT_EQ(circles, 1);
    // The angle at A: B, A, then C where its value goes; AB is along x, AC along (190, 200).
    w.button("B_N_angulo")->click();
    click(w, b);
    click(w, a);
    click(w, c);
    ASSERT_EQ(figure.countOf(), 11); // with the crossing the circle tool made
    const model::Element* angle = figure.lastElement;
    EXPECT_EQ(angle->kind, model::Kind::AngleValue);
    EXPECT_EQ(w.document().modified, 1);

    // Saved under a name, then opened by a second window: the same document, element for
    // element, with the measured value read back.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("triangle.kdo"));
    w.document().fileName = utf8Text(path);
    ASSERT_TRUE(w.saveDocument(w.document(), false));
    EXPECT_EQ(w.document().modified, 0);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ZEVA - triangle.kdo"));
    MainWindow reopened(path);
    ASSERT_EQ(reopened.documents().count(), 1);
    EXPECT_EQ(reopened.document().modified, 0);
    EXPECT_EQ(document::dumpJson(reopened.document(), document::FileType::Document,
                                 document::kFileVersion),
              document::dumpJson(w.document(), document::FileType::Document,
                                 document::kFileVersion));
    EXPECT_NEAR(reopened.document().construction.lastElement->x1, std::atan2(200.0, 190.0), 0.01);
}

TEST_F(EditorWindow, ShortcutsActOnMenusNeverOpenedAndFollowTheEditRule) {
    MainWindow w;
    showActive(w);
    // Ctrl+E (edit element) needs elements: with none, the tool stays.
    QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(w.session().tool.active, tool::Move);
    // Ctrl+Z with nothing to undo does nothing.
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(w.document().construction.empty());

    w.button("B_Punto")->click();
    click(w, at(w, 10, 10));
    ASSERT_EQ(w.document().construction.countOf(), 1);
    // The edit menu was never opened: its shortcuts still act, through the same rule.
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(w.document().construction.empty());
    EXPECT_EQ(w.session().tool.active, tool::Move);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier); // the one step of history comes back
    EXPECT_EQ(w.document().construction.countOf(), 1);
    QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(w.session().tool.active, tool::EditElement);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_EQ(w.session().tool.active, tool::Move);
    QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(w.session().tool.active, tool::Locus);

    // When the menu opens it shows the rule; closed again, every item waits for its shortcut.
    QAction* undo = w.menuItem(540);
    QMenu* edit = qobject_cast<QMenu*>(w.menuItem(552)->menu());
    ASSERT_NE(edit, nullptr);
    w.document().undoAvailable = 0;
    emit edit->aboutToShow();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(w.menuItem(614)->isEnabled() == false); // "Borrar": nothing selected
    emit edit->aboutToHide();
    EXPECT_TRUE(undo->isEnabled());
}

TEST_F(EditorWindow, ClosingAskesToSaveAndCancelKeepsTheDocument) {
    MainWindow w(kGallery);
    showActive(w);
    w.newDocument();
    ASSERT_EQ(w.documents().count(), 2);
    w.document().modified = 1;
    QString asked;
    w.askSaveChanges = [&](const QString& text, const QString& caption) {
        asked = caption + QLatin1Char('|') + text;
        return QMessageBox::Cancel;
    };
    w.run(Command::Close);
    EXPECT_EQ(w.documents().count(), 2);
    EXPECT_EQ(asked, QStringLiteral("Cerrar - Documento 1|Guardar los cambios realizados al documento"));

    w.askSaveChanges = [](const QString&, const QString&) { return QMessageBox::No; };
    w.run(Command::Close);
    EXPECT_EQ(w.documents().count(), 1);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ZEVA - gallery.kdo"));
    EXPECT_EQ(w.documentBox()->count(), 1);
    // Closing the last document leaves the no-document state: no bars, no document menus.
    w.run(Command::Close);
    EXPECT_EQ(w.documents().count(), 0);
    EXPECT_TRUE(w.mainBar()->isHidden());
    EXPECT_FALSE(w.menuItem(552)->isVisible());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ZEVA"));
    // "&Nuevo" leaves it, numbered from 1 again.
    w.run(Command::New);
    EXPECT_FALSE(w.mainBar()->isHidden());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ZEVA - Documento 1"));
}

TEST_F(EditorWindow, DocumentsAreSwitchedCyclically) {
    MainWindow w(kGallery);
    w.newDocument();
    w.newDocument();
    ASSERT_EQ(w.documents().currentIndex(), 2);
    w.run(Command::NextDocument);
    EXPECT_EQ(w.documents().currentIndex(), 0);
    EXPECT_EQ(w.documentBox()->currentIndex(), 0);
    w.run(Command::PreviousDocument);
    EXPECT_EQ(w.documents().currentIndex(), 2);
    EXPECT_EQ(w.documentMenu()->actions().back()->isChecked(), true);
}

// A macro file opened with "&Abrir..." joins the current document's macros; "Macros..." shows
// them, the "&Macros" menu offers them, and choosing one applies it by clicks in the drawing
// area (two clicks on empty space: two free points and their midpoint).
TEST_F(EditorWindow, MacroFileOpenedJoinsTheDocumentAndIsAppliedFromTheMenu) {
    const QString mac = QStringLiteral(ZEVA_SOURCE_DIR "/tests/golden/midpoint_macro/input.MAC");
    MainWindow w;
    showActive(w);
    document::Document* d = &w.document();
    ASSERT_TRUE(w.openDocument(mac));
    EXPECT_EQ(&w.document(), d);
    ASSERT_EQ(d->macros.size(), 1u);

    w.run(Command::Macros);
    EXPECT_TRUE(w.macroWindow().isVisible());
    EXPECT_EQ(w.macroWindow().list()->count(), 1);
    w.macroWindow().hide();

    QMenu* menu = w.menuItem(554)->menu();
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    const QList<QAction*> items = menu->actions();
    ASSERT_GE(items.size(), 4); // "Macros...", separator, heading, the macro
    EXPECT_EQ(items.last()->text(), QStringLiteral("Punto medio"));
    items.last()->trigger();
    EXPECT_EQ(w.session().tool.active, tool::ApplyMacro);

    const int before = d->construction.countOf();
    click(w, at(w, -100, 40));
    click(w, at(w, 60, -20));
    ASSERT_EQ(d->construction.countOf(), before + 4); // two points, the midpoint, the segment
    EXPECT_EQ(d->construction.elements->kind, model::Kind::FreePoint);
    bool midpoint = false;
    for (model::Element* e : d->construction)
        if (e->kind == model::Kind::Midpoint) {
            midpoint = true;
            EXPECT_NEAR(e->x1, -20, 1.0);
            EXPECT_NEAR(e->y1, 10, 1.0);
        }
    EXPECT_TRUE(midpoint);
}

} // namespace
} // namespace zeva::ui

namespace zeva::ui {
namespace {

// The colour button held: after 200 ms its panel shows beside the edit bar; moving onto a
// colour presses it; the release closes the panel and gives the colour tool that colour, with
// the button showing it.
TEST_F(EditorWindow, HoldingTheColourButtonOpensItsPanelAndAShortClickDoesNot) {
    MainWindow w;
    showActive(w);
    QToolButton* colour = w.button("B_color");
    QTest::mouseClick(colour, Qt::LeftButton);
    EXPECT_FALSE(w.popupPanelWidget()->isVisible());
    EXPECT_EQ(w.session().tool.active, tool::Colour);
    EXPECT_TRUE(colour->isChecked());

    QTest::mousePress(colour, Qt::LeftButton);
    QTest::qWait(kPanelHoldMs + 150);
    ASSERT_TRUE(w.popupPanelWidget()->isVisible());
    const QRect panel = w.popupPanelWidget()->geometry();
    EXPECT_EQ(panel.left(), w.drawingArea()->x());
    EXPECT_EQ(panel.top(), colour->mapTo(w.centralWidget(), QPoint()).y() - 2);
    // The cursor over the third colour, the button still held.
    QToolButton* green = w.popupPanelWidget()->buttons()[1];
    const QPoint over = colour->mapFromGlobal(green->mapToGlobal(green->rect().center()));
    QMouseEvent move(QEvent::MouseMove, QPointF(over), QPointF(colour->mapToGlobal(over)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(colour, &move);
    EXPECT_TRUE(green->isChecked());
    QTest::mouseRelease(colour, Qt::LeftButton, Qt::NoModifier, over);
    EXPECT_FALSE(w.popupPanelWidget()->isVisible());
    EXPECT_EQ(w.session().tool.currentColor, kPanelColours[1].value);
    EXPECT_EQ(w.session().tool.active, tool::Colour);
}

TEST_F(EditorWindow, APointIsDraggedThroughTheDrawingArea) {
    MainWindow w;
    showActive(w);
    w.button("B_Punto")->click();
    click(w, at(w, 0, 0));
    w.button("Sel")->click();
    model::Element* p = w.document().construction.elements;
    ASSERT_NE(p, nullptr);
    DrawingArea* area = w.drawingArea();
    const QPoint from = at(w, 0, 0), to = at(w, 60, 40);
    QMouseEvent hover(QEvent::MouseMove, QPointF(from), QPointF(area->mapToGlobal(from)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &hover);
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, from);
    QTest::qWait(kDragDelayMs + 30);
    for (int i = 1; i <= 4; ++i) {
        const QPoint step = from + (to - from) * i / 4;
        QMouseEvent drag(QEvent::MouseMove, QPointF(step), QPointF(area->mapToGlobal(step)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &drag);
    }
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_NEAR(p->x1, 60.0, 1.0);
    EXPECT_NEAR(p->y1, 40.0, 1.0);
    EXPECT_EQ(w.document().modified, 1);
}

} // namespace
} // namespace zeva::ui

namespace zeva::ui {
namespace {

TEST_F(EditorWindow, FullScreenComesBackToTheOldRectangleOrTheScreensMiddle) {
    const QRect screen(0, 0, 1920, 1080);
    EXPECT_EQ(rectangleAfterFullScreen(QRect(100, 50, 800, 600), screen), QRect(100, 50, 800, 600));
    // The old corner is off the screen (a screen that shrank): centred, same size.
    EXPECT_EQ(rectangleAfterFullScreen(QRect(2500, 50, 800, 600), screen),
              QRect(560, 240, 800, 600));

    MainWindow w;
    showActive(w);
    w.button("B_Punto")->click();
    w.button("B_pancom")->click();
    EXPECT_TRUE(w.fullScreenOn());
    EXPECT_TRUE(w.button("B_pancom")->isChecked());
    EXPECT_EQ(w.session().tool.active, tool::Move); // the tool goes back to "Mover, editar"
    w.run(Command::FullScreen);
    EXPECT_FALSE(w.fullScreenOn());
    EXPECT_FALSE(w.button("B_pancom")->isChecked());
    EXPECT_FALSE(w.windowState().testFlag(Qt::WindowFullScreen));
}

TEST_F(EditorWindow, ShowingHiddenElementsFollowsItsButtonAndMenuItem) {
    MainWindow w(kGallery);
    showActive(w);
    w.button("B_todoelem")->click();
    EXPECT_TRUE(w.session().showHidden);
    EXPECT_TRUE(w.button("B_todoelem")->isChecked());
    EXPECT_TRUE(w.documentView().renderContext().options.showHidden);
    w.menuItem(545)->trigger();
    EXPECT_FALSE(w.session().showHidden);
    EXPECT_FALSE(w.button("B_todoelem")->isChecked());
}

} // namespace
} // namespace zeva::ui

namespace zeva::ui {
namespace {

// The program's start opens its files once the window shows (after offering what a crashed
// run left, nothing here), and makes a new document when none was given.
TEST_F(EditorWindow, TheProgramsStartOpensItsFilesOnceTheWindowShows) {
    MainWindow w(QStringList{kGallery}, MainWindow::Start::AfterShow);
    EXPECT_EQ(w.documents().count(), 0);
    w.show();
    w.startDocuments();
    EXPECT_EQ(w.documents().count(), 1);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ZEVA - gallery.kdo"));
    MainWindow empty(QStringList{}, MainWindow::Start::AfterShow);
    empty.startDocuments();
    EXPECT_EQ(empty.windowTitle(), QStringLiteral("ZEVA - Documento 1"));
}

} // namespace
} // namespace zeva::ui

namespace zeva::ui {
namespace {

// A plane size taken from the options moves the plane's edges of the open document at once.
TEST_F(EditorWindow, ANewPlaneSizeFromTheOptionsReachesTheOpenDocument) {
    settings::options().planeSize = 5000.0;
    MainWindow w;
    showActive(w);
    EXPECT_EQ(w.viewTransform().planeSize, 5000.0);
    w.run(Command::LoadOriginalOptions); // back to the 3000 of the original options
    EXPECT_EQ(w.viewTransform().planeSize, 3000.0);
    EXPECT_EQ(settings::options().planeSize, 3000.0);
}

} // namespace
} // namespace zeva::ui
