// The main window's lay-out: the bars around the drawing area, the scroll bars, the status bar
// with its three panels, and the state with no document shown.
#include "ui/main_window.h"

#include "settings/options.h"
#include "ui/drawing_area.h"
#include "ui/tool_bars.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>

namespace zeva::ui {

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(13);
    bar->setFont(font);
    bar->setFixedHeight(20);
    const int widths[] = {80, 60, 0};
    for (size_t i = 0; i < statusPanels_.size(); ++i) {
        auto* label = new QLabel(bar);
        label->setFont(font);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        if (widths[i] > 0) label->setMinimumWidth(widths[i]);
        bar->addWidget(label, widths[i] > 0 ? 0 : 1);
        statusPanels_[i] = label;
    }
}

QLabel* MainWindow::statusPanel(int index) const {
    return index >= 0 && index < 3 ? statusPanels_[size_t(index)] : nullptr;
}

// Panels 0 and 1: the coordinate system and the angle unit of the current document.
void MainWindow::refreshStatusPanels() {
    const document::Document* d = documents_.current();
    if (!d || noDocument_) {
        statusPanels_[0]->clear();
        statusPanels_[1]->clear();
        return;
    }
    statusPanels_[0]->setText(d->units.polar() ? QStringLiteral("(r,theta)")
                                               : QStringLiteral("(x,y)"));
    static const char* const units[] = {"RAD", "DEG", "GRA"};
    statusPanels_[1]->setText(QLatin1String(units[model::toStored(d->units.angleUnit)]));
}

void MainWindow::layOut() {
    if (!client_) return;
    const QSize c = client_->size();
    const int top = mainBar_->isHidden() ? 0 : mainBarHeight();
    const int left = editBar_->isHidden() ? 0 : editBarWidth();
    const bool bars = !noDocument_;
    hBar_->setVisible(bars);
    vBar_->setVisible(bars);
    const int barWidth = bars ? vBar_->sizeHint().width() : 0;
    const int barHeight = bars ? hBar_->sizeHint().height() : 0;
    mainBar_->setGeometry(0, 0, c.width(), top);
    editBar_->setGeometry(0, top, left, std::max(0, c.height() - top));
    vBar_->setGeometry(c.width() - barWidth, top, barWidth, std::max(0, c.height() - top - barHeight));
    hBar_->setGeometry(left, c.height() - barHeight, std::max(0, c.width() - left - barWidth),
                       barHeight);
    area_->setGeometry(left, top, std::max(1, c.width() - left - barWidth),
                       std::max(1, c.height() - top - barHeight));
}

// With no document the tool bars, the status bar, the scroll bars and the menus that act on a
// document are hidden, and the drawing area is an empty grey surface.
void MainWindow::enterNoDocumentState(bool on) {
    if (noDocument_ == on && client_) {
        layOut();
        return;
    }
    noDocument_ = on;
    const settings::Options& o = settings::options();
    mainBar_->setHidden(on || !o.showMainButtons);
    editBar_->setHidden(on || !o.showEditButtons);
    statusBar()->setHidden(on || !o.showStatusBar);
    area_->setEmpty(on);
    for (size_t i = 1; i + 1 < menus_.size(); ++i)
        menus_[i]->menuAction()->setVisible(!on);
    for (Command c : {Command::Save, Command::SaveAs, Command::ExportDrawing, Command::Close,
                      Command::CloseAll, Command::Print, Command::PrintSetup, Command::Language,
                      Command::LoadOriginalOptions, Command::SaveOptions,
                      Command::HelpCurrentPage}) {
        const auto it = commandActions_.find(c);
        if (it != commandActions_.end()) it->second->setVisible(!on);
    }
    if (QAction* options = menuItem(windowText::Options)) options->setVisible(!on);
    layOut();
    refreshCaption();
}

} // namespace zeva::ui
