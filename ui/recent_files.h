#pragma once
// The recently opened files (ten, most recent first, one entry per path) and the folder the
// open and save dialogs start in. Both persist in the settings store: "Recent Files" with the
// values File0 (the most recent) .. File9, and "Last Dir" whose Default value is the folder.

#include <string>
#include <vector>

class QSettings;

namespace zeva::ui {

inline constexpr int kRecentFileCount = 10;

class RecentFiles {
  public:
    // Most recent first; at most ten.
    const std::vector<std::string>& paths() const { return paths_; }
    // "&0 /home/ana/a.KDO": the menu caption of entry i.
    std::string caption(int i) const;

    // After a successful open or save: the path goes first, an equal entry (compared exactly)
    // leaves its old place, and the eleventh entry drops off.
    void add(const std::string& path);
    // "Eliminar lista de recientes".
    void clear() { paths_.clear(); }

    // The folder the file dialogs start in (empty: the process's current folder).
    const std::string& lastFolder() const { return lastFolder_; }
    // A file was chosen in a dialog: its folder is the next start.
    void fileChosen(const std::string& path);

    // Reads the entries File9 .. File0 that exist and the last folder; missing ones are skipped.
    void load(QSettings& store);
    // Writes File0.. for the used entries (and removes the old list first, so a cleared list
    // stays cleared) and the last folder.
    void save(QSettings& store) const;

  private:
    std::vector<std::string> paths_;
    std::string lastFolder_;
};

// The program's settings store (organisation "ZEVA", application "ZEVA3").
void loadRecentFiles(RecentFiles& recent);
void saveRecentFiles(const RecentFiles& recent);

} // namespace zeva::ui
