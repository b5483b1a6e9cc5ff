// The commands of the "&Archivo" menu, the clipboard part of "&Edición" and the "&Documento"
// menu. Documents are created, opened, saved and closed through the document set; recent files,
// the clipboard, printing, picture export and the documents list through DocumentCommands.
#include "ui/file_commands.h"

#include "edit/delete.h"
#include "edit/edit.h"
#include "settings/text_table.h"
#include "ui/animation_window.h"
#include "ui/construction_list_window.h"
#include "ui/document_commands.h"
#include "ui/interface_texts.h"
#include "ui/main_window.h"
#include "ui/tool_selection.h"
#include "ui/ui_text.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace zeva::ui {

namespace {

// A menu caption without its mnemonic and dots, to name the command in a notice.
QString commandName(int key) {
    QString s = captionOfKey(key);
    s.remove(QLatin1Char('&'));
    while (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s.trimmed();
}

QString documentFilters() {
    return captionOfKey(windowText::DocumentFilter) + QStringLiteral(";;") +
           captionOfKey(windowText::MacroFilter) + QStringLiteral(";;") +
           captionOfKey(windowText::AllFilesFilter);
}

// Choosing a file in a dialog makes its folder the current one, where the next dialog starts.
void rememberFolder(const QString& path) {
    QDir::setCurrent(QFileInfo(path).absolutePath());
}

void switchBy(MainWindow& w, int step) {
    document::DocumentSet& set = w.documentSet();
    const int n = set.count();
    if (n < 2) return;
    const int next = ((set.currentIndex() + step) % n + n) % n;
    w.showDocument(set.documents()[size_t(next)].get());
}

// The window as the document commands see it.
class CommandsWindow : public DocumentWindow {
  public:
    explicit CommandsWindow(MainWindow& w) : w_(w) {}
    QWidget* windowWidget() override { return &w_; }
    DocumentView& documentView() override { return w_.documentView(); }
    void documentChanged() override {
        w_.showDocument(w_.documentSet().current());
        w_.refreshRecentFiles();
    }
    void redrawAndRepaint() override { w_.redraw(false); }
    bool openDocument(const QString& path) override { return w_.openDocument(path); }
    void documentClosing(document::Document& d) override {
        if (&d != w_.documentView().document()) return;
        w_.editor().selectTool(tool::Move);
        w_.hideToolWindows(false);
        if (auto* list = w_.findChild<ConstructionListWindow*>()) list->close();
        w_.documentView().attach(nullptr);
    }

  private:
    MainWindow& w_;
};

} // namespace

DocumentCommands& MainWindow::documentCommands() {
    if (!commands_) {
        commandsWindow_ = std::make_unique<CommandsWindow>(*this);
        commands_ = std::make_unique<DocumentCommands>(*commandsWindow_, documents_, *editor_);
    }
    return *commands_;
}

bool MainWindow::saveDocument(document::Document& d, bool askName) {
    if (!askName) {
        switch (documents_.save(d)) {
        case document::SaveStatus::Saved:
            documentCommands().fileOpened(d.fileName);
            refreshCaption();
            refreshDocumentLists();
            refreshRecentFiles();
            return true;
        case document::SaveStatus::WriteError:
            notify(MessageIcon::Error, settings::texts().message(settings::kMsgWriteError));
            return false;
        case document::SaveStatus::NeedsName:
            break;
        }
    }
    const QString start = d.fileName.empty()
                              ? QDir::current().filePath(qtText(document::captionOf(d)) + QStringLiteral(".kdo"))
                              : qtText(d.fileName);
    QString path = QFileDialog::getSaveFileName(this, commandName(559), start,
                                                captionOfKey(windowText::DocumentFilter));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".kdo");
    rememberFolder(path);
    switch (documents_.saveAs(d, utf8Text(path))) {
    case document::SaveStatus::Saved:
        documentCommands().fileOpened(d.fileName);
        refreshCaption();
        refreshDocumentLists();
        refreshRecentFiles();
        return true;
    case document::SaveStatus::NeedsName:
    case document::SaveStatus::WriteError:
        break;
    }
    notify(MessageIcon::Error, settings::texts().message(settings::kMsgWriteError));
    return false;
}

