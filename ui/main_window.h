#pragma once
// The editor's main window: the drawing area of the current document between the main tool bar
// (top), the edit bar (left), the scroll bars and the status bar, under the menu bar. It owns
// the open documents, the document view and the interaction logic (Editor), and is the logic's
// Host: status text, cursors, timers, notices and the windows the logic asks for.
//
// The window is split by job: tool bars (tool_bars.cpp), menus (main_menu.cpp), status bar and
// lay-out (window_layout.cpp), bar toggles and full screen (window_toggles.cpp), the Host's
// plain calls (main_window_host.cpp) and its requests for windows (window_requests.cpp), the
// commands of the File, Edit (clipboard) and Document menus (file_commands.cpp), and the other
// commands (window_commands.cpp).

#include "document/document_set.h"
#include "ui/document_view.h"
#include "ui/editor.h"
#include "ui/host.h"
#include "ui/main_menu_table.h"
#include "ui/popup_panels_logic.h"
#include "ui/tool_buttons.h"
#include "ui/window_commands.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QScrollBar;
class QTimer;
class QToolButton;

namespace zeva::ui {

class AnimationWindow;
class ConstructionListWindow;
class DrawingArea;
class HelpWindow;
class MacroTools;
class MacroWindow;
class PopupPanelWidget;
class RecoveryKeeper;
class StepWindow;
class DocumentCommands;
class DocumentWindow;
class ToolBar;

// Where the window goes back to when full screen ends: its old rectangle when that rectangle's
// top-left corner is still on the screen, else the same size centred on the screen.
QRect rectangleAfterFullScreen(const QRect& stored, const QRect& screen);

class MainWindow : public QMainWindow, public Host {
    Q_OBJECT
  public:
    // Opens `documentPath` when given; without it, or when it cannot be opened, a new empty
    // document is shown.
    explicit MainWindow(const QString& documentPath = QString(), QWidget* parent = nullptr);
    // Opens every file of the list, in order (the last one opened is shown). No copies of a
    // crashed run are offered: that is the program's start (Start::AfterShow).
    explicit MainWindow(const QStringList& documentPaths, QWidget* parent = nullptr);
    // The program's start: the documents are opened by startDocuments once the window shows.
    enum class Start { AfterShow };
    MainWindow(const QStringList& documentPaths, Start when, QWidget* parent = nullptr);
    // Once the window shows: the documents a crashed run left are offered back, then the files
    // given are opened, and a new empty document is made when none is open.
    void startDocuments();
    ~MainWindow() override;

    // ---- documents ----
    // Opens a document file (it becomes the current document) or a macro file (into the
    // current document). A file that cannot be opened changes nothing: a "ZEVA" box tells why,
    // and the answer is false.
    bool openDocument(const QString& path);
    // "&Nuevo": a new empty document with the application's defaults ("Existen muchos
    // documentos abiertos" when 99 are open).
    void newDocument();
    // Makes `d` the current document and shows it (none: the no-document state).
    void showDocument(document::Document* d);
    // Closes a document, asking first to save it when it is modified. False when the user
    // cancelled or the save did not happen: the document stays open.
    bool closeDocument(document::Document* d, bool exiting);
    // "&Guardar" (asking a name when the document has none, or always when `askName`). True
    // when the document was written.
    bool saveDocument(document::Document& d, bool askName);

    // The Yes/No/Cancel question before a modified document closes; tests answer it.
    std::function<QMessageBox::StandardButton(const QString& text, const QString& caption)>
        askSaveChanges;

    document::DocumentSet& documentSet() { return documents_; }
    const document::DocumentSet& documents() const { return documents_; }
    document::Document& document() { return *documents_.current(); }
    DocumentView& documentView() { return *view_; }
    const render::ViewTransform& viewTransform() const { return view_->transform(); }
    const QImage& bitmap() const { return view_->bitmap(); }
    Editor& editor() { return *editor_; }
    Session& session() { return editor_->session(); }
    DrawingArea* drawingArea() const { return area_; }
    QScrollBar* horizontalBar() const { return hBar_; }
    QScrollBar* verticalBar() const { return vBar_; }
    // The message of the last open that failed, empty when it succeeded.
    const std::string& openError() const { return openError_; }

