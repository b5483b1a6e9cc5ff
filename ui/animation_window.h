#pragma once
// The animation window (TV_animac): the document's animation entries, and per entry whether it
// plays, its direction and its speed; a pause for everything. It owns the clock thread, which
// runs while the window is shown, has entries and is not paused.

#include "model/construction.h"
#include "platform/animation_clock.h"
#include "ui/session.h"

#include <QDialog>

#include <memory>
#include <vector>

class QComboBox;
class QLineEdit;
class QSlider;
class QToolButton;

namespace zeva::ui {

class AnimationWindow : public QDialog {
    Q_OBJECT
  public:
    // The clock waits on `ticks` (30 ms in the program) and hands its steps to this window's
    // thread through `post` (queued calls on this window when none is given).
    explicit AnimationWindow(Session& session, QWidget* mainWindow = nullptr,
                             std::unique_ptr<platform::TickSource> ticks = nullptr,
                             platform::AnimationClock::Post post = nullptr);
    ~AnimationWindow() override;

    // "Animación": the animation tool becomes the active tool, the undo snapshot is taken,
    // entries that can no longer move are dropped, and the window is shown over the status bar.
    void start();
    // The animation tool picked e (already in the list): it becomes the current entry.
    void elementPicked(model::Element& e);
    // Choosing another tool, the move-screen dialog or a closing document: hidden, clock
    // suspended.
    void stopAndHide();
    // The entries of the current document shown again (after an undo or a document switch).
    void refresh();

    // One tick of the clock (run on the window thread): a step unless paused or hidden.
    void runStep();

    bool paused() const;
    platform::AnimationClock& clock() { return *clock_; }
    model::Element* currentElement() const { return current_; }

  protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    model::AnimationEntry* selectedEntry();
    void markModified();
    void showEntry(int index);
    void setSpeed(int speed);
    void speedTyped(const QString& text);
    void resumeIfDue();
    bool listChangedElsewhere() const;

    Session& session_;
    QWidget* mainWindow_;
    std::unique_ptr<platform::AnimationClock> clock_;
    model::Element* current_ = nullptr;
    std::vector<model::Element*> shown_; // the elements of the combo box's lines
    bool closing_ = false;

    QComboBox* list_ = nullptr;      // CB
    QToolButton* play_ = nullptr;    // B_play
    QToolButton* reverse_ = nullptr; // B_sentido
    QToolButton* pause_ = nullptr;   // B_pausa
    QToolButton* remove_ = nullptr;  // B_stop
    QSlider* speed_ = nullptr;       // TB
    QLineEdit* speedEdit_ = nullptr; // Ed_vel
};

} // namespace zeva::ui