// A modified document asks first: Yes saves (a save that does not happen keeps the document
// open, so nothing is lost), No drops the changes, Cancel keeps it.
bool MainWindow::closeDocument(document::Document* d, bool exiting) {
    if (!d) return true;
    if (d->modified) {
        const QString text = messageText(settings::kMsgSaveChanges);
        const QString caption = messageText(100) + QStringLiteral(" - ") + qtText(document::captionOf(*d));
        const QMessageBox::StandardButton answer =
            askSaveChanges ? askSaveChanges(text, caption)
                           : QMessageBox::question(this, caption, text,
                                                   QMessageBox::Yes | QMessageBox::No |
                                                       QMessageBox::Cancel,
                                                   QMessageBox::Yes);
        if (answer == QMessageBox::Cancel || answer == QMessageBox::Escape) return false;
        if (answer == QMessageBox::Yes && !saveDocument(*d, false)) return false;
    }
    if (d == view_->document()) {
        // Nothing the logic or the tool windows hold may point into the closing document.
        editor_->selectTool(tool::Move);
        hideToolWindows(false);
        if (list_) list_->close();
        view_->attach(nullptr);
    }
    documents_.close(d);
    if (exiting) return true;
    showDocument(documents_.current());
    return true;
}

namespace file_commands {

void newDocument(MainWindow& w) {
    w.newDocument();
}

void open(MainWindow& w) {
    // The folder of the last file chosen, also after a restart.
    RecentFiles& recent = w.documentCommands().recentFiles();
    const QString start =
        recent.lastFolder().empty() ? QDir::currentPath() : qtText(recent.lastFolder());
    const QString path =
        QFileDialog::getOpenFileName(&w, commandName(557), start, documentFilters());
    if (path.isEmpty()) return;
    rememberFolder(path);
    recent.fileChosen(utf8Text(path));
    w.openDocument(path);
}

void save(MainWindow& w) {
    if (document::Document* d = w.documentSet().current()) w.saveDocument(*d, false);
}

void saveAs(MainWindow& w) {
    if (document::Document* d = w.documentSet().current()) w.saveDocument(*d, true);
}

void exportDrawing(MainWindow& w) {
    w.documentCommands().exportDrawing();
}

void close(MainWindow& w) {
    w.closeDocument(w.documentSet().current(), false);
}

void closeAll(MainWindow& w) {
    while (document::Document* d = w.documentSet().current())
        if (!w.closeDocument(d, false)) return;
}

void print(MainWindow& w) {
    w.documentCommands().print();
}

void printSetup(MainWindow& w) {
    w.documentCommands().printerSetUp();
}

void clearRecentFiles(MainWindow& w) {
    w.documentCommands().clearRecentFiles();
    w.refreshRecentFiles();
}

void exit(MainWindow& w) {
    w.close();
}

void cut(MainWindow& w) {
    w.documentCommands().cut();
}

void copy(MainWindow& w) {
    w.documentCommands().copy();
}

void paste(MainWindow& w) {
    w.documentCommands().paste();
}

void deleteSelection(MainWindow& w) {
    w.documentCommands().deleteSelection();
}

void selectAll(MainWindow& w) {
    w.documentCommands().selectAll();
}

void copyPicture(MainWindow& w) {
    w.documentCommands().copyPicture();
}

void pastePicture(MainWindow& w) {
    w.documentCommands().pastePicture();
}

// "Eliminar Todo": every element with the trace and animation lists, in one undo step.
void deleteAll(MainWindow& w) {
    document::Document* d = w.documentSet().current();
    if (!d || d->construction.countOf() == 0) return;
    w.editor().selectTool(tool::Move);
    w.hideToolWindows(false);
    {
        edit::Edit change(*d, w.documentView().recomputeContext(), edit::UndoStep::Checkpoint);
        edit::deleteAll(change);
        change.commit();
    }
    w.documentView().clearTraces();
    w.redraw(false);
}

void nextDocument(MainWindow& w) {
    switchBy(w, 1);
}

void previousDocument(MainWindow& w) {
    switchBy(w, -1);
}

void documentsList(MainWindow& w) {
    w.documentCommands().showDocumentsList();
}

bool closeEverything(MainWindow& w) {
    document::DocumentSet& set = w.documentSet();
    while (document::Document* d = set.current()) {
        if (!w.closeDocument(d, true)) {
            w.showDocument(set.current());
            return false;
        }
    }
    return true;
}

} // namespace file_commands
} // namespace zeva::ui
