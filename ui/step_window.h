#pragma once
// "Paso a Paso..." (TPaP): the construction replayed step by step, and cut back to the step
// shown when the user keeps it.

#include "ui/step_playback.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>

class QLabel;
class QPushButton;
class QSlider;
class QToolButton;

namespace zeva::ui {

class StepWindow : public QDialog {
    Q_OBJECT
  public:
    explicit StepWindow(Session& session, QWidget* mainWindow = nullptr);

    // Opens the window at the first step, modal, at the bottom of the main window; with nothing
    // to show only the message "No hay elementos visibles" appears and false is answered.
    bool start();

    // "¿ Mantener la construcción en este paso ?" with Yes, No and Cancel. Tests answer it.
    std::function<QMessageBox::StandardButton()> askKeep;

    StepPlayback& playback() { return playback_; }

  protected:
    void done(int result) override;

  private:
    void display();
    void accepted();

    Session& session_;
    QWidget* mainWindow_;
    StepPlayback playback_;
    QLabel* text_ = nullptr;
    QSlider* track_ = nullptr;      // TB
    QToolButton* next_ = nullptr;   // B_Unoadel
    QPushButton* cancel_ = nullptr; // Cancelar
};

} // namespace zeva::ui
