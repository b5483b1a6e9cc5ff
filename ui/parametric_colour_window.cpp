#include "ui/parametric_colour_window.h"

#include "settings/text_table.h"
#include "ui/dialog_texts.h"
#include "ui/ui_text.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace zeva::ui {

// One colour scale: columns every 3 pixels, "0.0" and "1.0" at its ends.
class ColourStrip : public QWidget {
  public:
    explicit ColourStrip(QWidget* parent) : QWidget(parent) { setMinimumSize(240, 34); }
    void setMode(int mode) {
        mode_ = mode;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int textHeight = fontMetrics().height();
        const int stripHeight = std::max(8, height() - textHeight - 2);
        const std::vector<int32_t> colours = colourStrip(mode_, width());
        for (size_t i = 0; i < colours.size(); ++i) {
            p.setPen(QPen(qtColour(colours[i]), kStripStep));
            const int x = static_cast<int>(i) * kStripStep + 1;
            p.drawLine(x, 0, x, stripHeight);
        }
        p.setPen(palette().color(QPalette::WindowText));
        const QRect text(0, stripHeight + 1, width(), textHeight);
        p.drawText(text, Qt::AlignLeft, QStringLiteral("0.0"));
        p.drawText(text, Qt::AlignRight, QStringLiteral("1.0"));
    }

  private:
    int mode_ = 1;
};

ParametricColourWindow::ParametricColourWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TVcolpar"));
    setWindowTitle(messageText(kMsgParametricColour));
    auto* group = new QGroupBox(messageText(kMsgColourShape), this);
    auto* grid = new QGridLayout(group);
    static constexpr const char* kNames[] = {"RB1", "RB2", "RB3"};
    for (int i = 0; i < 3; ++i) {
        buttons_[i] = new QRadioButton(QStringLiteral("&%1").arg(i + 1), group);
        buttons_[i]->setObjectName(QLatin1String(kNames[i]));
        strips_[i] = new ColourStrip(group);
        grid->addWidget(buttons_[i], i * 2, 0);
        grid->addWidget(strips_[i], i * 2, 1);
        connect(buttons_[i], &QRadioButton::clicked, this, [this, i] {
            choice_.chooseScale(i + 1);
            showChoice();
        });
    }
    hue_ = new QScrollBar(Qt::Horizontal, group);
    hue_->setObjectName(QStringLiteral("SB1"));
    hue_->setRange(kFirstHueMode, kLastHueMode);
    grid->addWidget(hue_, 5, 1);
    connect(hue_, &QScrollBar::valueChanged, this, [this](int mode) {
        choice_.setHueMode(mode);
        showChoice();
    });
    strips_[0]->setMode(1);
    strips_[1]->setMode(2);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(messageText(settings::kMsgOk), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(messageText(settings::kMsgCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    showChoice();
}

void ParametricColourWindow::showChoice() {
    buttons_[static_cast<size_t>(choice_.scale() - 1)]->setChecked(true);
    strips_[2]->setMode(choice_.hueMode());
}

ParametricColourWindow*
openParametricColourWindow(QWidget* parent, std::function<void(std::optional<int32_t>)> done) {
    auto* w = new ParametricColourWindow(parent);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowModality(Qt::WindowModal);
    QObject::connect(w, &QDialog::finished, w, [w, done = std::move(done)](int result) {
        if (done)
            done(result == QDialog::Accepted ? std::optional<int32_t>(w->choice().mode())
                                             : std::nullopt);
    });
    w->show();
    return w;
}

} // namespace zeva::ui
