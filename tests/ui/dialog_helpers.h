#pragma once
// Helpers for tests of modal windows: answer the next modal window as a user would, and read
// every text a window shows.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>

#include <functional>

namespace zeva::testing {

// Runs `answer` on the next modal window that opens (polling, since it opens inside an exec that
// has not started yet), or gives up after a few seconds.
inline void onNextModal(std::function<void(QWidget*)> answer, QWidget* notThis = nullptr,
                        int triesLeft = 300) {
    QTimer::singleShot(10, [answer = std::move(answer), notThis, triesLeft]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != notThis) {
            answer(modal);
            return;
        }
        if (triesLeft > 0) onNextModal(std::move(answer), notThis, triesLeft - 1);
    });
}

// Closes the next message box with `button`, keeping its text.
inline void answerNextMessageBox(QString* text,
                                 QMessageBox::StandardButton button = QMessageBox::Ok,
                                 QWidget* notThis = nullptr) {
    onNextModal(
        [text, button](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                if (text) *text = box->text();
                box->done(button);
            } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
                dialog->reject();
            }
        },
        notThis);
}

// Every caption the window shows: its title, labels, buttons, group boxes and tabs, in the
// order of the widget tree.
inline QStringList captionsOf(const QWidget* window) {
    QStringList out{window->windowTitle()};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        if (auto* l = qobject_cast<const QLabel*>(w); l && l->pixmap().isNull()) out << l->text();
        if (auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty())
            out << b->text();
        if (auto* g = qobject_cast<const QGroupBox*>(w)) out << g->title();
        if (auto* t = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                out << t->tabText(i);
    }
    return out;
}

} // namespace zeva::testing
