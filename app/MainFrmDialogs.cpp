// The modal dialogs the main window's own commands run by default.
#include "common/CommandTable.h"
#include "app/MainFrm.h"
#include "editor/CutCompsteDlg.h"
#include "editor/DAOJU.h"
#include "editor/DuiDao.h"

std::map<int, TDialogFactory> DefaultFrameDialogs()
{
    return {
        {Cmd::ToolCompensation,
         [](QWidget* parent) -> std::unique_ptr<QDialog> {
             auto* frame = static_cast<CMainFrame*>(parent);
             return std::make_unique<CCutCompsteDlg>(frame->services().prompter, parent);
         }},
        // Run from the frame the library changes no turret: only the
        // simulation view keeps one.
        {Cmd::ToolSelect,
         [](QWidget* parent) -> std::unique_ptr<QDialog> {
             auto* frame = static_cast<CMainFrame*>(parent);
             return std::make_unique<CDAOJU>(frame->services().prompter, CDAOJU::DefaultEditRunner(), parent);
         }},
        {Cmd::ToolSetting,
         [](QWidget* parent) -> std::unique_ptr<QDialog> {
             return std::make_unique<CDuiDao>(parent);
         }},
    };
}
