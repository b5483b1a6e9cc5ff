#include "ui/step_window.h"

#include "settings/text_table.h"
#include "ui/tool_window_placement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace zeva::ui {

namespace {

QString text(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
QString message(int slot) {
    return text(settings::texts().message(slot));
}

QToolButton* stepButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                        int hintSlot) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolTip(message(hintSlot));
    return b;
}

} // namespace

StepWindow::StepWindow(Session& session, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool), session_(session), mainWindow_(mainWindow),
      playback_(session) {
    setObjectName(QStringLiteral("TPaP"));
    setWindowModality(Qt::ApplicationModal);

    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("Label"));
    text_->setMinimumWidth(320);
    track_ = new QSlider(Qt::Horizontal, this);
    track_->setObjectName(QStringLiteral("TB"));
    track_->setTickPosition(QSlider::TicksBelow);
    track_->setTickInterval(1);
    track_->setPageStep(1);
    auto* first =
        stepButton(this, "B_Primero", QStyle::SP_MediaSkipBackward, settings::kMsgStepFirst);
    auto* previous =
        stepButton(this, "B_Unoatras", QStyle::SP_MediaSeekBackward, settings::kMsgStepPrevious);
    next_ = stepButton(this, "B_Unoadel", QStyle::SP_MediaSeekForward, settings::kMsgStepNext);
    auto* last = stepButton(this, "B_Ultimo", QStyle::SP_MediaSkipForward, settings::kMsgStepLast);
    auto* ok = new QPushButton(message(settings::kMsgOk), this);
    ok->setObjectName(QStringLiteral("Aceptar"));
    cancel_ = new QPushButton(message(settings::kMsgCancel), this);
    cancel_->setObjectName(QStringLiteral("Cancelar"));
    for (QPushButton* b : {ok, cancel_})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    for (QToolButton* b : {first, previous, next_, last})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(track_);
    layout->addLayout(buttons);

    connect(first, &QToolButton::clicked, this, [this] {
        playback_.first();
        display();
    });
    connect(previous, &QToolButton::clicked, this, [this] {
        playback_.previous();
        display();
    });
    connect(next_, &QToolButton::clicked, this, [this] {
        playback_.next();
        display();
    });
    connect(last, &QToolButton::clicked, this, [this] {
        playback_.last();
        display();
    });
    connect(track_, &QSlider::valueChanged, this, [this](int position) {
        playback_.goTo(position - 1);
        display();
    });
    connect(ok, &QPushButton::clicked, this, &StepWindow::accepted);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    askKeep = [this] {
        return QMessageBox::warning(this, QStringLiteral("ZEVA"),
                                    message(settings::kMsgKeepConstruction),
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    };
}

bool StepWindow::start() {
    if (!playback_.begin()) return false;
    {
        const QSignalBlocker blocker(track_);
        track_->setRange(1, playback_.count());
        track_->setValue(1);
    }
    display();
    adjustSize();
    show();
    placeOverStatusBar(*this, mainWindow_);
    if (playback_.atLast())
        cancel_->setFocus();
    else
        next_->setFocus();
    return true;
}

void StepWindow::display() {
    const QSignalBlocker blocker(track_);
    track_->setValue(playback_.current() + 1);
    text_->setText(text(playback_.stepText()));
    setWindowTitle(text(playback_.caption()));
}

void StepWindow::accepted() {
    if (!playback_.atLast() && askKeep() == QMessageBox::Yes) playback_.keepHere();
    accept();
}

void StepWindow::done(int result) {
    playback_.end();
    QDialog::done(result);
}

} // namespace zeva::ui