    // Redraws the document (recomputing it first when asked) and repaints.
    void redraw(bool recompute = false);

    // What shows the documents: the caption, the status panels of the current document, the
    // "&Documento" entries with the box, and the recent files the settings store keeps.
    void refreshCaption();
    void refreshStatusPanels();
    void refreshDocumentLists();
    void refreshRecentFiles();

    // ---- commands ----
    // A tool button or tool menu item: the tool with what its button does besides (edit-bar
    // tools, the animation window, the calculation tools, the checkers).
    void chooseTool(ToolCode t);
    // A menu item or non-tool button.
    void run(Command c);
    // Whether a menu item may act now (the "&Edición" rule, evaluated at the moment).
    bool itemAllowed(EditRule rule) const;
    // A command or window of a later version: "not available yet" and its name in a "ZEVA" box.
    void notYetAvailable(const QString& what);
    void notYetAvailable(ToolCode tool);

    // ---- controls (tests and the lay-out) ----
    // The tool button of a control name ("B_Punto"), none when there is no such button.
    QToolButton* button(std::string_view control) const;
    // A menu item by its caption key or tool (the first such item), none when absent.
    QAction* menuItem(int key) const;
    QAction* toolMenuItem(ToolCode t) const;
    const std::vector<QAction*>& menuActions() const { return allActions_; }
    QComboBox* documentBox() const { return documentBox_; }
    QWidget* mainBar() const;
    QWidget* editBar() const;
    QLabel* statusPanel(int index) const;
    QMenu* documentMenu() const { return documentMenu_; }
    QMenu* recentFilesMenu() const { return recentMenu_; }
    PopupPanels& popupPanels() { return *panels_; }
    PopupPanelWidget* popupPanelWidget() const { return panelWidget_; }
    // True in the small lay-out (screens narrower than 1000 pixels).
    bool smallLayout() const { return small_; }
    // Buttons 22 x 22 (small) or 28 x 28; the main bar 50 or 63 high; the edit bar 27 or 33
    // wide.
    int buttonSize() const { return small_ ? 22 : 28; }
    int mainBarHeight() const { return small_ ? 50 : 63; }
    int editBarWidth() const { return small_ ? 27 : 33; }

    // ---- toggles ----
    void setShowMainButtons(bool on);
    void setShowEditButtons(bool on);
    void setShowStatusBar(bool on);
    void setShowHidden(bool on);
    void setFullScreen(bool on);
    bool fullScreenOn() const { return fullScreen_; }

    // Re-lays the window out: bars, scroll bars and drawing area (after a bar is shown or hidden
    // and on every resize).
    void layOut();

    // ---- Host ----
    View& view() override { return *view_; }
    void setStatusText(const std::string& text) override;
    const std::string& statusText() const override { return statusText_; }
    void setCursor(int cursorNumber) override;
    void showCursorLabel(const CursorLabel& label) override;
    void startTimer(TimerId id, int milliseconds) override;
    void stopTimer(TimerId id) override;
    bool timerRunning(TimerId id) const override;
    void notify(MessageIcon icon, const std::string& text) override;
    void repaint() override;
    void captureMouse(bool on) override;
    void viewMoved() override;
    std::optional<render::IPoint> cursorPosition() const override;
    bool windowActive() const override;
    void toolChanged(int tool) override;
    void hideToolWindows(bool keepAnimation) override;
    void openChooser(const std::vector<std::string>& items, render::IPoint at) override;
    void openTextDialog(const TextDialogRequest& request) override;
    void openFontDialog(const model::ElementFont& font) override;
    void openPictureDialog() override;
    void openParametricColour(model::Element& target, model::Element& source,
                              bool fill) override;
    void openElementEditor(model::Element& e) override;
    void openCalculator(int tool, model::Element* element) override;
    void openParameterWindow(model::Element& parameter) override;
    void openPointByCoordinates(model::Element* plotted, model::Element* axes) override;
    void calculatorOperandPicked(model::Element& operand) override;
    void macroInputClicked(model::Element* hit, Point world) override;
    void macroElementPicked(int tool, model::Element& e) override;
    void animationElementPicked(model::Element& e) override;
    void setWaitCursor(bool on) override;

