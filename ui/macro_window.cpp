#include "ui/macro_window.h"

#include "macro/macro_slots.h"
#include "settings/help.h"
#include "settings/program_texts.h"
#include "settings/text_table.h"
#include "ui/help_window.h"
#include "ui/tool_codes.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zeva::ui {

namespace {

using settings::texts;

QString extraText(int slot) {
    return qtText(texts().extraMessage(slot));
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

std::optional<QString> fileFromDialog(QWidget* parent, bool save, const QString& directory,
                                      const QString& suggested) {
    QFileDialog dialog(parent);
    dialog.setDirectory(directory);
    dialog.setDefaultSuffix(QStringLiteral("MAC"));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QStringLiteral("MAC (*.MAC *.mac)"));
        dialog.selectFile(suggested);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({QStringLiteral("MAC (*.MAC *.mac)"), QStringLiteral("*.* (*)")});
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

MacroWindow::MacroWindow(MacroTools& tools, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool), tools_(tools) {
    setObjectName(QStringLiteral("TMacCon"));
    Mnemonics mnemonics;

    auto* heading = new QLabel(messageText(25), this); // "Nueva Macro:"
    heading->setObjectName(QStringLiteral("Label1"));
    initial_ = button(this, "B_eini", mnemonics.mark(messageText(22)));
    final_ = button(this, "B_efin", mnemonics.mark(messageText(23)));
    complete_ = button(this, "B_comp", mnemonics.mark(messageText(24)));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setContextMenuPolicy(Qt::CustomContextMenu); // a right click renames
    list_->setMinimumSize(220, 200);
    auto* listLabel = new QLabel(mnemonics.mark(extraText(settings::kExtraMacroList)), this);
    listLabel->setBuddy(list_);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setTabChangesFocus(true);
    memo_->setMinimumWidth(260);
    memo_->installEventFilter(this);
    auto* memoLabel = new QLabel(mnemonics.mark(extraText(settings::kExtraMacroDescription)), this);
    memoLabel->setBuddy(memo_);

    apply_ = button(this, "B_activar", mnemonics.mark(messageText(settings::kMsgMacroApply)));
    rename_ = button(this, "B_nombre", mnemonics.mark(messageText(settings::kMsgRenameMacro)));
    delete_ = button(this, "B_eliminar", mnemonics.mark(messageText(settings::kMsgDeleteMacro)));
    save_ = button(this, "B_guarmac", mnemonics.mark(messageText(21)));
    load_ = button(this, "B_carmac", mnemonics.mark(messageText(20)));
    help_ = button(this, "B_ayuda", mnemonics.mark(messageText(settings::kMsgHelpButton)));
    close_ = button(this, "B_no", messageText(settings::kMsgOk));
    close_->setDefault(true);

    auto* newMacro = new QHBoxLayout;
    newMacro->addWidget(heading);
    newMacro->addWidget(initial_);
    newMacro->addWidget(final_);
    newMacro->addWidget(complete_);
    newMacro->addStretch(1);

    auto* lists = new QGridLayout;
    lists->addWidget(listLabel, 0, 0);
    lists->addWidget(memoLabel, 0, 1);
    lists->addWidget(list_, 1, 0);
    lists->addWidget(memo_, 1, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);

    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {apply_, rename_, delete_, save_, load_})
        commands->addWidget(b);
    commands->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(help_);
    bottom->addStretch(1);
    bottom->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(newMacro);
    layout->addLayout(lists, 1);
    layout->addLayout(commands);
    layout->addLayout(bottom);

    setTabOrder(list_, memo_);
    setTabOrder(memo_, apply_);

    connect(initial_, &QPushButton::clicked, this, [this] {
        storeMemo();
        tools_.chooseInitial();
        hide();
    });
    connect(final_, &QPushButton::clicked, this, [this] {
        storeMemo();
        tools_.chooseFinal();
        hide();
    });
    connect(complete_, &QPushButton::clicked, this, &MacroWindow::complete);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int) { showSelection(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) { apply(); });
    connect(list_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QListWidgetItem* item = list_->itemAt(at)) {
            list_->setCurrentItem(item);
            rename();
        }
    });
    connect(apply_, &QPushButton::clicked, this, &MacroWindow::apply);
    connect(rename_, &QPushButton::clicked, this, &MacroWindow::rename);
    connect(delete_, &QPushButton::clicked, this, &MacroWindow::remove);
    connect(save_, &QPushButton::clicked, this, &MacroWindow::save);
    connect(load_, &QPushButton::clicked, this, &MacroWindow::showLoadMenu);
    connect(help_, &QPushButton::clicked, this,
            [this] { showHelpTopic(parentWidget() ? parentWidget() : this,
                                   settings::kHelpTopicMacroDialog); });
    connect(close_, &QPushButton::clicked, this, &QDialog::hide);

    // The dialogs start in the folder of the last file chosen anywhere in the program (the
    // window's file dialogs keep it as the current folder) and leave their own choice there.
    chooseFile = [this](bool save, const QString& suggested) {
        std::optional<QString> path = fileFromDialog(this, save, QDir::currentPath(), suggested);
        if (path) QDir::setCurrent(QFileInfo(*path).absolutePath());
        return path;
    };
    askName = [this](const QString& current) -> std::optional<QString> {
        bool ok = false;
        const QString answer =
            QInputDialog::getText(this, qtText(settings::kProgramTitle), messageText(15),
                                  QLineEdit::Normal, current, &ok);
        if (!ok) return std::nullopt;
        return answer;
    };
    refresh();
}

