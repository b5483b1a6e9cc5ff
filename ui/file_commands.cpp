// The commands of the "&Archivo" menu, the clipboard part of "&Edición" and the "&Documento"
// menu. Documents are created, opened, saved and closed through the document set; the clipboard,
// printing, picture export and the documents list come with a later version and say so.
#include "ui/file_commands.h"

#include "edit/delete.h"
#include "edit/edit.h"
#include "settings/text_table.h"
#include "ui/animation_window.h"
#include "ui/construction_list_window.h"
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

void notYet(MainWindow& w, int key) {
    w.notYetAvailable(commandName(key));
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

} // namespace

bool MainWindow::saveDocument(document::Document& d, bool askName) {
    if (!askName) {
        switch (documents_.save(d)) {
        case document::SaveStatus::Saved:
            refreshCaption();
            refreshDocumentLists();
            return true;
        case document::SaveStatus::WriteError:
            notify(MessageIcon::Error, settings::texts().message(settings::kMsgWriteError));
            return false;
        case document::SaveStatus::NeedsName:
            break;
        }
    }
    const QString start = d.fileName.empty()
                              ? QDir::current().filePath(documentCaption(d) + QStringLiteral(".kdo"))
                              : qtText(d.fileName);
    QString path = QFileDialog::getSaveFileName(this, commandName(559), start,
                                                captionOfKey(windowText::DocumentFilter));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".kdo");
    rememberFolder(path);
    switch (documents_.saveAs(d, utf8Text(path))) {
    case document::SaveStatus::Saved:
        refreshCaption();
        refreshDocumentLists();
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
        const QString caption = messageText(100) + QStringLiteral(" - ") + documentCaption(*d);
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
    const QString path = QFileDialog::getOpenFileName(&w, commandName(557), QDir::currentPath(),
                                                      documentFilters());
    if (path.isEmpty()) return;
    rememberFolder(path);
    w.openDocument(path);
}

void save(MainWindow& w) {
    if (document::Document* d = w.documentSet().current()) w.saveDocument(*d, false);
}

void saveAs(MainWindow& w) {
    if (document::Document* d = w.documentSet().current()) w.saveDocument(*d, true);
}

void exportDrawing(MainWindow& w) {
    notYet(w, 601);
}

void close(MainWindow& w) {
    w.closeDocument(w.documentSet().current(), false);
}

void closeAll(MainWindow& w) {
    while (document::Document* d = w.documentSet().current())
        if (!w.closeDocument(d, false)) return;
}

void print(MainWindow& w) {
    notYet(w, 560);
}

void printSetup(MainWindow& w) {
    notYet(w, 610);
}

void clearRecentFiles(MainWindow& w) {
    QSettings store;
    store.remove(QStringLiteral("Recent Files"));
    w.refreshRecentFiles();
}

void exit(MainWindow& w) {
    w.close();
}

void cut(MainWindow& w) {
    notYet(w, 611);
}

void copy(MainWindow& w) {
    notYet(w, 612);
}

void paste(MainWindow& w) {
    notYet(w, 613);
}

void deleteSelection(MainWindow& w) {
    notYet(w, 614);
}

void selectAll(MainWindow& w) {
    notYet(w, 615);
}

void copyPicture(MainWindow& w) {
    notYet(w, 1096);
}

void pastePicture(MainWindow& w) {
    notYet(w, windowText::PastePicture);
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
    notYet(w, windowText::DocumentsList);
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
