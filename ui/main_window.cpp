#include "ui/main_window.h"

#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/drawing_area.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

namespace zeva::ui {

namespace {

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QSize screenSize() {
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QSize size = s->size();
        if (size.width() > 0 && size.height() > 0) return size;
    }
    return {1024, 768};
}

QScrollBar* makeBar(Qt::Orientation o, QWidget* parent) {
    auto* bar = new QScrollBar(o, parent);
    bar->setRange(0, render::kScrollMax);
    bar->setPageStep(100);
    bar->setSingleStep(10);
    return bar;
}

} // namespace

MainWindow::MainWindow(const QString& documentPath, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("ZEVA"));

    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    area_ = new DrawingArea(central);
    hBar_ = makeBar(Qt::Horizontal, central);
    vBar_ = makeBar(Qt::Vertical, central);
    grid->addWidget(area_, 0, 0);
    grid->addWidget(vBar_, 0, 1);
    grid->addWidget(hBar_, 1, 0);
    setCentralWidget(central);

    coordLabel_ = new QLabel(this);
    angleLabel_ = new QLabel(this);
    messageLabel_ = new QLabel(this);
    statusBar()->addWidget(coordLabel_);
    statusBar()->addWidget(angleLabel_);
    statusBar()->addWidget(messageLabel_, 1);
    messageLabel_->setText(fromUtf8(settings::texts().toolText(0)));

    // The drawing surface is as large as the screen; the window shows its top-left part.
    view_ = std::make_unique<DocumentView>(screenSize(), settings::options(), settings::texts());
    area_->setSource([this]() -> const QImage& { return view_->bitmap(); });
    const QSize screen = screenSize();
    resize(std::min(1024, screen.width()), std::min(768, screen.height()));
    if (layout()) layout()->activate();
    view_->setClientSize(area_->size());

    connect(hBar_, &QScrollBar::valueChanged, this, &MainWindow::horizontalScrolled);
    connect(vBar_, &QScrollBar::valueChanged, this, &MainWindow::verticalScrolled);
    area_->onResize = [this] { areaResized(); };

    if (!documentPath.isEmpty()) openDocument(documentPath);
    if (!documents_.current()) newDocument();
}

MainWindow::~MainWindow() {
    // The view draws the documents: let it go before them.
    view_.reset();
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
    if (document::Document* d = documents_.newDocument()) showDocument(d);
}

bool MainWindow::openDocument(const QString& path) {
    openError_.clear();
    refreshEnvironment();
    const document::Document* before = documents_.current();
    const document::OpenResult result = documents_.open(path.toStdString());
    switch (result.status) {
    case document::OpenStatus::Opened:
    case document::OpenStatus::AlreadyOpen:
        showDocument(result.document);
        return true;
    case document::OpenStatus::MacroLoaded:
        // Macros change no figure; a document made to hold them is shown.
        if (result.document != before) showDocument(result.document);
        refreshCaption();
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
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("ZEVA"), fromUtf8(message),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (later)
        QTimer::singleShot(0, box, [box] { box->open(); });
    else
        box->open();
}

void MainWindow::showDocument(document::Document* d) {
    view_->setClientSize(area_->size());
    view_->attach(d);
    coordLabel_->setText(d->coordSystem == 1 ? QStringLiteral("(r,theta)")
                                             : QStringLiteral("(x,y)"));
    static const char* const units[] = {"RAD", "DEG", "GRA"};
    angleLabel_->setText(QLatin1String(units[std::clamp(d->angleUnit, 0, 2)]));
    refreshCaption();
    syncScrollBars();
    area_->update();
}

void MainWindow::refreshCaption() {
    QString title = QStringLiteral("ZEVA");
    if (const document::Document* d = documents_.current()) {
        const std::string name = d->fileName.empty()
                                     ? settings::texts().message(settings::kMsgDocument) + " " +
                                           std::to_string(d->number)
                                     : document::bareFileName(d->fileName);
        title += QStringLiteral(" - ") + fromUtf8(name);
    }
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
    view_->clearTraces();
    redraw(view_->dependsOnView());
}

} // namespace zeva::ui
