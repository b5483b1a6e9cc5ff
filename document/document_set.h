#pragma once
// The open documents (at most 99, in opening order) with the current one, and the open and save
// commands that act on them. Dialogs, menus and messages belong to the window; these answer
// what happened so it can show them.

#include "document/document.h"
#include "document/document_load.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zeva::document {

enum class OpenStatus {
    Opened,           // a document file is now the current document
    AlreadyOpen,      // a document with exactly that path was open; it is now current
    MacroLoaded,      // a macro file went into the current document's next macro slot
    NotValid,         // "no es un archivo válido"; nothing changed
    TooManyDocuments, // "Existen muchos documentos abiertos"; nothing changed
};

struct OpenResult {
    OpenStatus status = OpenStatus::NotValid;
    Document* document = nullptr; // the document shown afterwards (none when nothing changed)
    bool addToRecentFiles = false;
};

enum class SaveStatus {
    Saved,      // written; `modified` cleared; the path belongs in the recent files
    NeedsName,  // "&Guardar" of a document without a path, or whose write failed: ask a name
    WriteError, // "error de escritura"; the old file and the document's path are untouched
};

// A document's caption in menus, lists and the window title: its bare file name, or "Documento"
// (the text table's word) and its running number while it was never saved.
std::string captionOf(const Document& d);

class DocumentSet {
  public:
    DocumentEnvironment environment;

    const std::vector<std::unique_ptr<Document>>& documents() const { return documents_; }
    int count() const { return static_cast<int>(documents_.size()); }
    Document* current() const;
    int currentIndex() const { return current_; }
    // Makes the document at that position current (ignored when out of range).
    void setCurrent(int index);
    int indexOf(const Document* d) const;

    // "&Nuevo": a new empty document, made current and numbered ("Documento" 1, 2, ...); the
    // numbering restarts when none is open. None when 99 are open.
    Document* newDocument();

    // Removes the document (history, macros and all); the last one left becomes current.
    void close(Document* d);

    // "&Siguiente" and "&Anterior": the document after (before) the current one becomes
    // current; after the last comes the first, before the first the last.
    void next();
    void previous();

    // A copy was taken from `source`: its next paste goes one step further, the first paste
    // into any other document keeps the place relative to the view corner.
    void startPasteCounts(const Document& source);

    // The open document whose path is exactly `path` (case-sensitive), or none.
    Document* findByPath(const std::string& path) const;

    // "&Abrir..." after a file was chosen.
    OpenResult open(const std::string& path);

    // "Cargar macros" from a file: only a macro file is accepted, into d's next free slot.
    bool loadMacroFile(Document& d, const std::string& path);

    // "&Guardar" and "Guardar Como...".
    SaveStatus save(Document& d);
    SaveStatus saveAs(Document& d, const std::string& path);

    // A document brought back from a recovery copy: new, current, marked modified, with the
    // path of its own file (empty for one never saved, which gets the next number). None when
    // 99 are open.
    Document* restore(LoadedFile&& file, const std::string& originalPath);

    // Called when a document's changes no longer need a recovery copy: it was saved, or it is
    // being closed (before it goes).
    std::function<void(const Document&)> changesSettled;

  private:
    Document* adopt(std::unique_ptr<Document> d);

    std::vector<std::unique_ptr<Document>> documents_;
    int current_ = -1;
    int counter_ = 0;
};

} // namespace zeva::document
