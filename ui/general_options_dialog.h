#pragma once
// "Opciones generales" (TOp_general): three pages of edits, lists, check boxes and colour
// swatches over GeneralOptionsSession, which holds the rules.

#include "document/document.h"
#include "settings/options.h"
#include "ui/general_options_logic.h"
#include "ui/options_hooks.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;
class QToolButton;

namespace zeva::ui {

class GeneralOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    GeneralOptionsDialog(settings::Options& options, document::Document* document,
                         int screenWidth, OptionsHooks hooks, QWidget* parent = nullptr);

    QLineEdit* edit(GeneralOptionsField field) const { return edits_[size_t(field)]; }
    QTabWidget* pages() const { return pages_; }
    QToolButton* backgroundSwatch() const { return backgroundSwatch_; }
    QCheckBox* smoothDrawingBox() const { return smooth_; }
    // The form as the controls now show it.
    GeneralOptionsForm form() const;
    // Takes a colour for a swatch as if chosen in the colour dialog.
    void chooseBackground(int32_t color);
    void chooseHidden(int32_t color);
    void chooseSelection(int32_t color);

  public slots:
    void accept() override;
    void reject() override;

  private:
    QToolButton* makeSwatch(QWidget* parent);
    void showSwatches();
    void pickColour(QToolButton* swatch);
    void redraw();

    GeneralOptionsSession session_;
    OptionsHooks hooks_;
    QTabWidget* pages_ = nullptr;
    std::array<QLineEdit*, kGeneralOptionsFieldCount> edits_{};
    QComboBox* lengthUnit_ = nullptr;
    QComboBox* angleUnit_ = nullptr;
    QComboBox* coordSystem_ = nullptr;
    QCheckBox* adaptCursor_ = nullptr;
    QCheckBox* hideIntermediate_ = nullptr;
    QCheckBox* smooth_ = nullptr;
    QToolButton* backgroundSwatch_ = nullptr;
    QToolButton* hiddenSwatch_ = nullptr;
    QToolButton* selectionSwatch_ = nullptr;
};

// "Opciones generales...": runs the dialog; true when it was closed with "OK".
bool runGeneralOptions(QWidget* parent, settings::Options& options, document::Document* current,
                       const document::ScreenSize& screen, const OptionsHooks& hooks);

} // namespace zeva::ui
