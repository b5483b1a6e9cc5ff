#pragma once
// "Aspecto de los elementos..." (TOp_aspecto): the class groups in a list, the colour and shape
// buttons of the chosen group, and a sample drawn as new elements will look.

#include "settings/options.h"
#include "ui/appearance_logic.h"

#include <QDialog>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QToolButton;

namespace zeva::ui {

class AppearanceDialog : public QDialog {
    Q_OBJECT
  public:
    AppearanceDialog(settings::Options& options, int32_t background, QWidget* parent = nullptr);

    QComboBox* groups() const { return groups_; }
    QAbstractButton* colourButton(int i) const;
    // The shape buttons of the chosen group (hidden ones are not in use).
    QAbstractButton* shapeButton(int i) const;
    QLabel* preview() const { return preview_; }
    const AppearanceSession& session() const { return session_; }

  public slots:
    void accept() override;

  private:
    void groupChosen(int group);
    void showGroup();
    void showPreview();

    settings::Options& options_;
    int32_t background_;
    AppearanceSession session_;
    QComboBox* groups_ = nullptr;
    QButtonGroup* colours_ = nullptr;
    QButtonGroup* shapes_ = nullptr;
    std::array<QToolButton*, 4> shapeButtons_{};
    QLabel* preview_ = nullptr;
};

// "Aspecto de los elementos...": runs the dialog on the options, the sample drawn on the current
// document's background; true when closed with "OK".
bool runAppearanceOptions(QWidget* parent, settings::Options& options, int32_t background);

} // namespace zeva::ui
