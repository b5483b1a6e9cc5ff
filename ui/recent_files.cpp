#include "ui/recent_files.h"

#include "document/document.h"
#include "ui/ui_text.h"

#include <QSettings>

#include <algorithm>

namespace zeva::ui {

namespace {

const QString kRecentGroup = QStringLiteral("Recent Files");
const QString kLastDirKey = QStringLiteral("Last Dir/Default");

QString valueName(int i) {
    return QStringLiteral("File%1").arg(i);
}

} // namespace

std::string RecentFiles::caption(int i) const {
    if (i < 0 || i >= static_cast<int>(paths_.size())) return {};
    return "&" + std::to_string(i) + " " + paths_[static_cast<size_t>(i)];
}

void RecentFiles::add(const std::string& path) {
    if (path.empty()) return;
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > static_cast<size_t>(kRecentFileCount)) paths_.resize(kRecentFileCount);
}

void RecentFiles::fileChosen(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return;
    std::string folder = path.substr(0, slash == 0 ? 1 : slash);
    if (folder.size() > document::kMaxFileNameLength) return;
    lastFolder_ = std::move(folder);
}

void RecentFiles::load(QSettings& store) {
    paths_.clear();
    store.beginGroup(kRecentGroup);
    for (int i = kRecentFileCount - 1; i >= 0; --i) {
        const QString path = store.value(valueName(i)).toString();
        if (!path.isEmpty()) add(utf8Text(path));
    }
    store.endGroup();
    lastFolder_ = utf8Text(store.value(kLastDirKey).toString());
}

void RecentFiles::save(QSettings& store) const {
    store.remove(kRecentGroup);
    if (!paths_.empty()) {
        store.beginGroup(kRecentGroup);
        for (size_t i = 0; i < paths_.size(); ++i)
            store.setValue(valueName(static_cast<int>(i)), qtText(paths_[i]));
        store.endGroup();
    }
    if (!lastFolder_.empty()) store.setValue(kLastDirKey, qtText(lastFolder_));
    store.sync();
}

void loadRecentFiles(RecentFiles& recent) {
    QSettings store(QStringLiteral("ZEVA"), QStringLiteral("ZEVA3"));
    recent.load(store);
}

void saveRecentFiles(const RecentFiles& recent) {
    QSettings store(QStringLiteral("ZEVA"), QStringLiteral("ZEVA3"));
    recent.save(store);
}

} // namespace zeva::ui
