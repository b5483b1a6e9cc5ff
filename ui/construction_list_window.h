#pragma once
// "Lista construcción " (TV_lista): every step of the construction, numbered, with what it was
// built from; the chosen step highlighted in the figure; the list copied as text.

#include "ui/construction_list_model.h"
#include "ui/session.h"

#include <QDialog>

class QListView;
class QToolButton;

namespace zeva::ui {

class ConstructionListWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ConstructionListWindow(Session& session, QWidget* mainWindow = nullptr);

    // Opens (or raises) the window: the list font and background apply, the list is rebuilt
    // from the current construction, nothing is selected. Until the user moves or resizes the
    // window it opens at the main window's right edge.
    void start();

    // The rows as "n. first: second", one line each, onto the clipboard.
    void copyToClipboard();

    ConstructionListModel& model() { return model_; }
    QListView* view() const { return view_; }
    // The element highlighted in the figure, none when nothing is chosen.
    model::Element* highlighted() const { return highlighted_; }

  protected:
    void done(int result) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void rebuild();
    void applyListLook();
    void rowChosen(int row);
    void highlight(model::Element* e);
    void chooseRow(int row);

    Session& session_;
    QWidget* mainWindow_;
    ConstructionListModel model_;
    ConstructionListDelegate* delegate_ = nullptr;
    QListView* view_ = nullptr;
    QToolButton* showHidden_ = nullptr; // B_vertodo
    model::Element* highlighted_ = nullptr;
    bool placing_ = false;
    bool placedByUser_ = false;
};

} // namespace zeva::ui