void MacroWindow::openFromTool() {
    tools_.dialogOpened();
    refresh();
    show();
    raise();
    activateWindow();
}

void MacroWindow::refreshCaption() {
    const document::Document* d = document();
    QString caption = messageText(settings::kMsgMacroDialogTitle);
    if (d) caption += QStringLiteral(" - ") + qtText(document::captionOf(*d));
    setWindowTitle(caption);
}

void MacroWindow::showStates() {
    const MacroDialogState state = tools_.dialogState();
    initial_->setEnabled(state.initialEnabled);
    final_->setEnabled(state.finalEnabled);
    complete_->setEnabled(state.completeEnabled);
    const bool selected = selectedIndex() >= 0;
    for (QWidget* w : std::initializer_list<QWidget*>{apply_, save_, rename_, delete_, memo_})
        w->setEnabled(selected);
    load_->setEnabled(document() != nullptr);
}

void MacroWindow::refresh() {
    const int keep = list_->currentRow();
    {
        const QSignalBlocker blocker(list_);
        list_->clear();
        if (const document::Document* d = document())
            for (const auto& m : d->macros)
                list_->addItem(qtText(m.name));
        if (keep >= 0 && keep < list_->count()) list_->setCurrentRow(keep);
    }
    refreshCaption();
    showSelection();
}

int MacroWindow::selectedIndex() const {
    const document::Document* d = document();
    const int row = list_->currentRow();
    return d && row >= 0 && row < static_cast<int>(d->macros.size()) ? row : -1;
}

void MacroWindow::select(int index) {
    if (index >= 0 && index < list_->count())
        list_->setCurrentRow(index);
    else
        list_->setCurrentRow(-1);
    showSelection();
}

void MacroWindow::showSelection() {
    const int index = selectedIndex();
    if (index != shownIndex_) {
        storeMemo(); // what was typed for the macro shown before is not lost
        shownIndex_ = index;
        QStringList lines;
        if (index >= 0)
            for (const std::string& line : document()->macros[static_cast<size_t>(index)].description)
                lines << qtText(line);
        const QSignalBlocker blocker(memo_);
        memo_->setPlainText(lines.join(QLatin1Char('\n')));
    }
    showStates();
}

void MacroWindow::storeMemo() {
    document::Document* d = document();
    if (!d || shownIndex_ < 0 || shownIndex_ >= static_cast<int>(d->macros.size())) return;
    std::vector<std::string> lines;
    const QString text = memo_->toPlainText();
    if (!text.isEmpty())
        for (const QString& line : text.split(QLatin1Char('\n')))
            lines.push_back(utf8Text(line));
    macro::describeMacro(*d, shownIndex_, lines);
}

bool MacroWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo_ && event->type() == QEvent::FocusOut) storeMemo();
    return QDialog::eventFilter(watched, event);
}

void MacroWindow::hideEvent(QHideEvent* event) {
    storeMemo();
    QDialog::hideEvent(event);
}

void MacroWindow::complete() {
    if (!tools_.hasFreeSlot()) {
        tools_.complete({}); // says why
        return;
    }
    const std::optional<QString> name = askName(QString());
    if (!name) return;
    const int index = tools_.complete(utf8Text(*name));
    if (index < 0) return;
    refresh();
    select(index);
}

