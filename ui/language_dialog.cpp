#include "ui/language_dialog.h"

#include "platform/drawing_settings.h"
#include "settings/data_folders.h"
#include "settings/program_texts.h"
#include "ui/ui_text.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva::ui {

namespace {

// "No se encuentran ficheros de lenguaje", with why the program goes on in Spanish, in both
// languages: whoever reads it may read only one.
void tellNoLanguageFiles(QWidget* parent, const settings::TextTable& table) {
    const QString text = qtText(table.message(settings::kMsgNoLanguageFiles)) +
                         QStringLiteral("\n\n") +
                         qtText(settings::programTexts(true).builtInLanguage) +
                         QStringLiteral("\n\n") +
                         qtText(settings::programTexts(false).builtInLanguage);
    QMessageBox::information(parent, QStringLiteral("ZEVA"), text);
}

} // namespace

LanguageDialog::LanguageDialog(const std::vector<std::string>& names, const std::string& current,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TV_selidioma"));
    setWindowTitle(qtText(settings::kLanguageChooserCaption));
    list_ = new QListWidget(this);
    for (const std::string& name : names) {
        list_->addItem(qtText(name));
        if (name == current) list_->setCurrentRow(list_->count() - 1);
    }
    if (list_->currentRow() < 0 && list_->count() > 0) list_->setCurrentRow(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    list_->setFocus();
}

std::optional<std::string> LanguageDialog::choice() const {
    const QListWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) return std::nullopt;
    return utf8Text(item->text());
}

std::optional<std::string> askLanguage(QWidget* parent, const std::vector<std::string>& names,
                                       const std::string& current) {
    LanguageDialog dialog(names, current, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

settings::StartupOutcome startUpSettings(QWidget* parent, settings::Options& options,
                                         settings::TextTable& table,
                                         const std::filesystem::path& optionsFile,
                                         const std::vector<std::filesystem::path>& dataFolders) {
    const auto ask = [parent, &options](const std::vector<std::string>& names) {
        return askLanguage(parent, names, options.languageFile);
    };
    const settings::StartupOutcome outcome = settings::startUpSettings(
        optionsFile, settings::languageFolders(dataFolders), options, table, ask);
    if (outcome.noLanguageFiles) tellNoLanguageFiles(parent, table);
    options.smoothDrawing = platform::readSmoothDrawing() ? 1 : 0;
    return outcome;
}

bool runLanguageCommand(QWidget* parent, settings::Options& options, settings::TextTable& table,
                        const std::vector<std::filesystem::path>& dataFolders) {
    const auto ask = [parent, &options](const std::vector<std::string>& names) {
        return askLanguage(parent, names, options.languageFile);
    };
    const settings::LanguageCommandOutcome outcome =
        settings::chooseLanguage(settings::languageFolders(dataFolders), options, table, ask);
    switch (outcome) {
    case settings::LanguageCommandOutcome::NoLanguageFiles:
        QMessageBox::information(parent, QStringLiteral("ZEVA"),
                                 qtText(table.message(settings::kMsgNoLanguageFiles)));
        return false;
    case settings::LanguageCommandOutcome::Cancelled:
    case settings::LanguageCommandOutcome::Unreadable:
        return false;
    case settings::LanguageCommandOutcome::Applied:
        return true;
    }
    return false;
}

} // namespace zeva::ui
