// The main window's menu bar, built from the menu table: captions from the text table (so a
// language file changes them), shortcuts, the "&Edición" rule, the open documents and the
// recent files.
#include "ui/main_window.h"

#include "ui/document_commands.h"
#include "ui/figure_clipboard.h"

#include "ui/interface_texts.h"
#include "ui/macro_window.h"
#include "ui/tool_selection.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>

namespace zeva::ui {

namespace {

constexpr char kKeyProperty[] = "zevaMenuKey";
constexpr char kToolProperty[] = "zevaMenuTool";
constexpr int kMacrosMenuKey = 554; // "&Macros"

QString textOf(std::string_view s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

} // namespace

void MainWindow::buildMenus() {
    for (const Menu& m : mainMenus()) {
        QMenu* menu = buildMenu(m);
        menus_.push_back(menu);
    }
    editMenu_ = menus_[2];
    connect(editMenu_, &QMenu::aboutToShow, this, &MainWindow::refreshEditMenu);
    // While the menu is closed every item stays enabled, so its shortcut reaches the item's
    // handler, which checks the rule itself at that moment.
    connect(editMenu_, &QMenu::aboutToHide, this, [this] {
        for (const auto& [action, rule] : editActions_)
            action->setEnabled(true);
    });
    connect(menus_[1], &QMenu::aboutToShow, this, &MainWindow::refreshToggleItems);
    // "&Macros": after "Macros...", the macros of this and the other open documents.
    if (QAction* macros = menuItem(kMacrosMenuKey); macros && macros->menu()) {
        QMenu* menu = macros->menu();
        connect(menu, &QMenu::aboutToShow, this, [this, menu] {
            if (!noDocument_) macroWindow().fillMacrosMenu(*menu);
        });
    }
    refreshRecentFiles();
}

QMenu* MainWindow::buildMenu(const Menu& m) {
    QMenu* top = menuBar()->addMenu(QString());
    setCaptionKey(top->menuAction(), m.key);
    top->menuAction()->setProperty(kKeyProperty, m.key);
    QMenu* menu = top;
    for (const MenuItem& item : m.items) {
        switch (item.kind) {
        case MenuItemKind::SubmenuBegin: {
            menu = top->addMenu(QString());
            setCaptionKey(menu->menuAction(), item.key);
            menu->menuAction()->setProperty(kKeyProperty, item.key);
            allActions_.push_back(menu->menuAction());
            break;
        }
        case MenuItemKind::SubmenuEnd:
            menu = top;
            break;
        case MenuItemKind::RecentFiles:
            recentMenu_ = menu->addMenu(QString());
            setCaptionKey(recentMenu_->menuAction(), item.key);
            recentMenu_->menuAction()->setProperty(kKeyProperty, item.key);
            allActions_.push_back(recentMenu_->menuAction());
            break;
        case MenuItemKind::Documents:
            documentMenu_ = menu;
            documentGroup_ = new QActionGroup(this);
            documentGroup_->setExclusive(true);
            break;
        case MenuItemKind::Separator:
            menu->addSeparator();
            break;
        case MenuItemKind::Command:
        case MenuItemKind::Tool:
            addItem(menu, item);
            break;
        }
    }
    return top;
}

QAction* MainWindow::addItem(QMenu* menu, const MenuItem& item) {
    QAction* a = menu->addAction(QString());
    allActions_.push_back(a);
    if (!item.shortcut.empty()) {
        a->setShortcut(QKeySequence(textOf(item.shortcut)));
        // The shortcuts act wherever the focus is in the window, also before any menu opened.
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    a->setCheckable(item.checkable);
    const EditRule rule = item.rule;
    if (rule != EditRule::Always) editActions_.emplace_back(a, rule);
    if (item.kind == MenuItemKind::Tool) {
        setToolCaption(a, item.tool);
        a->setProperty(kToolProperty, item.tool);
        connect(a, &QAction::triggered, this, [this, t = item.tool, rule] {
            if (itemAllowed(rule)) chooseTool(t);
        });
        return a;
    }
    setCaptionKey(a, item.key);
    a->setProperty(kKeyProperty, item.key);
    commandActions_.emplace(item.command, a);
    connect(a, &QAction::triggered, this, [this, c = item.command, rule] {
        if (itemAllowed(rule)) run(c);
    });
    return a;
}

bool MainWindow::itemAllowed(EditRule rule) const {
    if (noDocument_ && rule != EditRule::Always) return false;
    return editRuleAllows(rule, noDocument_ ? nullptr : documents_.current(),
                          (rule == EditRule::Picture && clipboardHasPicture()) ||
                              (rule == EditRule::Figure && commands_ && commands_->canPaste()));
}

QAction* MainWindow::menuItem(int key) const {
    for (QAction* a : menuBar()->actions())
        if (a->property(kKeyProperty).toInt() == key && a->property(kKeyProperty).isValid())
            return a;
    for (QAction* a : allActions_)
        if (a->property(kKeyProperty).isValid() && a->property(kKeyProperty).toInt() == key)
            return a;
    return nullptr;
}

QAction* MainWindow::toolMenuItem(ToolCode t) const {
    for (QAction* a : allActions_)
        if (a->property(kToolProperty).isValid() && a->property(kToolProperty).toInt() == t)
            return a;
    return nullptr;
}

// "&Edición" opens: its element items need elements, "Deshacer" the undo snapshot, the
// clipboard items a selection or a picture.
void MainWindow::refreshEditMenu() {
    for (const auto& [action, rule] : editActions_)
        action->setEnabled(itemAllowed(rule));
}

void MainWindow::refreshToggleItems() {
    const auto check = [this](Command c, bool on) {
        const auto it = commandActions_.find(c);
        if (it != commandActions_.end()) it->second->setChecked(on);
    };
    check(Command::ShowHidden, session().showHidden);
    check(Command::FullScreen, fullScreen_);
    check(Command::ShowMainButtons, !mainBar()->isHidden() || noDocument_);
    check(Command::ShowEditButtons, !editBar()->isHidden() || noDocument_);
    check(Command::ShowStatusBar, settings::options().showStatusBar != 0);
}

// The "&Documento" entries and the box: one per open document in opening order, the current
// one checked.
void MainWindow::refreshDocumentLists() {
    for (QAction* a : documentEntries_) {
        documentMenu_->removeAction(a);
        delete a;
    }
    documentEntries_.clear();
    documentBox_->clear();
    const document::Document* current = noDocument_ ? nullptr : documents_.current();
    for (int i = 0; i < documents_.count(); ++i) {
        const document::Document& d = *documents_.documents()[size_t(i)];
        const QString caption = qtText(document::captionOf(d));
        QAction* a = documentMenu_->addAction(caption);
        a->setCheckable(true);
        a->setChecked(&d == current);
        documentGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] {
            if (i < documents_.count()) showDocument(documents_.documents()[size_t(i)].get());
        });
        documentEntries_.push_back(a);
        documentBox_->addItem(caption);
    }
    documentBox_->setCurrentIndex(current ? documents_.indexOf(current) : -1);
}

// "Abrir recientes": the recent files, most recent first ("&0 path"), or the empty-list entry.
void MainWindow::refreshRecentFiles() {
    documentCommands().fillRecentMenu(*recentMenu_);
}

// After a language load: every caption and hint again, and what shows the texts.
void MainWindow::retranslate() {
    applyInterfaceTexts(this);
    refreshRecentFiles();
    refreshDocumentLists();
    refreshHeldGlyphs();
    refreshCaption();
    retranslateStatus(session());
}

} // namespace zeva::ui