void MacroWindow::apply() {
    const int index = selectedIndex();
    if (index < 0) return;
    storeMemo();
    if (tools_.startApplying(document()->macros[static_cast<size_t>(index)])) hide();
}

void MacroWindow::rename() {
    const int index = selectedIndex();
    if (index < 0) return;
    const std::optional<QString> answer =
        askName(qtText(document()->macros[static_cast<size_t>(index)].name));
    if (answer && macro::renameMacro(*document(), index, utf8Text(*answer))) {
        refresh();
        select(index);
    }
}

void MacroWindow::remove() {
    const int index = selectedIndex();
    if (index < 0) return;
    const int next = macro::deleteMacro(*document(), index);
    {
        const QSignalBlocker blocker(list_);
        delete list_->takeItem(index);
        const QSignalBlocker memoBlocker(memo_);
        memo_->clear(); // its description went with it
    }
    shownIndex_ = -1;
    select(next);
}

void MacroWindow::save() {
    const int index = selectedIndex();
    if (index < 0) return;
    storeMemo();
    const QString name = qtText(document()->macros[static_cast<size_t>(index)].name);
    const std::optional<QString> path = chooseFile(true, name + QStringLiteral(".MAC"));
    if (!path) return;
    tools_.saveFile(index, utf8Text(*path));
}

void MacroWindow::loadFromFile() {
    const std::optional<QString> path = chooseFile(false, QString());
    if (!path) return;
    const int index = tools_.loadFile(utf8Text(*path));
    if (index < 0) return;
    refresh();
    select(index);
}

void MacroWindow::copyFrom(document::Document* from, int index) {
    const int copied = tools_.copyFrom(*from, index);
    if (copied < 0) return;
    refresh();
    select(copied);
}

void MacroWindow::applyFrom(document::Document* from, int index) {
    if (index < 0 || index >= static_cast<int>(from->macros.size())) return;
    if (tools_.startApplying(from->macros[static_cast<size_t>(index)])) hide();
}

void MacroWindow::showLoadMenu() {
    QMenu menu(this);
    connect(menu.addAction(messageText(settings::kMsgMacroLoadFromFile)), &QAction::triggered,
            this, &MacroWindow::loadFromFile);
    const std::vector<MacroMenuGroup> others = tools_.otherDocumentsMacros();
    if (!others.empty()) {
        menu.addSeparator();
        menu.addAction(messageText(settings::kMsgMacrosOfOtherDocuments))->setEnabled(false);
        for (const MacroMenuGroup& g : others) {
            QMenu* sub = menu.addMenu(qtText(g.caption));
            for (size_t i = 0; i < g.names.size(); ++i)
                connect(sub->addAction(qtText(g.names[i])), &QAction::triggered, this,
                        [this, d = g.document, i] { copyFrom(d, static_cast<int>(i)); });
        }
    }
    menu.exec(load_->mapToGlobal(QPoint(0, load_->height())));
}

void MacroWindow::fillMacrosMenu(QMenu& menu) {
    // The menu's own items ("Macros...") stay; what follows them is rebuilt.
    const QList<QAction*> items = menu.actions();
    for (qsizetype i = 1; i < items.size(); ++i) {
        menu.removeAction(items[i]);
        if (QMenu* sub = items[i]->menu())
            sub->deleteLater(); // with its own action
        else if (items[i]->parent() == &menu)
            items[i]->deleteLater();
    }
    if (document::Document* d = document(); d && !d->macros.empty()) {
        menu.addSeparator();
        menu.addAction(messageText(settings::kMsgMacrosOfDocument))->setEnabled(false);
        for (size_t i = 0; i < d->macros.size(); ++i)
            connect(menu.addAction(qtText(d->macros[i].name)), &QAction::triggered, this,
                    [this, d, i] { applyFrom(d, static_cast<int>(i)); });
    }
    const std::vector<MacroMenuGroup> others = tools_.otherDocumentsMacros();
    if (others.empty()) return;
    menu.addSeparator();
    menu.addAction(messageText(settings::kMsgMacrosOfOtherDocuments))->setEnabled(false);
    for (const MacroMenuGroup& g : others) {
        QMenu* sub = menu.addMenu(qtText(g.caption));
        for (size_t i = 0; i < g.names.size(); ++i)
            connect(sub->addAction(qtText(g.names[i])), &QAction::triggered, this,
                    [this, d = g.document, i] { applyFrom(d, static_cast<int>(i)); });
    }
}

} // namespace zeva::ui
