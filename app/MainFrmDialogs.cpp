// The modal dialogs the main window's own commands run by default.
#include "app/CommandTable.h"
#include "app/MainFrm.h"
#include "editor/CutCompsteDlg.h"
#include "editor/DuiDao.h"

std::map<int, TDialogFactory> DefaultFrameDialogs()
{
    return {
        {Cmd::ToolCompensation,
         [](QWidget* parent) -> std::unique_ptr<QDialog> {
             return std::make_unique<CCutCompsteDlg>(parent);
         }},
        {Cmd::ToolSetting,
         [](QWidget* parent) -> std::unique_ptr<QDialog> {
             return std::make_unique<CDuiDao>(parent);
         }},
    };
}
