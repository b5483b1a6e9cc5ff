#include "ui/animation_window.h"

#include "edit/animation.h"
#include "settings/text_table.h"
#include "ui/animation_control.h"
#include "ui/tool_selection.h"
#include "ui/tool_window_placement.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
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

QToolButton* toolButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                        int hintSlot, bool checkable) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolTip(message(hintSlot));
    b->setCheckable(checkable);
    b->setAutoRaise(false);
    return b;
}

} // namespace

AnimationWindow::AnimationWindow(Session& session, QWidget* mainWindow,
                                 std::unique_ptr<platform::TickSource> ticks,
                                 platform::AnimationClock::Post post)
    : QDialog(mainWindow, Qt::Tool), session_(session), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("TV_animac"));
    setWindowTitle(text(settings::texts().toolText(tool::Animation)));

    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("CB"));
    list_->setMinimumContentsLength(24);
    play_ = toolButton(this, "B_play", QStyle::SP_MediaPlay, settings::kMsgAnimationPlay, true);
    reverse_ = toolButton(this, "B_sentido", QStyle::SP_BrowserReload,
                          settings::kMsgAnimationDirection, false);
    pause_ = toolButton(this, "B_pausa", QStyle::SP_MediaPause, settings::kMsgAnimationPause, true);
    remove_ =
        toolButton(this, "B_stop", QStyle::SP_MediaStop, settings::kMsgAnimationRemove, false);

    speed_ = new QSlider(Qt::Horizontal, this);
    speed_->setObjectName(QStringLiteral("TB"));
    speed_->setRange(edit::kMinAnimationSpeed, edit::kMaxAnimationSpeed);
    speed_->setMinimumWidth(120);
    speedEdit_ = new QLineEdit(this);
    speedEdit_->setObjectName(QStringLiteral("Ed_vel"));
    speedEdit_->setMaxLength(3);
    speedEdit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this));
    speedEdit_->setFixedWidth(speedEdit_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                              8);
    auto* up = new QToolButton(this);
    up->setObjectName(QStringLiteral("UpDown_vel_up"));
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(this);
    down->setObjectName(QStringLiteral("UpDown_vel_down"));
    down->setArrowType(Qt::DownArrow);
    auto* upDown = new QVBoxLayout;
    upDown->setSpacing(0);
    upDown->addWidget(up);
    upDown->addWidget(down);
    for (QToolButton* b : {up, down})
        b->setFixedSize(18, 12);
    auto* ok = new QPushButton(message(settings::kMsgOk), this);
    ok->setObjectName(QStringLiteral("B_cancel"));

    auto* controls = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{play_, reverse_, pause_, remove_})
        controls->addWidget(w);
    controls->addSpacing(8);
    controls->addWidget(new QLabel(message(settings::kMsgAnimationSpeed), this));
    controls->addWidget(speed_, 1);
    controls->addWidget(speedEdit_);
    controls->addLayout(upDown);
    controls->addSpacing(8);
    controls->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(controls);

    connect(list_, &QComboBox::activated, this, &AnimationWindow::showEntry);
    connect(play_, &QToolButton::clicked, this, [this](bool down) {
        if (auto* e = selectedEntry()) {
            e->playing = down ? 1 : 0;
            markModified();
        }
    });
    // The direction turns as the button goes down, not when it is released.
    connect(reverse_, &QToolButton::pressed, this, [this] {
        if (auto* e = selectedEntry()) {
            e->backward = 1 - e->backward;
            markModified();
        }
    });
    connect(pause_, &QToolButton::toggled, this, [this](bool down) {
        if (down)
            clock_->suspend();
        else
            resumeIfDue();
    });
    connect(remove_, &QToolButton::clicked, this, [this] {
        document::Document* d = session_.document();
        const int i = list_->currentIndex();
        if (!d || !selectedEntry()) return;
        d->animatedElements().erase(d->animatedElements().begin() + i);
        markModified();
        refresh();
    });
    connect(speed_, &QSlider::valueChanged, this, &AnimationWindow::setSpeed);
    connect(speedEdit_, &QLineEdit::textEdited, this, &AnimationWindow::speedTyped);
    connect(up, &QToolButton::clicked, this, [this] { speed_->setValue(speed_->value() + 1); });
    connect(down, &QToolButton::clicked, this, [this] { speed_->setValue(speed_->value() - 1); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    if (!ticks) ticks = std::make_unique<platform::SteadyTicks>();
    if (!post) post = platform::postTo(this);
    clock_ = std::make_unique<platform::AnimationClock>([this] { runStep(); }, std::move(post),
                                                        std::move(ticks));
}

AnimationWindow::~AnimationWindow() {
    // No step may arrive while the window goes.
    clock_->stop();
}

void AnimationWindow::start() {
    selectTool(session_, tool::Animation);
    openAnimation(session_);
    show();
    placeOverStatusBar(*this, mainWindow_);
    refresh();
}

void AnimationWindow::elementPicked(model::Element& e) {
    current_ = &e;
    refresh();
}

void AnimationWindow::stopAndHide() {
    clock_->suspend();
    if (isVisible()) hide();
}

bool AnimationWindow::paused() const {
    return pause_->isChecked();
}

model::AnimationEntry* AnimationWindow::selectedEntry() {
    document::Document* d = session_.document();
    const int i = list_->currentIndex();
    if (!d || i < 0 || listChangedElsewhere()) return nullptr;
    return &d->animatedElements()[static_cast<size_t>(i)];
}

bool AnimationWindow::listChangedElsewhere() const {
    const document::Document* d = session_.document();
    const auto& entries = d ? d->construction.animations : std::vector<model::AnimationEntry>{};
    if (entries.size() != shown_.size()) return true;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].element != shown_[i]) return true;
    return false;
}

