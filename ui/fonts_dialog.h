#pragma once
// "Tipos de Letra..." (TOp_fon, "Selección de los Tipos de letra"): the four fonts in a list and
// a sample of the selected one on the document's background; clicking the sample, or Enter in
// the list, opens the font dialog.

#include "settings/options.h"
#include "ui/font_options_logic.h"

#include <QDialog>

#include <functional>
#include <optional>

class QListWidget;
class QPushButton;

namespace zeva::ui {

class FontsDialog : public QDialog {
    Q_OBJECT
  public:
    // Asks for a font given the current one: none when cancelled.
    using FontAsker = std::function<std::optional<model::ElementFont>(const model::ElementFont&)>;

    FontsDialog(settings::Options& options, int32_t background, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* sample() const { return sample_; }
    // The font dialog is replaced in tests.
    void setFontAsker(FontAsker asker) { ask_ = std::move(asker); }
    // Opens the font dialog on the selected font and keeps what it answers.
    void changeSelectedFont();

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showSample();

    FontOptionsSession session_;
    int32_t background_;
    QListWidget* list_ = nullptr;
    QPushButton* sample_ = nullptr;
    FontAsker ask_;
};

// "Tipos de Letra...": runs the dialog; true when closed with "OK" (Cancel puts the four fonts
// back as they were).
bool runFontOptions(QWidget* parent, settings::Options& options, int32_t background);

} // namespace zeva::ui
