#pragma once
// The File and Document menu commands on the open documents, without widgets: new, open, save,
// save as, close with the save prompt, close all, leaving, next and previous. The window answers
// the prompts and dialogs through DocumentsHost and shows the outcome (caption, menu entries,
// the document combo box, the grey area when no document is left).

#include "document/document_set.h"
#include "ui/host.h"
#include "ui/recent_files.h"

#include <optional>
#include <string>

namespace zeva::ui {

enum class SaveAnswer { Yes, No, Cancel };

class DocumentsHost {
  public:
    virtual ~DocumentsHost() = default;
    // "Guardar los cambios realizados al documento" with Yes, No and Cancel, captioned
    // "Cerrar - " and the document's caption.
    virtual SaveAnswer askSaveChanges(const document::Document& d) = 0;
    // The save dialog of "Guardar Como..." proposing `fileName` in the last folder: the chosen
    // path, none when cancelled.
    virtual std::optional<std::string> askSavePath(const std::string& fileName) = 0;
    // A box captioned "ZEVA".
    virtual void showMessage(MessageIcon icon, const std::string& text) = 0;
    // d is about to be freed: nothing may point into it any more (the view, the tool state,
    // the tool windows).
    virtual void documentClosing(document::Document& d) { (void)d; }
};

class DocumentsLogic {
  public:
    DocumentsLogic(document::DocumentSet& set, RecentFiles& recent, DocumentsHost& host)
        : set_(set), recent_(recent), host_(host) {}

    document::DocumentSet& set() { return set_; }
    // No document is shown: the last one was closed. The window hides its menus and panels
    // and shows an empty grey area until "&Nuevo" or an open.
    bool noDocumentShown() const { return set_.count() == 0; }

    // "&Nuevo": none (after "Existen muchos documentos abiertos") when 99 are open.
    document::Document* newDocument();

    // "&Abrir...", a recent entry or a file given to the program. A document file becomes
    // current (the one already open with that path, if any); a macro file goes into the current
    // document. A file that cannot be read shows "no es un archivo válido" and changes nothing.
    bool open(const std::string& path);

    // "&Guardar": written to its file, or asked for a name when it has none or the write
    // failed. False when nothing was written (the document stays modified).
    bool save(document::Document& d);
    // "Guardar Como...": asks a name; a failed write says "error de escritura" and keeps the old
    // path. False when nothing was written.
    bool saveAs(document::Document& d);

    // Closes d, asking first when it is modified: Cancel keeps it, Yes saves it and keeps it
    // when the save did not happen, so no change is ever lost. True when it was closed.
    bool close(document::Document& d);
    // "Cerrar": the current document.
    bool closeCurrent();
    // "Cerrar todo" and leaving the program: closes the current document again and again;
    // the first one kept stops it. True when none is left.
    bool closeAll();

    // The window title: "ZEVA", then " - " and the current document's caption when one is
    // shown.
    std::string windowCaption() const;
    // The name proposed by the save dialogs: the bare file name, or the caption.
    static std::string proposedFileName(const document::Document& d);

  private:
    document::DocumentSet& set_;
    RecentFiles& recent_;
    DocumentsHost& host_;
};

} // namespace zeva::ui
