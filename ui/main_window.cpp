#include "ui/main_window.h"

#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/animation_window.h"
#include "ui/construction_list_window.h"
#include "ui/document_commands.h"
#include "ui/drawing_area.h"
#include "ui/file_commands.h"
#include "ui/glyphs.h"
#include "ui/interface_texts.h"
#include "ui/macro_window.h"
#include "ui/popup_panel_widget.h"
#include "ui/recovery_keeper.h"
#include "ui/step_window.h"
#include "ui/tool_bars.h"
#include "ui/tool_selection.h"
#include "ui/ui_text.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace zeva::ui {

namespace {

QSize screenSize() {
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QSize size = s->size();
        if (size.width() > 0 && size.height() > 0) return size;
    }
    return {1024, 768};
}

} // namespace

MainWindow::MainWindow(const QString& documentPath, QWidget* parent) : QMainWindow(parent) {
    build(documentPath.isEmpty() ? QStringList() : QStringList{documentPath}, true);
}

MainWindow::MainWindow(const QStringList& documentPaths, QWidget* parent) : QMainWindow(parent) {
    build(documentPaths, true);
}

MainWindow::MainWindow(const QStringList& documentPaths, Start, QWidget* parent)
    : QMainWindow(parent) {
    build(documentPaths, false);
}

void MainWindow::startDocuments() {
    for (document::Document* d : recovery_->offerRestore(this))
        showDocument(d);
    openPendingDocuments();
}

void MainWindow::openPendingDocuments() {
    const QStringList paths = std::exchange(pendingPaths_, {});
    for (const QString& path : paths)
        openDocument(path);
    if (!documents_.current()) newDocument();
    refreshHeldGlyphs();
}

MainWindow::~MainWindow() {
    // The tool windows and the logic work on the documents: they go first, the view before the
    // documents it draws.
    commands_.reset();
    commandsWindow_.reset();
    delete animation_;
    animation_ = nullptr;
    delete steps_;
    steps_ = nullptr;
    delete list_;
    list_ = nullptr;
    if (area_) area_->setEditor(nullptr);
    panels_.reset();
    editor_.reset();
    view_.reset();
}

void MainWindow::build(const QStringList& documentPaths, bool openNow) {
    setWindowTitle(QStringLiteral("ZEVA"));
    setWindowIcon(applicationIcon());
    const QSize screen = screenSize();
    small_ = screen.width() < 1000;

    // The drawing surface is as large as the screen; the window shows its top-left part.
    view_ = std::make_unique<DocumentView>(screen, settings::options(), settings::texts());
    editor_ = std::make_unique<Editor>(*this, documents_);
    // Modified documents are copied aside every minute, so a crash loses little.
    recovery_ = new RecoveryKeeper(documents_, this);
    panels_ = std::make_unique<PopupPanels>(editor_->session());

    client_ = new QWidget(this);
    setCentralWidget(client_);
    client_->installEventFilter(this);
    area_ = new DrawingArea(client_);
    area_->setSource([this]() -> const QImage& { return view_->bitmap(); });
    area_->setEditor(editor_.get());
    area_->onResize = [this] { areaResized(); };
    area_->onPress = [this] { setFocus(); };
    hBar_ = new QScrollBar(Qt::Horizontal, client_);
    vBar_ = new QScrollBar(Qt::Vertical, client_);
    for (QScrollBar* bar : {hBar_, vBar_}) {
        bar->setRange(0, render::kScrollMax);
        bar->setPageStep(100);
        bar->setSingleStep(10);
        bar->setFocusPolicy(Qt::NoFocus);
    }
    connect(hBar_, &QScrollBar::valueChanged, this, &MainWindow::horizontalScrolled);
    connect(vBar_, &QScrollBar::valueChanged, this, &MainWindow::verticalScrolled);

    buildTimers();
    buildToolBars();
    buildMenus();
    buildStatusBar();
    panelWidget_ = new PopupPanelWidget(client_);

    resize(std::min(1024, screen.width()), std::min(768, screen.height()));
    applyStartOptions();
    // The client area gets its size now, so that a new document is centred on the drawing area
    // the window will show.
    if (layout()) layout()->activate();
    layOut();
    view_->setClientSize(area_->size());

    pendingPaths_ = documentPaths;
    if (openNow) openPendingDocuments();
}

// New documents are centred on the drawing area and take the application's defaults.
void MainWindow::refreshEnvironment() {
    document::DocumentEnvironment& env = documents_.environment;
    const settings::Options& o = settings::options();
    env.defaults = o.documentDefaults();
    env.clientWidth = std::max(1, area_->width());
    env.clientHeight = std::max(1, area_->height());
    env.screen = {view_->transform().screenWidth, view_->transform().screenHeight};
    env.drawScale = view_->transform().drawScale;
    env.textFont = o.textFont;
    env.planeSize = view_->transform().planeSize;
}

