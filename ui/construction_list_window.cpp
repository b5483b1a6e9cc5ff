#include "ui/construction_list_window.h"

#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/construction_change.h"
#include "ui/tool_window_placement.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QListView>
#include <QMoveEvent>
#include <QPushButton>
#include <QResizeEvent>
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
QColor fromColorRef(int ref) {
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}
int colorRefOf(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

QFont fontOf(const settings::FontOption& f) {
    QFont font(text(f.name));
    font.setPointSize(std::max(1, f.size));
    font.setBold(f.bold != 0);
    font.setItalic(f.italic != 0);
    font.setUnderline(f.underline != 0);
    font.setStrikeOut(f.strikeout != 0);
    return font;
}

QToolButton* panelButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                         const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolTip(hint);
    return b;
}

} // namespace

ConstructionListWindow::ConstructionListWindow(Session& session, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool), session_(session), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("TV_lista"));
    setSizeGripEnabled(true);
    setWindowTitle(text(settings::texts().controlText(604)));
    resize(360, 420);

    view_ = new QListView(this);
    view_->setObjectName(QStringLiteral("ListBox"));
    view_->setModel(&model_);
    view_->setUniformItemSizes(true); // tens of thousands of rows open at once
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    delegate_ = new ConstructionListDelegate(view_);
    view_->setItemDelegate(delegate_);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction(text(settings::texts().controlText(612)), view_);
    copy->setObjectName(QStringLiteral("Copiar"));
    view_->addAction(copy);

    auto* first =
        panelButton(this, "B_pri", QStyle::SP_MediaSkipBackward, message(settings::kMsgStepFirst));
    auto* previous = panelButton(this, "B_ant", QStyle::SP_MediaSeekBackward,
                                 message(settings::kMsgStepPrevious));
    auto* next =
        panelButton(this, "B_sig", QStyle::SP_MediaSeekForward, message(settings::kMsgStepNext));
    auto* last =
        panelButton(this, "B_ult", QStyle::SP_MediaSkipForward, message(settings::kMsgStepLast));
    showHidden_ = panelButton(this, "B_vertodo", QStyle::SP_FileDialogContentsView,
                              text(settings::texts().controlText(545)));
    showHidden_->setCheckable(true);
    auto* font = panelButton(this, "B_font", QStyle::SP_FileDialogDetailedView,
                             message(settings::kMsgListFont));
    auto* colour = panelButton(this, "B_colfon", QStyle::SP_DesktopIcon,
                               message(settings::kMsgListBackground));
    auto* ok = new QPushButton(message(settings::kMsgOk), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setAutoDefault(false);

    auto* panel = new QHBoxLayout;
    for (QToolButton* b : {first, previous, next, last, showHidden_, font, colour})
        panel->addWidget(b);
    panel->addStretch(1);
    panel->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(panel);

    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { rowChosen(current.row()); });
    connect(first, &QToolButton::clicked, this, [this] { chooseRow(0); });
    connect(last, &QToolButton::clicked, this, [this] { chooseRow(model_.rowCount() - 1); });
    connect(previous, &QToolButton::clicked, this, [this] {
        const int row = view_->currentIndex().row();
        chooseRow(row < 0 ? 0 : std::max(0, row - 1));
    });
    connect(next, &QToolButton::clicked, this, [this] {
        const int row = view_->currentIndex().row();
        chooseRow(row < 0 ? 0 : std::min(model_.rowCount() - 1, row + 1));
    });
    connect(showHidden_, &QToolButton::toggled, this, [this] {
        model::Element* chosen = highlighted_;
        rebuild();
        const int row = model_.rowOf(chosen);
        if (row >= 0)
            chooseRow(row);
        else
            highlight(nullptr);
    });
    connect(font, &QToolButton::clicked, this, [this] {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, view_->font(), this);
        if (!ok) return;
        settings::FontOption& f = settings::options().listFont;
        f.name = chosen.family().toStdString();
        f.size = chosen.pointSize();
        f.bold = chosen.bold() ? 1 : 0;
        f.italic = chosen.italic() ? 1 : 0;
        f.underline = chosen.underline() ? 1 : 0;
        f.strikeout = chosen.strikeOut() ? 1 : 0;
        applyListLook();
    });
    connect(colour, &QToolButton::clicked, this, [this] {
        const QColor chosen =
            QColorDialog::getColor(fromColorRef(settings::options().listBackground), this);
        if (!chosen.isValid()) return;
        settings::options().listBackground = colorRefOf(chosen);
        applyListLook();
    });
    connect(copy, &QAction::triggered, this, &ConstructionListWindow::copyToClipboard);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void ConstructionListWindow::start() {
    applyListLook();
    rebuild();
    if (!placedByUser_) {
        placing_ = true;
        placeAtRightEdge(*this, mainWindow_);
        placing_ = false;
    }
    show();
    raise();
}

void ConstructionListWindow::applyListLook() {
    const settings::Options& o = settings::options();
    view_->setFont(fontOf(o.listFont));
    delegate_->backgroundColorRef = o.listBackground;
    delegate_->fontColour = fromColorRef(o.listFont.color);
    delegate_->hiddenColour = fromColorRef(o.hiddenColor);
    QPalette p = view_->palette();
    p.setColor(QPalette::Base, fromColorRef(o.listBackground));
    view_->setPalette(p);
    view_->viewport()->update();
}

void ConstructionListWindow::rebuild() {
    const document::Document* d = session_.document();
    model_.setItems(
        d ? constructionList(d->construction, showHidden_->isChecked(), settings::texts())
          : std::vector<StepItem>{});
}

void ConstructionListWindow::chooseRow(int row) {
    if (row < 0 || row >= model_.rowCount()) return;
    view_->setCurrentIndex(model_.index(row));
}

void ConstructionListWindow::rowChosen(int row) {
    model::Element* e = nullptr;
    if (row >= 0 && row < model_.rowCount()) e = model_.items()[static_cast<size_t>(row)].element;
    highlight(e);
}

void ConstructionListWindow::highlight(model::Element* e) {
    document::Document* d = session_.document();
    if (!d) {
        highlighted_ = nullptr;
        return;
    }
    // The figure may have changed since the list was built: touch only elements still in it.
    if (isInDocument(session_, highlighted_)) highlighted_->selected = 0;
    highlighted_ = isInDocument(session_, e) ? e : nullptr;
    if (highlighted_) highlighted_->selected = 1;
    session_.view().redraw();
    session_.host.repaint();
}

void ConstructionListWindow::copyToClipboard() {
    QApplication::clipboard()->setText(text(constructionListText(model_.items())));
}

void ConstructionListWindow::done(int result) {
    highlight(nullptr);
    QDialog::done(result);
}

void ConstructionListWindow::moveEvent(QMoveEvent* event) {
    if (isVisible() && !placing_ && event->spontaneous()) placedByUser_ = true;
    QDialog::moveEvent(event);
}

void ConstructionListWindow::resizeEvent(QResizeEvent* event) {
    if (isVisible() && !placing_ && event->spontaneous()) placedByUser_ = true;
    QDialog::resizeEvent(event);
}

} // namespace zeva::ui
