#pragma once
// The main window's commands that are not tools: what its menu items and non-tool buttons do.
// The window runs each through one function (MainWindow::run), so a menu item, its shortcut
// and a button always act the same way.

namespace zeva::ui {

enum class Command {
    // "&Archivo"
    New,
    Open,
    Save,
    SaveAs,
    ExportDrawing,
    Close,
    CloseAll,
    Print,
    PrintSetup,
    GeneralOptions,
    Appearance,
    Fonts,
    Language,
    LoadOriginalOptions,
    SaveOptions,
    ClearRecentFiles,
    Exit,
    // "&Ver"
    ShowHidden,
    StepByStep,
    ConstructionList,
    MoveScreen,
    FullScreen,
    ShowMainButtons,
    ShowEditButtons,
    ShowStatusBar,
    // "&Edición"
    Undo,
    Cut,
    Copy,
    Paste,
    DeleteSelection,
    SelectAll,
    CopyPicture,
    PastePicture,
    DeleteAll,
    TracesOff,
    Redraw,
    // "&Macros"
    Macros,
    // "&Documento"
    NextDocument,
    PreviousDocument,
    DocumentsList,
    // "A&yuda"
    HelpContents,
    HelpCurrentPage,
    WhatsNew,
    About,
};

} // namespace zeva::ui
