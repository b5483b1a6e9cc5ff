#include "ui/parameter_window.h"

#include "expr/parameter.h"
#include "settings/text_table.h"
#include "ui/dialog_texts.h"
#include "ui/field_warning.h"
#include "ui/tool_window_placement.h"
#include "ui/ui_text.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace zeva::ui {

ParameterWindow::ParameterWindow(Session& session, model::Element& parameter, QWidget* mainWindow)
    : QDialog(mainWindow), logic_(session, parameter) {
    setObjectName(QStringLiteral("TV_ed_param"));
    setWindowTitle(qtText(logic_.caption()));
    static constexpr const char* kNames[] = {"Ed_p", "Ed_a", "Ed_b"};
    static constexpr int kLabels[] = {kTextValue, kTextMinimum, kTextMaximum};
    auto* form = new QFormLayout;
    for (int f = 0; f < 3; ++f) {
        fields_[f] = new QLineEdit(this);
        fields_[f]->setObjectName(QLatin1String(kNames[f]));
        form->addRow(dialogText(kLabels[f]), fields_[f]);
        connect(fields_[f], &QLineEdit::textEdited, this, [this, f] { edited_[f] = true; });
    }
    track_ = new QSlider(Qt::Horizontal, this);
    track_->setObjectName(QStringLiteral("TB"));
    track_->setRange(0, expr::kTrackBarMax);
    track_->setMinimumWidth(260);
    track_->installEventFilter(this);
    auto* ok = new QPushButton(messageText(settings::kMsgOk), this);
    ok->setObjectName(QStringLiteral("B_ok"));
    ok->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(track_, 1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(bottom);
    setTabOrder(fields_[0], fields_[1]);
    setTabOrder(fields_[1], fields_[2]);
    setTabOrder(fields_[2], track_);
    setTabOrder(track_, ok);

    connect(track_, &QSlider::valueChanged, this, [this](int position) {
        if (showing_) return;
        logic_.slide(position);
        const QSignalBlocker block(fields_[ParameterLogic::Value]);
        fields_[ParameterLogic::Value]->setText(qtText(logic_.shownTexts()[ParameterLogic::Value]));
        edited_[ParameterLogic::Value] = false;
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (applyTyped(false)) accept();
    });
    showValues();
}

void ParameterWindow::showValues() {
    const ParameterLogic::Texts texts = logic_.shownTexts();
    for (int f = 0; f < 3; ++f)
        fields_[f]->setText(qtText(texts[f]));
    edited_ = {};
    if (const std::optional<int> position = logic_.trackPosition()) {
        showing_ = true;
        track_->setValue(*position);
        showing_ = false;
    }
}

bool ParameterWindow::applyTyped(bool quietly) {
    std::array<std::optional<std::string>, 3> typed;
    for (int f = 0; f < 3; ++f)
        if (edited_[f]) typed[f] = utf8Text(fields_[f]->text());
    if (const auto refused = logic_.apply(typed)) {
        if (quietly) {
            // Leaving the fields for the track bar: what the window found comes back.
            logic_.restore();
            showValues();
        } else {
            refuseField(this, fields_[*refused], messageText(kMsgInvalidInput));
        }
        return false;
    }
    showValues();
    return true;
}

void ParameterWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        applyTyped(false); // Enter applies and the window stays
        return;
    }
    QDialog::keyPressEvent(event); // Esc rejects
}

bool ParameterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == track_ && event->type() == QEvent::FocusIn) applyTyped(true);
    return QDialog::eventFilter(watched, event);
}

void ParameterWindow::done(int result) {
    if (result == QDialog::Rejected) logic_.restore();
    logic_.finish();
    QDialog::done(result);
}

ParameterWindow* openParameterWindow(QWidget* mainWindow, Session& s, model::Element& parameter) {
    auto* w = new ParameterWindow(s, parameter, mainWindow);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowModality(Qt::WindowModal);
    w->show();
    w->adjustSize();
    placeOverStatusBar(*w, mainWindow);
    return w;
}

} // namespace zeva::ui
