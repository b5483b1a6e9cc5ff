#pragma once
// The point-by-coordinates window (TV_puncoord): "(" x "," y ")" typed as expressions, in
// rectangular or polar coordinates; "Representar" or Enter makes the plotted point (or moves
// the one the window was opened on), then empties both fields for the next point. Esc closes.

#include "ui/point_coordinates_logic.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace zeva::ui {

class PointCoordinatesWindow : public QDialog {
    Q_OBJECT
  public:
    PointCoordinatesWindow(Session& session, model::Element* plotted, model::Element* axes,
                           QWidget* mainWindow);

    void plot(); // "Representar"

    QLineEdit* firstField() const { return first_; }
    QLineEdit* secondField() const { return second_; }
    QRadioButton* polarButton() const { return polar_; }
    PointCoordinatesLogic& logic() { return logic_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showSystem();

    PointCoordinatesLogic logic_;
    QLineEdit* first_ = nullptr;          // Ed_cx
    QLineEdit* second_ = nullptr;         // Ed_cy
    QRadioButton* rectangular_ = nullptr; // RB_rec
    QRadioButton* polar_ = nullptr;       // RB_pol
    QLabel* closing_ = nullptr;           // ")" or "° )"
    bool firstChanged_ = false;
    bool secondChanged_ = false;
};

// Opens the window over `mainWindow` and returns at once (modal to the main window; it deletes
// itself when closed).
PointCoordinatesWindow* openPointCoordinatesWindow(QWidget* mainWindow, Session& s,
                                                   model::Element* plotted, model::Element* axes);

} // namespace zeva::ui
