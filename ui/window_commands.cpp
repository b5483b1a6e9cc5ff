// What the main window's commands and tool choices do: each menu item and button ends here.
#include "ui/main_window.h"

#include "settings/data_folders.h"
#include "settings/options.h"
#include "settings/options_file.h"
#include "settings/text_table.h"
#include "ui/about_dialog.h"
#include "ui/animation_window.h"
#include "ui/appearance_dialog.h"
#include "ui/construction_list_window.h"
#include "ui/drawing_area.h"
#include "ui/edit_bar.h"
#include "ui/file_commands.h"
#include "ui/fonts_dialog.h"
#include "ui/general_options_dialog.h"
#include "ui/help_window.h"
#include "ui/hit_test.h"
#include "ui/language_dialog.h"
#include "ui/later_windows.h"
#include "ui/macro_window.h"
#include "ui/move_screen_window.h"
#include "ui/options_menu.h"
#include "ui/program_folders.h"
#include "ui/step_window.h"
#include "ui/tool_selection.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QCoreApplication>

namespace zeva::ui {

namespace {

std::filesystem::path optionsFile() {
    return settings::optionsFilePath(
        std::filesystem::path(utf8Text(QCoreApplication::applicationDirPath())));
}

} // namespace

void MainWindow::notYetAvailable(const QString& what) {
    showNotYetAvailable(this, what);
}

void MainWindow::notYetAvailable(ToolCode tool) {
    showNotYetAvailable(this, tool);
}

void MainWindow::chooseTool(ToolCode t) {
    if (noDocument_) return;
    Session& s = session();
    switch (t) {
    case tool::HideShow:
        pressEditBarButton(s, EditBarButton::HideShow);
        return;
    case tool::EditElement:
        pressEditBarButton(s, EditBarButton::EditElement);
        return;
    case tool::DeleteElement:
        pressEditBarButton(s, EditBarButton::Delete);
        return;
    case tool::Font:
        pressEditBarButton(s, EditBarButton::Font);
        return;
    case tool::Animation:
        animationWindow().start();
        return;
    case tool::ApplyMacro:
        // The macro tool's button opens the macro window; its OK picks the macro to apply.
        editor_->selectTool(tool::ApplyMacro);
        macroWindow().openFromTool();
        return;
    case tool::MacroInitial:
        macroWindow().tools().chooseInitial();
        return;
    case tool::MacroFinal:
        macroWindow().tools().chooseFinal();
        return;
    case tool::Calculate:
    case tool::Parameter:
    case tool::Function:
        editor_->selectTool(t);
        openCalculator(t, nullptr);
        return;
    case tool::CheckParallel:
    case tool::CheckPerpendicular:
    case tool::CheckMembership:
    case tool::CheckEquidistance:
    case tool::CheckCollinearity:
        // The comparison button takes the checker chosen from the menu.
        s.tool.lastComparisonTool = t;
        editor_->selectTool(t);
        refreshHeldGlyphs();
        return;
    default:
        editor_->selectTool(t);
        return;
    }
}

void MainWindow::run(Command c) {
    settings::Options& options = settings::options();
    switch (c) {
    case Command::New:
        return file_commands::newDocument(*this);
    case Command::Open:
        return file_commands::open(*this);
    case Command::Save:
        return file_commands::save(*this);
    case Command::SaveAs:
        return file_commands::saveAs(*this);
    case Command::ExportDrawing:
        return file_commands::exportDrawing(*this);
    case Command::Close:
        return file_commands::close(*this);
    case Command::CloseAll:
        return file_commands::closeAll(*this);
    case Command::Print:
        return file_commands::print(*this);
    case Command::PrintSetup:
        return file_commands::printSetup(*this);
    case Command::ClearRecentFiles:
        return file_commands::clearRecentFiles(*this);
    case Command::Exit:
        return file_commands::exit(*this);
    case Command::GeneralOptions: {
        editor_->selectTool(tool::Move);
        OptionsHooks hooks;
        hooks.redraw = [this] {
            takeOptions();
            redraw(false);
        };
        hooks.applied = [this] {
            takeOptions();
            view_->clearTraces();
            refreshStatusPanels();
            redraw(true);
        };
        const document::ScreenSize screen{view_->transform().screenWidth,
                                          view_->transform().screenHeight};
        runGeneralOptions(this, options, documents_.current(), screen, hooks);
        return;
    }
    case Command::Appearance:
        editor_->selectTool(tool::Move);
        if (runAppearanceOptions(this, options, documents_.current()->units.backgroundColor)) {
            takeOptions();
            redraw(true);
        }
        return;
    case Command::Fonts:
        editor_->selectTool(tool::Move);
        if (runFontOptions(this, options, documents_.current()->units.backgroundColor)) {
            takeOptions();
            redraw(true);
        }
        return;
    case Command::Language:
        editor_->selectTool(tool::Move);
        if (runLanguageCommand(this, options, settings::texts(), programDataFolders())) {
            retranslate();
            takeOptions();
            redraw(true);
        }
        return;
    case Command::LoadOriginalOptions:
        runLoadOriginalOptions(options, documents_.current());
        takeOptions();
        view_->clearTraces();
        refreshStatusPanels();
        editor_->selectTool(tool::Move);
        redraw(true);
        return;
    case Command::SaveOptions:
        runSaveOptions(this, options, documents_.current(), optionsFile());
        return;
    case Command::ShowHidden:
        return setShowHidden(!session().showHidden);
    case Command::StepByStep:
        editor_->selectTool(tool::Move);
        stepWindow().start();
        return;
    case Command::ConstructionList:
        constructionListWindow().start();
        return;
    case Command::MoveScreen:
        editor_->selectTool(tool::Move);
        openMoveScreenWindow(this, session());
        return;
    case Command::FullScreen:
        return setFullScreen(!fullScreen_);
    case Command::ShowMainButtons:
        return setShowMainButtons(mainBar()->isHidden());
    case Command::ShowEditButtons:
        return setShowEditButtons(editBar()->isHidden());
    case Command::ShowStatusBar:
        return setShowStatusBar(options.showStatusBar == 0);
    case Command::Undo:
        editor_->undo();
        if (animation_) animation_->refresh();
        return;
    case Command::Cut:
        return file_commands::cut(*this);
    case Command::Copy:
        return file_commands::copy(*this);
    case Command::Paste:
        return file_commands::paste(*this);
    case Command::DeleteSelection:
        return file_commands::deleteSelection(*this);
    case Command::SelectAll:
        return file_commands::selectAll(*this);
    case Command::CopyPicture:
        return file_commands::copyPicture(*this);
    case Command::PastePicture:
        return file_commands::pastePicture(*this);
    case Command::DeleteAll:
        return file_commands::deleteAll(*this);
    case Command::TracesOff:
        editor_->turnTracesOff();
        return;
    case Command::Redraw:
        view_->clearTraces();
        redraw(true);
        hitTestAtCursor(session());
        return;
    case Command::Macros:
        return macroWindow().openFromTool();
    case Command::NextDocument:
        return file_commands::nextDocument(*this);
    case Command::PreviousDocument:
        return file_commands::previousDocument(*this);
    case Command::DocumentsList:
        return file_commands::documentsList(*this);
    case Command::HelpContents:
        showHelpContents(this);
        return;
    case Command::HelpCurrentPage:
        showHelpForTool(this, session().tool.active);
        return;
    case Command::WhatsNew:
        showWhatsNew(this);
        return;
    case Command::About:
        showAbout(this);
        return;
    }
}

} // namespace zeva::ui
