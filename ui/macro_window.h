#pragma once
// The macro window (TMacCon, caption "Macros"): the document's macros with the description of
// the selected one, and the commands to make, apply, rename, delete, save and load macros. It
// also fills the "&Macros" menu. Its rules live in MacroTools; this only shows them.

#include "ui/macro_logic.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace zeva::ui {

class MacroWindow : public QDialog {
    Q_OBJECT
  public:
    explicit MacroWindow(MacroTools& tools, QWidget* mainWindow = nullptr);

    // The macro tool's button, or "Macros..." (Ctrl+M): the picks are stored and the window
    // shows the current document's macros.
    void openFromTool();
    // The current document changed, or its macros did: the list shown again.
    void refresh();

    MacroTools& tools() { return tools_; }

    // Host requests of the macro tools, passed on to MacroTools.
    void inputClicked(model::Element* hit, Point world) { tools_.inputClicked(hit, world); }
    void elementPicked(int tool, model::Element& e) { tools_.elementPicked(tool, e); }

    // Rebuilds the "&Macros" menu after its first item ("Macros..."): this document's macros
    // under their heading, then one sub-menu per other open document with macros; choosing a
    // macro applies it as OK in the window does.
    void fillMacrosMenu(QMenu& menu);

    // Asks for a file: the save dialog when `save`, the open dialog otherwise, starting with
    // `suggested`; none when cancelled. Tests replace it.
    std::function<std::optional<QString>(bool save, const QString& suggested)> chooseFile;
    // Asks for a macro name with `current` filled in; none when cancelled. Tests replace it.
    std::function<std::optional<QString>(const QString& current)> askName;

    int selectedIndex() const;
    void select(int index);
    QListWidget* list() const { return list_; }
    QPlainTextEdit* memo() const { return memo_; }

  protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    document::Document* document() const { return tools_.session().document(); }
    void showSelection();
    void storeMemo();
    void complete();
    void apply();
    void rename();
    void remove();
    void save();
    void showLoadMenu();
    void loadFromFile();
    void copyFrom(document::Document* from, int index);
    void applyFrom(document::Document* from, int index);
    void refreshCaption();
    void showStates();

    MacroTools& tools_;
    int shownIndex_ = -1; // the macro whose description the memo shows

    QPushButton* initial_ = nullptr;  // B_eini
    QPushButton* final_ = nullptr;    // B_efin
    QPushButton* complete_ = nullptr; // B_comp
    QListWidget* list_ = nullptr;     // ListBox1
    QPlainTextEdit* memo_ = nullptr;  // Memo1
    QPushButton* apply_ = nullptr;    // B_activar
    QPushButton* close_ = nullptr;    // B_no
    QPushButton* save_ = nullptr;     // B_guarmac
    QPushButton* load_ = nullptr;     // B_carmac
    QPushButton* rename_ = nullptr;   // B_nombre
    QPushButton* delete_ = nullptr;   // B_eliminar
    QPushButton* help_ = nullptr;     // B_ayuda
};

} // namespace zeva::ui
