#pragma once
// The main menu as data: every menu and item in order, with its caption's text-table key (or
// the tool whose text it shows), its shortcut and what it does. The window builds its menu bar
// from this table, and the "&Edición" rule decides which items act.

#include "document/document.h"
#include "ui/tool_codes.h"
#include "ui/window_commands.h"

#include <span>
#include <string_view>

namespace zeva::ui {

enum class MenuItemKind {
    Command,     // runs `command`
    Tool,        // chooses `tool`, as its button does; captioned with the tool's text
    Separator,
    SubmenuBegin, // a submenu captioned by `key`; items up to SubmenuEnd go in it
    SubmenuEnd,
    RecentFiles,  // "Abrir recientes": the stored recent files
    Documents,    // one entry per open document
};

// When an "&Edición" item may act (checked when the menu opens and again when the item or its
// shortcut acts).
enum class EditRule {
    Always,
    Elements,    // the construction has at least one element
    Undo,        // an undo snapshot exists
    Selection,   // some element is selected
    Traces,      // some trace is on
    Picture,     // the system clipboard holds a picture
    Figure,      // a copied figure can be pasted
};

struct MenuItem {
    MenuItemKind kind = MenuItemKind::Command;
    int key = -1; // caption key (menus, commands, submenus)
    Command command = Command::New;
    ToolCode tool = -1;
    std::string_view shortcut; // portable text of the key sequence, empty: none
    EditRule rule = EditRule::Always;
    bool checkable = false;
};

struct Menu {
    int key; // the menu's caption key
    std::span<const MenuItem> items;
};

// The nine menus of the menu bar in order.
std::span<const Menu> mainMenus();

// Whether an item governed by `rule` may act on document `d` (none: no document shown);
// `clipboardHolds` says whether the clipboard holds what a Picture or Figure item pastes.
bool editRuleAllows(EditRule rule, const document::Document* d, bool clipboardHolds);

// Extra texts of the window (keys 2000 + n).
namespace windowText {
inline constexpr int Options = 2000;            // "Opciones"
inline constexpr int ClearRecentFiles = 2001;   // "Eliminar lista de recientes"
inline constexpr int StepByStep = 2002;         // "Paso a Paso..."
inline constexpr int MoveScreen = 2003;         // "Mover la Pantalla..."
inline constexpr int FullScreen = 2004;         // "Pantalla Completa"
inline constexpr int PastePicture = 2005;       // "Pegar imagen"
inline constexpr int TracesOff = 2006;          // "Desactivar trazas"
inline constexpr int Redraw = 2007;             // "Redibujar"
inline constexpr int Macros = 2008;             // "Macros..."
inline constexpr int DocumentsList = 2009;      // "Lista documentos..."
inline constexpr int DocumentFilter = 2010;     // the open/save dialogs' document filter
inline constexpr int MacroFilter = 2011;        // their macro filter
inline constexpr int AllFilesFilter = 2012;     // every file
} // namespace windowText

} // namespace zeva::ui
