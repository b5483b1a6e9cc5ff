#include "ui/document_commands.h"

#include "document/document_file.h"
#include "edit/clipboard.h"
#include "edit/delete.h"
#include "platform/figure_export.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/document_view.h"
#include "ui/documents_list_window.h"
#include "ui/editor.h"
#include "ui/print_dialog.h"
#include "ui/rectangle_selection.h"
#include "ui/ui_text.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>

#include <variant>

namespace zeva::ui {

namespace {

constexpr int kEmptyRecentListKey = 607; // "(vacío)"
constexpr int kCloseCaptionSlot = 100;   // "Cerrar", the caption of the save prompt

QString exportFilters() {
    return QStringLiteral("BMP (*.BMP *.bmp);;PNG (*.png *.PNG);;SVG (*.svg *.SVG);;"
                          "PDF (*.pdf *.PDF)");
}

// "&Documento" and "&0 /a/b" show their ampersands in a menu only when doubled.
QString menuText(const std::string& text) {
    QString s = qtText(text);
    s.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return s;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::Information;
}

// A file name without its figure extension: an exported picture is proposed as "a", never as
// "a.KDO" (a picture saved under the figure's own name would replace the figure).
QString withoutFigureExtension(const std::string& name) {
    QString s = qtText(name);
    if (s.endsWith(QStringLiteral(".kdo"), Qt::CaseInsensitive)) s.chop(4);
    return s;
}

bool isFigureImage(const std::vector<uint8_t>& bytes) {
    const document::ReadResult read = document::readFileBytes(bytes, document::ReadMode::Any);
    const auto* file = std::get_if<document::LoadedFile>(&read);
    return file && file->type == document::FileType::Document && !file->construction.empty();
}

} // namespace

DocumentCommands::DocumentCommands(DocumentWindow& window, document::DocumentSet& set,
                                   Editor& editor)
    : window_(window), set_(set), editor_(editor), logic_(set, recent_, *this),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    loadRecentFiles(recent_);
}

DocumentCommands::~DocumentCommands() = default;

void DocumentCommands::remember() {
    saveRecentFiles(recent_);
}

void DocumentCommands::resetTool() {
    if (current()) editor_.selectTool(tool::Move);
}

// ---- File menu ----

void DocumentCommands::exportDrawing() {
    document::Document* d = current();
    if (!d) return;
    drawWithoutSelection();
    QFileDialog dialog(window_.windowWidget());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(exportFilters().split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QStringLiteral("BMP"));
    dialog.setDirectory(qtText(recent_.lastFolder()));
    dialog.selectFile(withoutFigureExtension(document::captionOf(*d)));
    // The suffix added to a bare name follows the file type chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(f.section(QLatin1Char(' '), 0, 0));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const std::string path = utf8Text(dialog.selectedFiles().constFirst());
    DocumentView& view = window_.documentView();
    const QRect region = platform::exportRegion(view.transform(),
                                                view.renderContext().state.pendingRectangle,
                                                view.bitmap().width(), view.bitmap().height());
    const std::string error =
        platform::exportFigure(view.renderContext(), view.bitmap(), path, region);
    if (!error.empty())
        showMessage(MessageIcon::Warning, settings::texts().message(settings::kMsgExportFailed));
}

void DocumentCommands::print() {
    document::Document* d = current();
    if (!d) return;
    resetTool();
    DocumentView& view = window_.documentView();
    view.recomputeAll();
    window_.redrawAndRepaint();
    printFigure(window_.windowWidget(), *d, view, *printer_);
    window_.redrawAndRepaint();
}

void DocumentCommands::printerSetUp() {
    setUpPrinter(window_.windowWidget(), *printer_);
}

void DocumentCommands::fileOpened(const std::string& path) {
    recent_.add(path);
    remember();
}

void DocumentCommands::clearRecentFiles() {
    recent_.clear();
    remember();
}

// ---- Edit menu ----

void DocumentCommands::copy() {
    document::Document* d = current();
    if (!d) return;
    if (std::optional<std::vector<uint8_t>> bytes = edit::copySelection(*d))
        clipboard_.copied(set_, *d, std::move(*bytes));
}

void DocumentCommands::cut() {
    if (!hasSelection()) return;
    copy();
    deleteSelection();
}

