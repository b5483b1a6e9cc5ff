#include "ui/point_coordinates_window.h"

#include "settings/text_table.h"
#include "ui/dialog_texts.h"
#include "ui/field_warning.h"
#include "ui/ui_text.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zeva::ui {

PointCoordinatesWindow::PointCoordinatesWindow(Session& session, model::Element* plotted,
                                               model::Element* axes, QWidget* mainWindow)
    : QDialog(mainWindow), logic_(session, plotted, axes) {
    setObjectName(QStringLiteral("TV_puncoord"));
    setWindowTitle(qtText(settings::texts().toolText(tool::PlotPoints)));
    first_ = new QLineEdit(this);
    first_->setObjectName(QStringLiteral("Ed_cx"));
    second_ = new QLineEdit(this);
    second_->setObjectName(QStringLiteral("Ed_cy"));
    for (QLineEdit* e : {first_, second_}) {
        e->setMinimumWidth(120);
    }
    const auto [x, y] = logic_.startTexts();
    first_->setText(qtText(x));
    second_->setText(qtText(y));
    connect(first_, &QLineEdit::textEdited, this, [this] { firstChanged_ = true; });
    connect(second_, &QLineEdit::textEdited, this, [this] { secondChanged_ = true; });

    Mnemonics keys(QStringLiteral("r")); // "&Representar"
    rectangular_ = new QRadioButton(keys.mark(messageText(kMsgRectangular)), this);
    rectangular_->setObjectName(QStringLiteral("RB_rec"));
    polar_ = new QRadioButton(keys.mark(messageText(kMsgPolar)), this);
    polar_->setObjectName(QStringLiteral("RB_pol"));
    rectangular_->setChecked(true);
    closing_ = new QLabel(QStringLiteral(")"), this);
    auto* plot = new QPushButton(dialogText(kTextPlot), this);
    plot->setObjectName(QStringLiteral("B_rep"));
    plot->setAutoDefault(false);
    auto* close = new QPushButton(messageText(kMsgClose), this);
    close->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("("), this));
    row->addWidget(first_, 1);
    row->addWidget(new QLabel(QStringLiteral(","), this));
    row->addWidget(second_, 1);
    row->addWidget(closing_);
    auto* systems = new QHBoxLayout;
    systems->addWidget(rectangular_);
    systems->addWidget(polar_);
    systems->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(plot);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(systems);
    layout->addLayout(buttons);
    setTabOrder(first_, second_);
    setTabOrder(second_, rectangular_);
    setTabOrder(rectangular_, polar_);
    setTabOrder(polar_, plot);
    setTabOrder(plot, close);

    connect(polar_, &QRadioButton::toggled, this, [this](bool on) {
        logic_.setPolar(on);
        showSystem();
    });
    connect(plot, &QPushButton::clicked, this, &PointCoordinatesWindow::plot);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void PointCoordinatesWindow::showSystem() {
    closing_->setText(logic_.polar() ? qtText(logic_.angleUnitText()) + QStringLiteral(" )")
                                     : QStringLiteral(")"));
}

void PointCoordinatesWindow::plot() {
    const PointCoordinatesLogic::Outcome out = logic_.submit(
        utf8Text(first_->text()), utf8Text(second_->text()), firstChanged_, secondChanged_);
    if (out.refusedField) {
        refuseField(this, *out.refusedField == 0 ? first_ : second_, messageText(kMsgInvalidInput));
        return;
    }
    first_->clear();
    second_->clear();
    firstChanged_ = secondChanged_ = false;
    first_->setFocus();
}

void PointCoordinatesWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        plot();
        return;
    }
    QDialog::keyPressEvent(event);
}

PointCoordinatesWindow* openPointCoordinatesWindow(QWidget* mainWindow, Session& s,
                                                   model::Element* plotted, model::Element* axes) {
    auto* w = new PointCoordinatesWindow(s, plotted, axes, mainWindow);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowModality(Qt::WindowModal);
    w->show();
    if (mainWindow) {
        const QRect main = mainWindow->frameGeometry();
        w->move(main.center() - QPoint(w->width() / 2, w->height() / 2));
    }
    w->firstField()->setFocus();
    return w;
}

} // namespace zeva::ui
