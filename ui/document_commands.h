#pragma once
// The File, Edit-clipboard and Document menu commands of the main window beyond opening, saving
// and closing: recent files, the figure and picture clipboard, printing and export, and the
// documents list. The window owns one of these beside its Editor, calls one function per menu
// item, and shows what changed when asked through DocumentWindow.

#include "document/document_set.h"
#include "ui/documents_logic.h"
#include "ui/figure_clipboard.h"
#include "ui/recent_files.h"

#include <QPrinter>
#include <QString>

#include <memory>
#include <optional>
#include <string>

class QMenu;
class QWidget;

namespace zeva::ui {

class DocumentView;
class Editor;

// What the commands need from the main window.
class DocumentWindow {
  public:
    virtual ~DocumentWindow() = default;
    // The parent of the dialogs and message boxes.
    virtual QWidget* windowWidget() = 0;
    // The view of the current document.
    virtual DocumentView& documentView() = 0;
    // The current document changed, or none is left (the grey area, menus and panels hidden):
    // show it, with the caption, the Document menu and the document box.
    virtual void documentChanged() = 0;
    // The current document's figure changed: draw it again and repaint.
    virtual void redrawAndRepaint() = 0;
    // d is about to close: the view, the tool state and the tool windows let go of it.
    virtual void documentClosing(document::Document& d) = 0;
    // Opens a file as "&Abrir..." does (a recent entry).
    virtual bool openDocument(const QString& path) = 0;
};

class DocumentCommands : public DocumentsHost {
  public:
    // Reads the recent files and the last folder from the settings store.
    DocumentCommands(DocumentWindow& window, document::DocumentSet& set, Editor& editor);
    ~DocumentCommands() override;

    DocumentsLogic& logic() { return logic_; }
    RecentFiles& recentFiles() { return recent_; }
    FigureClipboard& clipboard() { return clipboard_; }
    QPrinter& printer() { return *printer_; }

    // ---- File menu ----
    void exportDrawing();                // "Exportar dibujo..."
    void print();                        // "Imprimir..."
    void printerSetUp();                 // "Configurar Impresión..."
    void clearRecentFiles();             // "Eliminar lista de recientes"
    // A file was opened or saved under `path`: it goes first in the recent files.
    void fileOpened(const std::string& path);

    // ---- Edit menu ----
    void cut();
    void copy();
    void paste();
    void deleteSelection();              // "Borrar"
    void selectAll();
    void copyPicture();                  // "Copiar al portapapeles"
    void pastePicture();                 // "Pegar imagen"
    bool hasSelection() const;
    bool canPaste() const { return clipboard_.canPaste(); }
    bool canPastePicture() const;

    // ---- Document menu ----
    void showDocumentsList();            // "Lista documentos..." (F11)

    // The "Abrir recientes" sub-menu: "&0 path" .. "&9 path", or the disabled empty-list entry.
    void fillRecentMenu(QMenu& menu);

    // DocumentsHost
    SaveAnswer askSaveChanges(const document::Document& d) override;
    std::optional<std::string> askSavePath(const std::string& fileName) override;
    void showMessage(MessageIcon icon, const std::string& text) override;
    void documentClosing(document::Document& d) override { window_.documentClosing(d); }

  private:
    document::Document* current() const { return set_.current(); }
    void resetTool();
    // Clears the selection and redraws, so no highlight reaches a picture.
    void drawWithoutSelection();
    void forgetExportRegion();
    void remember(); // writes the recent files and the last folder

    DocumentWindow& window_;
    document::DocumentSet& set_;
    Editor& editor_;
    RecentFiles recent_;
    FigureClipboard clipboard_;
    DocumentsLogic logic_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace zeva::ui