    // The tool windows built so far (made on first use).
    AnimationWindow& animationWindow();
    StepWindow& stepWindow();
    ConstructionListWindow& constructionListWindow();
    // The File, Edit-clipboard and Document commands: recent files, clipboard, printing, export
    // and the documents list.
    DocumentCommands& documentCommands();
    MacroWindow& macroWindow();

    // After a language is applied to the text table: every caption, hint and shown text again.
    void retranslate();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void build(const QStringList& documentPaths, bool openNow);
    void openPendingDocuments();
    void buildToolBars();
    void buildMenus();
    void buildStatusBar();
    void buildTimers();
    void applyStartOptions();
    // The renderer's options taken again from the application options.
    void takeOptions();
    void refreshEnvironment();
    void showError(const std::string& message, bool later);
    void timerFired(TimerId id);
    void areaResized();
    void horizontalScrolled(int position);
    void verticalScrolled(int position);
    void scrolled(double viewLeft, double viewTop);
    void syncScrollBars();
    void refreshEditMenu();
    void refreshToggleItems();
    void refreshHeldGlyphs();
    void enterNoDocumentState(bool on);
    void heldButtonPressed(HeldButton b, QToolButton* button);
    void heldButtonMoved(const QPoint& globalPos);
    void heldButtonReleased();
    void askRgbColour();
    QMenu* buildMenu(const Menu& menu);
    QAction* addItem(QMenu* menu, const MenuItem& item);

    document::DocumentSet documents_;
    std::unique_ptr<DocumentWindow> commandsWindow_;
    std::unique_ptr<DocumentCommands> commands_;
    std::unique_ptr<DocumentView> view_;
    std::unique_ptr<Editor> editor_;
    std::unique_ptr<PopupPanels> panels_;
    bool small_ = false;

    QWidget* client_ = nullptr;
    ToolBar* mainBar_ = nullptr;
    ToolBar* editBar_ = nullptr;
    DrawingArea* area_ = nullptr;
    QScrollBar* hBar_ = nullptr;
    QScrollBar* vBar_ = nullptr;
    QComboBox* documentBox_ = nullptr;
    std::array<QLabel*, 3> statusPanels_{};
    PopupPanelWidget* panelWidget_ = nullptr;
    QToolButton* heldButton_ = nullptr;

    std::map<std::string, QToolButton*, std::less<>> buttons_;
    std::vector<std::pair<const ToolButtonEntry*, QToolButton*>> buttonEntries_;
    std::vector<QAction*> allActions_;
    std::vector<std::pair<QAction*, EditRule>> editActions_;
    std::map<Command, QAction*> commandActions_;
    std::vector<QMenu*> menus_; // the nine menus in order
    QMenu* editMenu_ = nullptr;
    QMenu* documentMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QActionGroup* documentGroup_ = nullptr;
    std::vector<QAction*> documentEntries_;

    std::array<QTimer*, 5> timers_{};
    std::array<std::optional<QCursor>, 25> cursors_{};
    std::string statusText_;
    std::string openError_;
    bool syncingBars_ = false;
    bool noDocument_ = false;
    bool fullScreen_ = false;
    QRect normalRect_;
    Qt::WindowStates stateBeforeFullScreen_;

    RecoveryKeeper* recovery_ = nullptr;
    QStringList pendingPaths_;
    AnimationWindow* animation_ = nullptr;
    StepWindow* steps_ = nullptr;
    ConstructionListWindow* list_ = nullptr;
    std::unique_ptr<MacroTools> macroTools_;
    MacroWindow* macros_ = nullptr;
};

} // namespace zeva::ui
