// Loading a language while the editor is open: every menu caption and every button hint of the
// real window takes the new language's text at once, none stays empty, and the status panels and
// the tool name in the status panel follow.
#include "english_interface.h"
#include "qt_app.h"

#include "ui/interface_texts.h"
#include "ui/main_menu_table.h"
#include "ui/main_window.h"
#include "ui/tool_buttons.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>

namespace zeva::ui {
namespace {

// Every menu item with the text it must show under the current table.
std::vector<std::pair<QAction*, QString>> menuTexts(MainWindow& w) {
    std::vector<std::pair<QAction*, QString>> items;
    for (const Menu& m : mainMenus()) {
        items.push_back({w.menuItem(m.key), captionOfKey(m.key)});
        for (const MenuItem& item : m.items) {
            if (item.kind == MenuItemKind::Tool)
                items.push_back({w.toolMenuItem(item.tool), textOfTool(item.tool)});
            else if (item.kind == MenuItemKind::Command ||
                     item.kind == MenuItemKind::SubmenuBegin ||
                     item.kind == MenuItemKind::RecentFiles)
                items.push_back({w.menuItem(item.key), captionOfKey(item.key)});
        }
    }
    return items;
}

// Every button of both bars with the hint it must show under the current table; a held button's
// hint names the tool last chosen on its panel (empty here: any text of the table).
std::vector<std::pair<QToolButton*, QString>> buttonHints(MainWindow& w) {
    std::vector<std::pair<QToolButton*, QString>> hints;
    for (const auto& row : {std::span<const ToolButtonEntry>(kMainRow1),
                            std::span<const ToolButtonEntry>(kMainRow2),
                            std::span<const ToolButtonEntry>(kEditBar)}) {
        for (const ToolButtonEntry& e : row) {
            if (e.action == ButtonAction::Bevel || e.action == ButtonAction::DocumentBox) continue;
            const QString hint = e.hintKey >= 0 ? captionOfKey(e.hintKey)
                                 : e.tool >= 0  ? textOfTool(e.tool)
                                                : QString();
            hints.push_back({w.button(e.control), hint});
        }
    }
    return hints;
}

TEST(WindowLanguage, LoadingEnglishChangesEveryMenuCaptionAndButtonHintAtOnce) {
    testing::qtApp();
    MainWindow w;
    w.show();
    w.button("B_Circunf")->click();
    std::map<QObject*, QString> spanish;
    for (auto [a, text] : menuTexts(w)) spanish[a] = a->text();
    for (auto [b, hint] : buttonHints(w)) spanish[b] = b->toolTip();
    const QString spanishTool = w.statusPanel(2)->text();

    {
        testing::EnglishInterface english;
        w.retranslate();
        int changed = 0, total = 0;
        for (auto [a, text] : menuTexts(w)) {
            ASSERT_NE(a, nullptr);
            EXPECT_FALSE(text.isEmpty());
            EXPECT_EQ(a->text(), text);
            changed += a->text() != spanish[a];
            ++total;
        }
        for (auto [b, hint] : buttonHints(w)) {
            ASSERT_NE(b, nullptr);
            EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
            if (!hint.isEmpty()) {
                EXPECT_EQ(b->toolTip(), hint) << b->objectName().toStdString();
            }
            changed += b->toolTip() != spanish[b];
            ++total;
        }
        // A few words are the same in both languages ("Macros"); nearly everything changes.
        EXPECT_GT(changed, total * 9 / 10) << changed << " of " << total;
        // The tool's text, then its step's prompt, both in English.
        EXPECT_TRUE(w.statusPanel(2)->text().startsWith(textOfTool(tool::Circle) + QStringLiteral(" - ")))
            << w.statusPanel(2)->text().toStdString();
        EXPECT_NE(w.statusPanel(2)->text(), spanishTool);
    }
    // Back in Spanish, everything shows its first text again.
    w.retranslate();
    for (auto [a, text] : menuTexts(w)) EXPECT_EQ(a->text(), spanish[a]);
    for (auto [b, hint] : buttonHints(w)) EXPECT_EQ(b->toolTip(), spanish[b]);
    EXPECT_EQ(w.statusPanel(2)->text(), spanishTool);
}

} // namespace
} // namespace zeva::ui
