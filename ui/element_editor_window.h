#pragma once
// The element editor (TEdit_elem): name, visibility, colour (fixed, any, parametric), shape,
// decimals, text style, unit and the settings of a few kinds, for one element. Every button
// shows its change in the figure at once; "OK" keeps the edit as one undo step, "Cancel", Esc
// and the close box put the element back as it was.

#include "ui/element_editor_logic.h"

#include <QDialog>

#include <vector>

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QToolButton;

namespace zeva::ui {

class ElementEditorWindow : public QDialog {
    Q_OBJECT
  public:
    ElementEditorWindow(Session& session, model::Element& element, QWidget* parent);

    ElementEditorLogic& logic() { return logic_; }
    QLineEdit* nameField() const { return name_; }
    QLineEdit* locusPointsField() const { return locusPoints_; }
    QLineEdit* intervalStartField() const { return intervalStart_; }
    QLineEdit* intervalEndField() const { return intervalEnd_; }
    QComboBox* decimalsBox() const { return decimals_; }
    // The buttons by their control names (Bnegro ... Bblanco, BPunor, Blinor, verelem, ...).
    QAbstractButton* button(const QString& name) const;

    void acceptEdit();      // "OK"
    void reject() override; // "Cancel", Esc, the close box

  private:
    void addColourButtons(QGridLayout* grid);
    void chooseOtherColour();
    void chooseFont();
    void unitClicked();
    void markColour();

    ElementEditorLogic logic_;
    bool finished_ = false;
    QLineEdit* name_ = nullptr;          // ed_nom
    QLineEdit* locusPoints_ = nullptr;   // Ed_npLG
    QLineEdit* intervalStart_ = nullptr; // Ed_exta
    QLineEdit* intervalEnd_ = nullptr;   // Ed_extb
    QComboBox* decimals_ = nullptr;      // CB_ndec
    QToolButton* unit_ = nullptr;        // Buni
    std::vector<QToolButton*> colours_;
};

// Opens the editor on `element` over `parent`, above the point `at` (global pixels; the
// cursor when none is given), and returns at once; it deletes itself when closed.
ElementEditorWindow* openElementEditorWindow(QWidget* parent, Session& s, model::Element& element,
                                             std::optional<QPoint> at = std::nullopt);

} // namespace zeva::ui
