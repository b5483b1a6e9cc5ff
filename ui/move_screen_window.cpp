#include "ui/move_screen_window.h"

#include "platform/qt_canvas.h"
#include "render/renderer.h"
#include "settings/text_table.h"
#include "ui/dialog_texts.h"
#include "ui/ui_text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace zeva::ui {

// The miniature: the plane drawn small, the visible rectangle over it, dragged with the mouse.
class MiniatureView : public QWidget {
  public:
    MiniatureView(Session& session, MoveScreenLogic& logic, QWidget* parent)
        : QWidget(parent), session_(session), logic_(logic) {
        setObjectName(QStringLiteral("Image1"));
        setFixedSize(kMiniatureSize, kMiniatureSize);
        setToolTip(dialogText(kTextMoveScreenHint));
        setMouseTracking(true);
        drawPlane();
    }

    // The construction drawn again at the miniature's present scale.
    void drawPlane() {
        picture_ = QImage(kMiniatureSize + 1, kMiniatureSize + 1, QImage::Format_RGB32);
        const render::ViewTransform view = logic_.miniatureTransform();
        render::RenderContext ctx = session_.view().renderContext();
        ctx.view = &view;
        ctx.traceCanvas = nullptr;
        ctx.state = render::RenderState{};
        if (ctx.document) {
            platform::QtCanvas canvas(picture_, render::CanvasRole::Miniature);
            render::redrawAll(ctx, canvas);
            canvas.flush();
        } else {
            picture_.fill(Qt::white);
        }
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, picture_);
        const MiniatureRect r = logic_.rectangle();
        const QRect inner(qRound(r.left), qRound(r.top), qRound(r.width), qRound(r.height));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 255, 255), 1)); // aqua
        p.drawRect(inner);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(inner.adjusted(-1, -1, 1, 1));
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && logic_.press(e->position().x(), e->position().y()))
            setCursor(Qt::ClosedHandCursor);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!logic_.dragging()) return;
        logic_.dragTo(e->position().x(), e->position().y());
        update();
    }
    void mouseReleaseEvent(QMouseEvent*) override {
        logic_.release();
        unsetCursor();
    }

  private:
    Session& session_;
    MoveScreenLogic& logic_;
    QImage picture_;
};

MoveScreenWindow::MoveScreenWindow(Session& session, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool), session_(session), logic_(session) {
    setObjectName(QStringLiteral("TMuePan"));
    setWindowTitle(qtText(settings::texts().controlText(546)).section(QLatin1Char(','), 0, 0));
    miniature_ = new MiniatureView(session, logic_, this);
    track_ = new QSlider(Qt::Horizontal, this);
    track_->setObjectName(QStringLiteral("TrackBar1"));
    track_->setRange(0, 1000);
    track_->setValue(logic_.trackPosition());
    track_->setToolTip(messageText(kMsgPlaneSize));
    connect(track_, &QSlider::valueChanged, this, [this](int position) {
        logic_.setTrackPosition(position);
        miniature_->drawPlane();
    });
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(messageText(settings::kMsgOk), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(messageText(settings::kMsgCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        logic_.accept();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(track_, 1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(miniature_, 0, Qt::AlignHCenter);
    layout->addLayout(bottom);
    // The window shows the document's background around the miniature.
    if (const document::Document* d = session.document()) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, qtColour(d->units.backgroundColor));
        setPalette(palette);
        setAutoFillBackground(true);
        track_->setAutoFillBackground(true);
    }
}

QWidget* MoveScreenWindow::miniature() const {
    return miniature_;
}

MoveScreenWindow* openMoveScreenWindow(QWidget* mainWindow, Session& s) {
    auto* w = new MoveScreenWindow(s, mainWindow);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowModality(Qt::WindowModal);
    w->show();
    if (mainWindow) w->move(mainWindow->frameGeometry().center() - w->rect().center());
    return w;
}

} // namespace zeva::ui
