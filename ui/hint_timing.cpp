#include "ui/hint_timing.h"

#include <QCursor>
#include <QEvent>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace zeva::ui {

HintTiming::HintTiming(QObject* parent) : QObject(parent), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &HintTiming::show);
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(0x00, 0xFF, 0xFF));
    hints.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(hints);
}

void HintTiming::watch(QWidget* w) {
    w->installEventFilter(this);
    w->setToolTipDuration(kHintHideMs);
}

bool HintTiming::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::ToolTip:
        return true; // shown by the timer instead
    case QEvent::Enter:
        pending_ = w;
        timer_->start(kHintShowMs);
        break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
        if (pending_ == w) {
            timer_->stop();
            pending_ = nullptr;
        }
        QToolTip::hideText();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void HintTiming::show() {
    if (!pending_ || !pending_->isVisible() || pending_->toolTip().isEmpty()) return;
    QToolTip::showText(QCursor::pos(), pending_->toolTip(), pending_, QRect(), kHintHideMs);
}

} // namespace zeva::ui