void AnimationWindow::markModified() {
    if (document::Document* d = session_.document()) document::markModified(*d);
}

void AnimationWindow::refresh() {
    document::Document* d = session_.document();
    shown_.clear();
    const QSignalBlocker blocker(list_);
    list_->clear();
    int selected = 0;
    if (d) {
        const auto& entries = d->animatedElements();
        for (size_t i = 0; i < entries.size(); ++i) {
            shown_.push_back(entries[i].element);
            list_->addItem(text(animationEntryText(entries[i], settings::texts())));
            if (entries[i].element == current_) selected = static_cast<int>(i);
        }
    }
    if (shown_.empty()) {
        current_ = nullptr;
        showEntry(-1);
        clock_->suspend();
        return;
    }
    list_->setCurrentIndex(selected);
    showEntry(selected);
    resumeIfDue();
}

void AnimationWindow::showEntry(int index) {
    const model::AnimationEntry* e = index >= 0 ? selectedEntry() : nullptr;
    const QSignalBlocker blockPlay(play_);
    const QSignalBlocker blockSpeed(speed_);
    play_->setChecked(e && e->playing == 1);
    const int speed = e ? edit::clampedSpeed(e->speed) : edit::kMinAnimationSpeed;
    speed_->setValue(speed);
    speedEdit_->setText(QString::number(speed));
}

void AnimationWindow::setSpeed(int speed) {
    speedEdit_->setText(QString::number(speed));
    if (auto* e = selectedEntry()) {
        e->speed = speed;
        markModified();
    }
}

void AnimationWindow::speedTyped(const QString& typed) {
    if (typed.isEmpty()) return; // the field is being retyped
    const int speed = edit::clampedSpeed(typed.toInt());
    speed_->setValue(speed); // no signal when the bar is already there
    setSpeed(speed);
}

void AnimationWindow::resumeIfDue() {
    if (isVisible() && !paused() && !shown_.empty()) clock_->resume();
}

void AnimationWindow::runStep() {
    if (paused() || !isVisible()) return;
    if (listChangedElsewhere()) refresh(); // an undo, a deletion or another document
    animationTick(session_);
}

void AnimationWindow::done(int result) {
    // OK, Esc and the close box: the window goes, the tool goes back to "Mover, editar".
    if (closing_) return;
    closing_ = true;
    QDialog::done(result);
    selectTool(session_, tool::Move);
    closing_ = false;
}

void AnimationWindow::showEvent(QShowEvent* event) {
    session_.view().renderContext().state.animationDialogVisible = true;
    QDialog::showEvent(event);
}

void AnimationWindow::hideEvent(QHideEvent* event) {
    clock_->suspend();
    session_.view().renderContext().state.animationDialogVisible = false;
    QDialog::hideEvent(event);
}

} // namespace zeva::ui