void MainWindow::newDocument() {
    refreshEnvironment();
    if (document::Document* d = documents_.newDocument()) {
        showDocument(d);
        return;
    }
    notify(MessageIcon::Error, settings::texts().message(settings::kMsgTooManyDocuments));
}

bool MainWindow::openDocument(const QString& path) {
    openError_.clear();
    refreshEnvironment();
    const document::Document* before = documents_.current();
    const document::OpenResult result = documents_.open(utf8Text(path));
    switch (result.status) {
    case document::OpenStatus::Opened:
    case document::OpenStatus::AlreadyOpen:
        documentCommands().fileOpened(utf8Text(path));
        showDocument(result.document);
        refreshRecentFiles();
        return true;
    case document::OpenStatus::MacroLoaded:
        // Macros change no figure; a document made to hold them is shown.
        if (result.document != before) showDocument(result.document);
        refreshCaption();
        if (macros_) macros_->refresh();
        return true;
    case document::OpenStatus::NotValid:
        openError_ = settings::texts().message(settings::kMsgInvalidFile);
        break;
    case document::OpenStatus::TooManyDocuments:
        openError_ = settings::texts().message(settings::kMsgTooManyDocuments);
        break;
    }
    // Before the window is shown the box waits for it.
    showError(openError_, !isVisible());
    return false;
}

void MainWindow::showError(const std::string& message, bool later) {
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("ZEVA"), qtText(message),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (later)
        QTimer::singleShot(0, box, [box] { box->open(); });
    else
        box->open();
}

void MainWindow::showDocument(document::Document* d) {
    if (d) {
        const int index = documents_.indexOf(d);
        if (index >= 0) documents_.setCurrent(index);
    }
    enterNoDocumentState(d == nullptr);
    if (animation_) animation_->stopAndHide();
    view_->setClientSize(area_->size());
    view_->attach(d);
    refreshStatusPanels();
    refreshCaption();
    refreshDocumentLists();
    if (macros_) macros_->refresh();
    if (d) {
        syncScrollBars();
        editor_->selectTool(tool::Move);
    }
    area_->update();
}

void MainWindow::refreshCaption() {
    QString title = QStringLiteral("ZEVA");
    if (const document::Document* d = documents_.current(); d && !noDocument_)
        title += QStringLiteral(" - ") + qtText(document::captionOf(*d));
    setWindowTitle(title);
}

void MainWindow::redraw(bool recompute) {
    if (!view_->document()) return;
    if (recompute) view_->recomputeAll();
    view_->redraw();
    area_->update();
}

void MainWindow::areaResized() {
    // The view keeps its top-left corner; the far edges follow the surface, not the window.
    view_->setClientSize(area_->size());
    if (!view_->document()) return;
    syncScrollBars();
    redraw(true);
}

void MainWindow::syncScrollBars() {
    syncingBars_ = true;
    hBar_->setValue(render::horizontalScrollPosition(view_->transform(), hBar_->maximum()));
    vBar_->setValue(render::verticalScrollPosition(view_->transform(), vBar_->maximum()));
    syncingBars_ = false;
}

void MainWindow::horizontalScrolled(int position) {
    if (syncingBars_ || !view_->document()) return;
    const render::ViewTransform& v = view_->transform();
    scrolled(render::viewLeftFromScroll(v, position, hBar_->maximum()), v.viewTop);
}

void MainWindow::verticalScrolled(int position) {
    if (syncingBars_ || !view_->document()) return;
    const render::ViewTransform& v = view_->transform();
    scrolled(v.viewLeft, render::viewTopFromScroll(v, position, vBar_->maximum()));
}

// A scroll bar moved the view: the document is modified, the pending selection rectangle and
// the traces go, and the figure is redrawn (recomputed first when it depends on the view).
void MainWindow::scrolled(double viewLeft, double viewTop) {
    document::markModified(*view_->document());
    view_->scrollTo(viewLeft, viewTop);
    view_->renderContext().state.pendingRectangle.reset();
    session().rectangle = SelectionRectangle{};
    view_->clearTraces();
    redraw(view_->dependsOnView());
}

AnimationWindow& MainWindow::animationWindow() {
    if (!animation_) animation_ = new AnimationWindow(session(), this);
    return *animation_;
}

StepWindow& MainWindow::stepWindow() {
    if (!steps_) steps_ = new StepWindow(session(), this);
    return *steps_;
}

MacroWindow& MainWindow::macroWindow() {
    if (!macros_) {
        macroTools_ = std::make_unique<MacroTools>(session());
        macros_ = new MacroWindow(*macroTools_, this);
    }
    return *macros_;
}

ConstructionListWindow& MainWindow::constructionListWindow() {
    if (!list_) list_ = new ConstructionListWindow(session(), this);
    return *list_;
}

} // namespace zeva::ui

namespace zeva::ui {

// Leaving the program closes every document in turn; a cancel keeps it running.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!file_commands::closeEverything(*this)) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace zeva::ui