void DocumentCommands::paste() {
    document::Document* d = current();
    if (!d) return;
    resetTool();
    const std::optional<std::vector<uint8_t>> bytes = clipboard_.toPaste(set_);
    if (!bytes || !isFigureImage(*bytes)) return;
    {
        edit::Edit e(*d, window_.documentView().recomputeContext(), edit::UndoStep::Checkpoint);
        edit::pasteFigure(e, *bytes);
    }
    window_.redrawAndRepaint();
}

void DocumentCommands::deleteSelection() {
    document::Document* d = current();
    const Session& s = editor_.session();
    if (!d || s.tool.active != tool::Move || s.drag.active || !hasSelection()) return;
    {
        edit::Edit e(*d, window_.documentView().recomputeContext(), edit::UndoStep::Checkpoint);
        edit::deleteSelected(e);
    }
    forgetExportRegion();
    window_.redrawAndRepaint();
}

void DocumentCommands::selectAll() {
    document::Document* d = current();
    if (!d) return;
    resetTool();
    d->construction.setSelectionAll(1);
    window_.redrawAndRepaint();
}

void DocumentCommands::drawWithoutSelection() {
    if (document::Document* d = current()) d->construction.setSelectionAll(0);
    window_.redrawAndRepaint();
}

void DocumentCommands::forgetExportRegion() {
    clearRectangle(editor_.session());
    window_.documentView().renderContext().state.pendingRectangle.reset();
}

void DocumentCommands::copyPicture() {
    if (!current()) return;
    drawWithoutSelection();
    DocumentView& view = window_.documentView();
    putPictureOnClipboard(platform::exportPicture(view.renderContext(), view.bitmap()));
}

void DocumentCommands::pastePicture() {
    document::Document* d = current();
    if (!d) return;
    resetTool();
    const model::Picture picture = pictureOnClipboard();
    if (picture.bmp.empty()) {
        showMessage(MessageIcon::Information,
                    settings::texts().message(settings::kMsgNoPictureOnClipboard));
        return;
    }
    {
        edit::Edit e(*d, window_.documentView().recomputeContext(), edit::UndoStep::Checkpoint);
        edit::pastePicture(e, picture, settings::options());
    }
    window_.redrawAndRepaint();
}

bool DocumentCommands::hasSelection() const {
    const document::Document* d = current();
    return d && d->construction.firstSelected() != nullptr;
}

bool DocumentCommands::canPastePicture() const {
    return clipboardHasPicture();
}

// ---- Document menu ----

void DocumentCommands::showDocumentsList() {
    if (!current()) return;
    DocumentsListWindow list(logic_, [this] { window_.documentChanged(); },
                             window_.windowWidget());
    list.exec();
    remember();
    window_.documentChanged();
    resetTool();
}

void DocumentCommands::fillRecentMenu(QMenu& menu) {
    menu.clear();
    for (int i = 0; i < static_cast<int>(recent_.paths().size()); ++i) {
        // The caption's own "&i" is the mnemonic; only the path's ampersands are doubled.
        const QString caption = QStringLiteral("&%1 ").arg(i) + menuText(recent_.paths()[size_t(i)]);
        const QString path = qtText(recent_.paths()[size_t(i)]);
        QAction* entry = menu.addAction(caption);
        QObject::connect(entry, &QAction::triggered, entry, [this, path] { window_.openDocument(path); });
    }
    if (recent_.paths().empty()) {
        QAction* empty = menu.addAction(qtText(settings::texts().controlText(kEmptyRecentListKey)));
        empty->setEnabled(false);
    }
}

// ---- DocumentsHost ----

SaveAnswer DocumentCommands::askSaveChanges(const document::Document& d) {
    QMessageBox box(QMessageBox::Question,
                    messageText(kCloseCaptionSlot) + QStringLiteral(" - ") + qtText(document::captionOf(d)),
                    messageText(settings::kMsgSaveChanges),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    window_.windowWidget());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

std::optional<std::string> DocumentCommands::askSavePath(const std::string& fileName) {
    QFileDialog dialog(window_.windowWidget());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("KDO (*.KDO *.kdo)"));
    dialog.setDefaultSuffix(QStringLiteral("KDO"));
    dialog.setDirectory(qtText(recent_.lastFolder()));
    dialog.selectFile(qtText(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return utf8Text(dialog.selectedFiles().constFirst());
}

void DocumentCommands::showMessage(MessageIcon icon, const std::string& text) {
    QMessageBox box(boxIcon(icon), QStringLiteral("ZEVA"), qtText(text), QMessageBox::Ok,
                    window_.windowWidget());
    box.exec();
}

} // namespace zeva::ui
