#include "ui/program_folders.h"

#include "settings/data_folders.h"
#include "ui/ui_text.h"

#include <QCoreApplication>

namespace zeva::ui {

std::vector<std::filesystem::path> programDataFolders() {
    const QString dir = QCoreApplication::applicationDirPath();
    return settings::dataFolders(std::filesystem::path(utf8Text(dir)));
}

} // namespace zeva::ui
