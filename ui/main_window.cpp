#include "ui/main_window.h"

#include "document/document_load.h"
#include "model/construction.h"
#include "platform/qt_canvas.h"
#include "render/render_options.h"
#include "render/renderer.h"
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

    createSurfaces();
    const QSize screen = screenSize();
    resize(std::min(1024, screen.width()), std::min(768, screen.height()));
    if (layout()) layout()->activate();

    connect(hBar_, &QScrollBar::valueChanged, this, &MainWindow::horizontalScrolled);
    connect(vBar_, &QScrollBar::valueChanged, this, &MainWindow::verticalScrolled);
    area_->onResize = [this] { areaResized(); };

    if (documentPath.isEmpty() || !openDocument(documentPath)) {
        if (documentPath.isEmpty())
            adoptDocument(std::make_unique<document::Document>(document::newDocument(environment())));
        if (!openError_.empty()) {
            QTimer::singleShot(0, this, [this] {
                QMessageBox::critical(this, QStringLiteral("ZEVA"), fromUtf8(openError_));
            });
        }
    }
}

MainWindow::~MainWindow() {
    // The canvases paint on the bitmaps: end them first.
    canvas_.reset();
    traceCanvas_.reset();
}

void MainWindow::createSurfaces() {
    const QSize screen = screenSize();
    view_.screenWidth = screen.width();
    view_.screenHeight = screen.height();
    render::setPlaneSize(view_, settings::options().planeSize);
    // Both bitmaps are one pixel wider and higher than the screen.
    bitmap_ = QImage(screen.width() + 1, screen.height() + 1, QImage::Format_RGB32);
    bitmap_.fill(Qt::black);
    traceBitmap_ = QImage(screen.width() + 1, screen.height() + 1, QImage::Format_RGB32);
    traceBitmap_.fill(Qt::black);
    canvas_ = std::make_unique<platform::QtCanvas>(bitmap_, render::CanvasRole::Main);
    traceCanvas_ = std::make_unique<platform::QtCanvas>(traceBitmap_, render::CanvasRole::Trace);
    ctx_.view = &view_;
    ctx_.traceCanvas = traceCanvas_.get();
    ctx_.options = render::renderOptionsFrom(settings::options(), settings::texts());
    canvas_->setSmooth(ctx_.options.smooth);
    area_->setBitmap(&bitmap_);
}

document::DocumentEnvironment MainWindow::environment() const {
    document::DocumentEnvironment env;
    const settings::Options& o = settings::options();
    env.defaults = {o.backgroundColor, o.lengthUnit, o.angleUnit, o.pixelsPerUnit, o.coordSystem};
    env.clientWidth = std::max(1, area_->width());
    env.clientHeight = std::max(1, area_->height());
    env.screen = {view_.screenWidth, view_.screenHeight};
    env.drawScale = view_.drawScale;
    env.textFont = o.textFont;
    return env;
}

bool MainWindow::openDocument(const QString& path) {
    openError_.clear();
    const std::string file = path.toStdString();
    auto loaded = document::loadDocument(file, environment());
    if (auto* ok = std::get_if<document::LoadedDocument>(&loaded)) {
        adoptDocument(std::move(ok->document));
        return true;
    }
    // As after a failed open: a new, empty document named after the file stays.
    openError_ = settings::texts().message(settings::kMsgInvalidFile);
    auto d = std::make_unique<document::Document>(document::newDocument(environment()));
    d->fileName = document::bareFileName(file);
    adoptDocument(std::move(d));
    return false;
}

void MainWindow::adoptDocument(std::unique_ptr<document::Document> d) {
    document_ = std::move(d);
    ctx_.document = document_.get();
    ctx_.state = {};
    document::setViewExtent(*document_, {view_.screenWidth, view_.screenHeight}, view_.drawScale);
    render::loadView(view_, *document_);
    if (traceCanvas_) render::clearSurface(ctx_, *traceCanvas_);
    coordLabel_->setText(document_->coordSystem == 1 ? QStringLiteral("(r,theta)")
                                                     : QStringLiteral("(x,y)"));
    static const char* const units[] = {"RAD", "DEG", "GRA"};
    angleLabel_->setText(QLatin1String(units[std::clamp(document_->angleUnit, 0, 2)]));
    refreshCaption();
    view_.clientWidth = area_->width();
    view_.clientHeight = area_->height();
    syncScrollBars();
    redraw(true);
}

void MainWindow::refreshCaption() {
    QString title = QStringLiteral("ZEVA");
    if (document_) {
        const std::string name = document_->fileName.empty()
                                     ? settings::texts().message(settings::kMsgDocument) + " " +
                                           std::to_string(document_->number)
                                     : document::bareFileName(document_->fileName);
        title += QStringLiteral(" - ") + fromUtf8(name);
    }
    setWindowTitle(title);
}

void MainWindow::redraw(bool recompute) {
    if (!document_) return;
    if (recompute)
        render::recomputeAndRedraw(ctx_, *canvas_);
    else
        render::redrawAll(ctx_, *canvas_);
    area_->update();
}

void MainWindow::areaResized() {
    view_.clientWidth = area_->width();
    view_.clientHeight = area_->height();
    if (!document_) return;
    // The view keeps its top-left corner; the far edges follow the surface, not the window.
    document::setViewExtent(*document_, {view_.screenWidth, view_.screenHeight}, view_.drawScale);
    render::loadView(view_, *document_);
    syncScrollBars();
    redraw(true);
}

void MainWindow::syncScrollBars() {
    syncingBars_ = true;
    hBar_->setValue(render::horizontalScrollPosition(view_, hBar_->maximum()));
    vBar_->setValue(render::verticalScrollPosition(view_, vBar_->maximum()));
    syncingBars_ = false;
}

void MainWindow::horizontalScrolled(int position) {
    if (syncingBars_ || !document_) return;
    document_->viewLeft = render::viewLeftFromScroll(view_, position, hBar_->maximum());
    afterScroll();
}

void MainWindow::verticalScrolled(int position) {
    if (syncingBars_ || !document_) return;
    document_->viewTop = render::viewTopFromScroll(view_, position, vBar_->maximum());
    afterScroll();
}

bool MainWindow::dependsOnView() const {
    for (const model::Element* e : document_->construction)
        if (e->kind == model::Kind::Locus && e->parent2 &&
            e->parent2->kind == model::Kind::GridPoint)
            return true;
    return false;
}

void MainWindow::afterScroll() {
    document::Document& d = *document_;
    d.modified = 1;
    document::setViewExtent(d, {view_.screenWidth, view_.screenHeight}, view_.drawScale);
    render::loadView(view_, d);
    ctx_.state.pendingRectangle.reset();
    if (!d.tracedElements().empty() || d.traceLayerUsed) render::clearSurface(ctx_, *traceCanvas_);
    redraw(dependsOnView());
}

} // namespace zeva::ui
