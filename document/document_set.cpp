#include "document/document_set.h"

#include "document/document_file.h"
#include "settings/text_table.h"

namespace zeva::document {

std::string captionOf(const Document& d) {
    if (!d.fileName.empty()) return bareFileName(d.fileName);
    return settings::texts().message(settings::kMsgDocument) + " " + std::to_string(d.number);
}

Document* DocumentSet::current() const {
    if (current_ < 0 || current_ >= count()) return nullptr;
    return documents_[static_cast<size_t>(current_)].get();
}

void DocumentSet::setCurrent(int index) {
    if (index >= 0 && index < count()) current_ = index;
}

int DocumentSet::indexOf(const Document* d) const {
    for (int i = 0; i < count(); ++i)
        if (documents_[static_cast<size_t>(i)].get() == d) return i;
    return -1;
}

Document* DocumentSet::adopt(std::unique_ptr<Document> d) {
    documents_.push_back(std::move(d));
    current_ = count() - 1;
    return documents_.back().get();
}

Document* DocumentSet::newDocument() {
    if (count() >= kMaxOpenDocuments) return nullptr;
    if (documents_.empty()) counter_ = 0;
    auto d = std::make_unique<Document>(document::newDocument(environment));
    d->number = ++counter_;
    return adopt(std::move(d));
}

void DocumentSet::close(Document* d) {
    const int i = indexOf(d);
    if (i < 0) return;
    if (changesSettled) changesSettled(*d);
    documents_.erase(documents_.begin() + i);
    current_ = count() - 1;
}

void DocumentSet::next() {
    if (!documents_.empty()) current_ = (current_ + 1) % count();
}

void DocumentSet::previous() {
    if (!documents_.empty()) current_ = (current_ + count() - 1) % count();
}

void DocumentSet::startPasteCounts(const Document& source) {
    for (auto& d : documents_)
        d->pasteCount = d.get() == &source ? 1 : 0;
}

Document* DocumentSet::findByPath(const std::string& path) const {
    for (const auto& d : documents_)
        if (!d->fileName.empty() && d->fileName == path) return d.get();
    return nullptr;
}

OpenResult DocumentSet::open(const std::string& path) {
    OpenResult result;
    const FileType type = probeFileType(path);
    if (type == FileType::Invalid) return result;

    ReadSettings settings;
    settings.textFont = environment.textFont;
    if (type == FileType::Document) {
        if (count() >= kMaxOpenDocuments) {
            result.status = OpenStatus::TooManyDocuments;
            return result;
        }
        if (Document* open = findByPath(path)) {
            setCurrent(indexOf(open));
            return {OpenStatus::AlreadyOpen, open, true};
        }
        ReadResult read = readFile(path, ReadMode::Any, settings);
        auto* file = std::get_if<LoadedFile>(&read);
        // The probe said document; a file changed since then counts as invalid too.
        if (!file || file->type != FileType::Document) return result;
        auto d = std::make_unique<Document>(document::newDocument(environment));
        installDocumentFile(*d, std::move(*file), environment);
        d->fileName = path;
        return {OpenStatus::Opened, adopt(std::move(d)), true};
    }

    Document* target = current();
    settings.existingMacros = target ? static_cast<int>(target->macros.size()) : 0;
    ReadResult read = readFile(path, ReadMode::MacroOnly, settings);
    auto* file = std::get_if<LoadedFile>(&read);
    if (!file) return result;
    if (!target) target = newDocument();
    installMacroFile(*target, std::move(*file));
    return {OpenStatus::MacroLoaded, target, false};
}

bool DocumentSet::loadMacroFile(Document& d, const std::string& path) {
    ReadSettings settings;
    settings.textFont = environment.textFont;
    settings.existingMacros = static_cast<int>(d.macros.size());
    ReadResult read = readFile(path, ReadMode::MacroOnly, settings);
    auto* file = std::get_if<LoadedFile>(&read);
    if (!file) return false;
    installMacroFile(d, std::move(*file));
    return true;
}

SaveStatus DocumentSet::save(Document& d) {
    if (d.fileName.empty() || !writeDocumentFile(d, d.fileName)) return SaveStatus::NeedsName;
    d.modified = 0;
    if (changesSettled) changesSettled(d);
    return SaveStatus::Saved;
}

SaveStatus DocumentSet::saveAs(Document& d, const std::string& path) {
    if (!writeDocumentFile(d, path)) return SaveStatus::WriteError;
    d.fileName = path;
    d.modified = 0;
    if (changesSettled) changesSettled(d);
    return SaveStatus::Saved;
}

Document* DocumentSet::restore(LoadedFile&& file, const std::string& originalPath) {
    if (count() >= kMaxOpenDocuments) return nullptr;
    auto d = std::make_unique<Document>(document::newDocument(environment));
    installDocumentFile(*d, std::move(file), environment);
    d->fileName = originalPath;
    if (originalPath.empty()) {
        if (documents_.empty()) counter_ = 0;
        d->number = ++counter_;
    }
    markModified(*d);
    return adopt(std::move(d));
}

} // namespace zeva::document
