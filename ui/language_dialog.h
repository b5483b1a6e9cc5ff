#pragma once
// The language chooser (TV_selidioma, "ZEVA - Language") and the two places that use it: the
// settings at start (first start included) and "Idioma...".

#include "settings/language_choice.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/program_folders.h"

#include <QDialog>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace zeva::ui {

class LanguageDialog : public QDialog {
    Q_OBJECT
  public:
    // Lists the names (already sorted) with `current` selected when it is among them.
    LanguageDialog(const std::vector<std::string>& names, const std::string& current,
                   QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }
    // The selected name; none when nothing is selected.
    std::optional<std::string> choice() const;

  private:
    QListWidget* list_ = nullptr;
};

// Runs the chooser: the name chosen with "OK", none otherwise.
std::optional<std::string> askLanguage(QWidget* parent, const std::vector<std::string>& names,
                                       const std::string& current);

// The settings at start, before the main window shows: the options file read (at the first
// start: the defaults, the language asked for and the file written), the language applied and
// the options kept in the settings store read. With no language file anywhere it explains so in
// a message and goes on with the built-in Spanish texts: it never ends the program.
settings::StartupOutcome startUpSettings(QWidget* parent, settings::Options& options,
                                         settings::TextTable& table,
                                         const std::filesystem::path& optionsFile,
                                         const std::vector<std::filesystem::path>& dataFolders);

// "Idioma...": the chooser, then the chosen language applied to the table and remembered in the
// options. With no language files it says so and changes nothing. True when the texts changed:
// the window then calls applyInterfaceTexts (interface_texts.h) and refreshes what it shows.
bool runLanguageCommand(QWidget* parent, settings::Options& options, settings::TextTable& table,
                        const std::vector<std::filesystem::path>& dataFolders);

} // namespace zeva::ui
