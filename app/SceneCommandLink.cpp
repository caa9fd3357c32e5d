#include "app/SceneCommandLink.h"

#include "app/MainFrm.h"
#include "app/ViewOutput.h"
#include "editor/DAOJU.h"
#include "editor/GcodeEditPanelView.h"
#include "simulation/MAOPEISZ.h"
#include "simulation/Machine.h"
#include "simulation/MySDOpenGLView.h"

#include <QItemSelectionModel>
#include <QTableView>

#include <array>

CSceneCommandLink::TStockDialog CSceneCommandLink::DefaultStockDialog(CMainFrame& frame)
{
    return [&frame](QWidget* parent) -> std::optional<SStockSize> {
        CMAOPEISZ dialog(frame.services().prompter, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.values();
    };
}

CSceneCommandLink::TToolLibraryDialog CSceneCommandLink::DefaultToolLibraryDialog(CMainFrame& frame)
{
    return [&frame](QWidget* parent) -> std::optional<SToolLibraryResult> {
        CDAOJU dialog(frame.services().prompter, CDAOJU::DefaultEditRunner(), parent);
        dialog.setMounted(std::to_array(frame.services().machine.sim.turret.mounted));
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.selection();
    };
}

CSceneCommandLink::CSceneCommandLink(CMainFrame& frame, QWidget& view, CMachine& machine,
                                     CSimulationOutput& out, SFrameClock clock)
    : stockDialog(DefaultStockDialog(frame)),
      toolLibraryDialog(DefaultToolLibraryDialog(frame)),
      m_frame(frame),
      m_view(view),
      m_clock(std::move(clock)),
      m_commands(machine, frame.document(), *this, out)
{
}

namespace {

// What the view is wired with, living as long as the view.
class CSimulationWiring : public QObject {
public:
    CSimulationWiring(CMainFrame& frame, CMySDOpenGLView& view)
        : QObject(&view),
          output(frame, view),
          link(frame, view, frame.services().machine, output,
               {[&view] { view.StopFrameClock(); },
                [&view](int) { view.StartFrameClock(); }})
    {
        setObjectName("simulationWiring");
    }
    CViewOutput output;
    CSceneCommandLink link;
};

// The row showing a statement; the table is mostly in program order, so
// the search starts where the last one ended.
int RowOf(const CGcodeEditPanelView& editor, int lineNumber, int hint)
{
    const int rows = editor.rowCount();
    for (int n = 0; n < rows; ++n) {
        const int row = (hint + n) % rows;
        if (editor.cellText(row, 0).toInt() == lineNumber)
            return row;
    }
    return -1;
}

} // namespace

void FollowStatement(CMainFrame& frame, int lineNumber)
{
    auto* editor = dynamic_cast<CGcodeEditPanelView*>(frame.pane(0, 1));
    QTableView* table = editor ? editor->table() : nullptr;
    if (!table || editor->rowCount() == 0)
        return;
    const QModelIndex current = table->selectionModel()->currentIndex();
    const int row = RowOf(*editor, lineNumber, current.isValid() ? current.row() : 0);
    if (row < 0)
        return;
    // Selecting through the model leaves the editor's fields as they are:
    // only a click fills them.
    const QModelIndex index = table->model()->index(row, 0);
    table->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table->scrollTo(index);
}

QWidget* CreateSimulationView(CMainFrame& frame)
{
    auto* view = new CMySDOpenGLView(frame.services().machine);
    auto* wiring = new CSimulationWiring(frame, *view);
    view->SetSimulationOutput(&wiring->output);
    view->SetSceneCommands(&wiring->link.Commands());
    return view;
}

CSceneCommandLink* SceneCommandLinkOf(QWidget* view)
{
    QObject* wiring = view ? view->findChild<QObject*>("simulationWiring", Qt::FindDirectChildrenOnly) : nullptr;
    return wiring ? &static_cast<CSimulationWiring*>(wiring)->link : nullptr;
}
