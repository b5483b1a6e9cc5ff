#pragma once
// The parameter window (TV_ed_param): the value of a Parámetro and its range, typed as
// expressions, and a track bar that slides the value through the range while the figure
// follows. Enter applies the typed fields, "OK" applies them and closes, Esc puts back what
// the window found and closes.

#include "ui/parameter_logic.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QSlider;

namespace zeva::ui {

class ParameterWindow : public QDialog {
    Q_OBJECT
  public:
    ParameterWindow(Session& session, model::Element& parameter, QWidget* mainWindow);

    // Applies the changed fields; false (after the message) when one does not evaluate.
    bool applyTyped(bool quietly);

    QLineEdit* field(ParameterLogic::Field f) const { return fields_[f]; }
    QSlider* trackBar() const { return track_; }
    ParameterLogic& logic() { return logic_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

  private:
    void showValues();

    ParameterLogic logic_;
    std::array<QLineEdit*, 3> fields_{};
    std::array<bool, 3> edited_{};
    QSlider* track_ = nullptr;
    bool showing_ = false;
};

// Opens the window of `parameter` over `mainWindow` and returns at once (the window is modal
// to the main window and deletes itself when closed).
ParameterWindow* openParameterWindow(QWidget* mainWindow, Session& s, model::Element& parameter);

} // namespace zeva::ui
