#include "ui/documents_logic.h"

#include "settings/text_table.h"

namespace zeva::ui {

namespace {

const std::string& message(int slot) {
    return settings::texts().message(slot);
}

} // namespace

document::Document* DocumentsLogic::newDocument() {
    document::Document* d = set_.newDocument();
    if (!d) host_.showMessage(MessageIcon::Error, message(settings::kMsgTooManyDocuments));
    return d;
}

bool DocumentsLogic::open(const std::string& path) {
    const document::OpenResult result = set_.open(path);
    switch (result.status) {
    case document::OpenStatus::Opened:
    case document::OpenStatus::AlreadyOpen:
    case document::OpenStatus::MacroLoaded:
        if (result.addToRecentFiles) recent_.add(path);
        return true;
    case document::OpenStatus::NotValid:
        host_.showMessage(MessageIcon::Error, message(settings::kMsgInvalidFile));
        return false;
    case document::OpenStatus::TooManyDocuments:
        host_.showMessage(MessageIcon::Error, message(settings::kMsgTooManyDocuments));
        return false;
    }
    return false;
}

bool DocumentsLogic::save(document::Document& d) {
    if (set_.save(d) == document::SaveStatus::Saved) {
        recent_.add(d.fileName);
        return true;
    }
    return saveAs(d);
}

bool DocumentsLogic::saveAs(document::Document& d) {
    const std::optional<std::string> path = host_.askSavePath(proposedFileName(d));
    if (!path || path->empty()) return false;
    recent_.fileChosen(*path);
    if (set_.saveAs(d, *path) != document::SaveStatus::Saved) {
        host_.showMessage(MessageIcon::Warning, message(settings::kMsgWriteError));
        return false;
    }
    recent_.add(*path);
    return true;
}

bool DocumentsLogic::close(document::Document& d) {
    if (d.modified) {
        switch (host_.askSaveChanges(d)) {
        case SaveAnswer::Cancel:
            return false;
        case SaveAnswer::Yes:
            if (!save(d)) return false;
            break;
        case SaveAnswer::No:
            break;
        }
    }
    host_.documentClosing(d);
    set_.close(&d);
    return true;
}

bool DocumentsLogic::closeCurrent() {
    document::Document* d = set_.current();
    return d && close(*d);
}

bool DocumentsLogic::closeAll() {
    while (document::Document* d = set_.current())
        if (!close(*d)) return false;
    return true;
}

std::string DocumentsLogic::windowCaption() const {
    std::string caption = "ZEVA";
    if (const document::Document* d = set_.current()) caption += " - " + document::captionOf(*d);
    return caption;
}

std::string DocumentsLogic::proposedFileName(const document::Document& d) {
    return document::captionOf(d);
}

} // namespace zeva::ui
