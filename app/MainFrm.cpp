#include "app/MainFrm.h"

#include "common/CommandTable.h"
#include "program/FileNames.h"
#include "platform/ResourcePaths.h"
#include "simulation/Machine.h"
#include "simulation/RunControl.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

const char* const kHelpPage = "help/机床操作说明.htm";
const char* const kRecentGroup = "Recent File List";

QString AppTitle() { return QString::fromUtf8(Commands::kAppTitle.data()); }

} // namespace

CMainFrame::CMainFrame(const SFrameServices& services, CCommandTarget* application,
                       const SPaneFactories& panes, QWidget* parent)
    : QMainWindow(parent),
      m_services(services),
      m_commands(services.doc, services.prompter, services.files, services.shell),
      m_application(application)
{
    setObjectName("mainFrame");
    setWindowTitle(QString::fromStdString(services.doc.GetTitle()) + " - " + AppTitle());
    m_commands.replacing = [this] { StopRunNow(m_services.machine.sim.interp); };
    m_commands.busy = [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    buildMenus();
    buildToolBar();
    buildAccelerators();
    buildStatusBar();
    buildPanes(panes);
    bindHandlers();
    buildPartDrawing();
    for (auto& [id, make] : DefaultFrameDialogs())
        setDialogFactory(id, std::move(make));
    loadRecentFiles();
    loadProgrammingMode();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (QWidget* candidate : m_panes)
            if (now && candidate && candidate->isAncestorOf(now))
                setActivePane(candidate);
    });
    // Panes change their check marks on their own (a mode picked with the
    // mouse); the entries follow a moment later, as on an idle pass.
    auto* idle = new QTimer(this);
    connect(idle, &QTimer::timeout, this, [this] {
        if (isVisible())
            updateCommandStates();
    });
    idle->start(300);
    updateCommandStates();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::bindHandlers()
{
    m_handlers = {
        {Cmd::NewProgram, [this] { newProgram(); }},
        {Cmd::ReadProgram, [this] { openProgram(); }},
        {Cmd::Open, [this] { openProgram(); }},
        {Cmd::FileOpen, [this] { openProgram(); }},
        {Cmd::Save, [this] { saveProgram(); }},
        // The standard save commands would write the document's archive, which
        // holds no statements; they save the program instead.
        {Cmd::FileSave, [this] { saveProgram(); }},
        {Cmd::FileSaveAs, [this] { saveProgram(); }},
        {Cmd::BuiltInEditor, [this] { applyLayout(PaneLayouts::BuiltInEditor()); }},
        {Cmd::StartMachining, [this] { applyLayout(PaneLayouts::StartMachining()); }},
        {Cmd::ViewSwitch, [this] { viewSwitch(); }},
        {Cmd::Help, [this] { openHelp(); }},
        {Cmd::Exit, [this] { close(); }},
        {Cmd::ToggleToolBar, [this] {
             const bool shown = !m_toolBar->isVisible();
             m_toolBar->setVisible(shown);
             m_runToolBar->setVisible(shown);
         }},
        {Cmd::ToggleStatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); }},
        {Cmd::NextPane, [this] { stepPane(1); }},
        {Cmd::PreviousPane, [this] { stepPane(-1); }},
        {Cmd::DiameterMode, [this] { setDiameterProgramming(!m_services.machine.panel.m_bDiameter); }},
    };
    for (int i = 0; i < 4; ++i)
        m_handlers[Cmd::RecentFirst + i] = [this, i] { openRecent(i); };
}

QWidget* CMainFrame::pane(int row, int column) const
{
    if (row != 0 || column < 0 || column > 2)
        return nullptr;
    return m_panes[column];
}

void CMainFrame::setActivePane(QWidget* pane)
{
    if (pane && pane != m_activePane) {
        m_activePane = pane;
        updateCommandStates();
    }
}

void CMainFrame::setStatusText(int pane, const QString& text)
{
    if (pane >= 0 && pane < kStatusPanes)
        m_statusPanes[pane]->setText(text);
}

QString CMainFrame::statusText(int pane) const
{
    return pane >= 0 && pane < kStatusPanes ? m_statusPanes[pane]->text() : QString();
}

CCommandTarget* CMainFrame::targetFor(int id) const
{
    auto* activeTarget = dynamic_cast<CCommandTarget*>(m_activePane);
    if (activeTarget && activeTarget->HandlesCommand(id))
        return activeTarget;
    // The run belongs to the machine, not to a pane: its keys on the panel
    // and the E-STOP must work while the editor has the focus.
    auto* machineTarget = dynamic_cast<CCommandTarget*>(m_panes[0]);
    if (Commands::IsRunCommand(id) && machineTarget && machineTarget->HandlesCommand(id))
        return machineTarget;
    if (HandlesCommand(id))
        return const_cast<CMainFrame*>(this);
    if (m_application && m_application->HandlesCommand(id))
        return m_application;
    return nullptr;
}

bool CMainFrame::routeCommand(int id)
{
    CCommandTarget* target = targetFor(id);
    if (target)
        target->OnCommand(id);
    updateCommandStates();
    return target != nullptr;
}

bool CMainFrame::isCommandEnabled(int id) const { return targetFor(id) != nullptr; }

QAction* CMainFrame::action(int id) const
{
    auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

void CMainFrame::updateCommandStates()
{
    for (auto [id, action] : m_actions) {
        CCommandTarget* target = targetFor(id);
        action->setEnabled(target != nullptr);
        if (id == Cmd::ToggleToolBar)
            action->setChecked(m_toolBar->isVisibleTo(this));
        else if (id == Cmd::ToggleStatusBar)
            action->setChecked(statusBar()->isVisibleTo(this));
        else if (target && target->IsCommandChecked(id)) {
            action->setCheckable(true);
            action->setChecked(true);
        } else if (action->isCheckable()) {
            action->setChecked(false);
        }
    }
    for (QAction* accelerator : m_accelerators)
        accelerator->setEnabled(isCommandEnabled(accelerator->data().toInt()));
    if (m_recentPlaceholder)
        updateRecentMenu();
}

bool CMainFrame::HandlesCommand(int id) const
{
    if (id >= Cmd::RecentFirst && id <= Cmd::RecentLast)
        return static_cast<std::size_t>(id - Cmd::RecentFirst) < m_recent.Paths().size();
    // The list a run steps through was read in one mode; switching under it
    // would show a radius as a diameter.
    if (id == Cmd::DiameterMode) {
        const ERunState run = RunState(m_services.machine.sim.interp);
        return run != ERunState::Running && run != ERunState::Held;
    }
    return m_handlers.count(id) > 0 || m_dialogs.count(id) > 0;
}

void CMainFrame::OnCommand(int id)
{
    if (auto handler = m_handlers.find(id); handler != m_handlers.end())
        handler->second();
    else if (auto dialog = m_dialogs.find(id); dialog != m_dialogs.end())
        dialog->second();
}

void CMainFrame::setDialogRunner(int id, std::function<void()> run)
{
    if (run)
        m_dialogs[id] = std::move(run);
    else
        m_dialogs.erase(id);
    updateCommandStates();
}

void CMainFrame::setDialogFactory(int id, TDialogFactory make)
{
    if (!make) {
        setDialogRunner(id, {});
        return;
    }
    setDialogRunner(id, [this, make = std::move(make)] {
        if (std::unique_ptr<QDialog> dialog = make(this))
            dialog->exec();
    });
}

void CMainFrame::applyLayout(const TPaneLayout& layout)
{
    m_lastLayout = layout;
    // The splitter keeps its bars even beside a hidden pane.
    const int bars = (m_splitter->count() - 1) * m_splitter->handleWidth();
    TPaneWidths widths = PaneLayouts::Widths(layout, m_splitter->width() - bars, 0);
    // A pane squeezed to no width is hidden instead: the 3D view, once given
    // no width, would stay black on the screen when it got its width back.
    for (int column = 0; column < 3; ++column)
        m_panes[column]->setVisible(widths[column] > 0);
    m_splitter->setSizes({widths[0], widths[1], widths[2]});
}

TPaneWidths CMainFrame::paneWidths() const
{
    QList<int> sizes = m_splitter->sizes();
    return {sizes.value(0), sizes.value(1), sizes.value(2)};
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_initialLayoutDone) {
        m_initialLayoutDone = true;
        applyLayout(PaneLayouts::Initial(m_splitter->width()));
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_commands.CanClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::newProgram()
{
    const ENewProgram result = m_commands.NewProgram();
    if (result != ENewProgram::Cancelled) // the title no longer names the old file
        setWindowTitle(QString::fromStdString(document().GetTitle()) + " - " + AppTitle());
    if (result == ENewProgram::BuiltIn)
        applyLayout(PaneLayouts::NewProgram(width()));
}

void CMainFrame::openProgram()
{
    afterOpen(m_commands.OpenProgram(), {});
}

void CMainFrame::openRecent(int index)
{
    const auto& paths = m_recent.Paths();
    if (static_cast<std::size_t>(index) >= paths.size())
        return;
    const std::string path = paths[static_cast<std::size_t>(index)];
    afterOpen(m_commands.OpenRecent(path), path);
}

bool CMainFrame::openProgramFile(const std::string& path)
{
    // The recently-used list must find the file from any directory.
    const std::string absolute =
        QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
    return afterOpen(m_commands.OpenRecent(absolute), absolute) == EOpenResult::Opened;
}

void CMainFrame::saveProgram()
{
    if (m_commands.SaveProgram())
        afterSave();
}

EOpenResult CMainFrame::afterOpen(EOpenResult result, const std::string& path)
{
    switch (result) {
    case EOpenResult::Opened:
        rememberFile();
        [[fallthrough]];
    case EOpenResult::Incomplete:
        // A GBK name from a Windows archive reads as Chinese, not as marks.
        setWindowTitle(AppTitle() + " - " + QString::fromStdString(ShownFileName(document().GetTitle())));
        break;
    case EOpenResult::Missing:
        if (!path.empty()) {
            m_recent.Remove(path);
            storeRecentFiles();
        }
        break;
    case EOpenResult::Unchanged:
        break;
    }
    return result;
}

void CMainFrame::afterSave()
{
    rememberFile();
    setWindowTitle(QString::fromStdString(document().GetTitle()) + " - " + AppTitle());
}

void CMainFrame::viewSwitch()
{
    m_viewSwitchMode %= 3;
    applyLayout(PaneLayouts::ViewSwitch(m_viewSwitchMode));
    ++m_viewSwitchMode;
}

void CMainFrame::openHelp()
{
    // Without a browser the entry would seem dead; the path lets the user
    // open the page by other means.
    std::string page = m_services.paths.Find(kHelpPage);
    if (!page.empty() && m_services.shell.OpenDocument(page))
        return;
    const std::string shown = page.empty() ? std::string(kHelpPage) : page;
    m_services.prompter.Tell("无法打开操作说明，请用浏览器打开文件:\n" + shown,
                             EPromptIcon::Information);
}

void CMainFrame::stepPane(int step)
{
    int current = 0;
    for (int i = 0; i < 3; ++i)
        if (m_panes[i] == m_activePane)
            current = i;
    for (int tries = 1; tries <= 3; ++tries) {
        QWidget* next = m_panes[(current + step * tries + 3) % 3];
        if (next->width() > 0 && next->isVisible()) {
            next->setFocus(Qt::OtherFocusReason);
            setActivePane(next);
            return;
        }
    }
}

void CMainFrame::loadRecentFiles()
{
    QSettings settings;
    std::vector<std::string> paths;
    for (std::size_t i = 1; i <= CRecentFiles::kSize; ++i) {
        QString path = settings.value(QString("%1/File%2").arg(kRecentGroup).arg(i)).toString();
        if (!path.isEmpty())
            paths.push_back(path.toStdString());
    }
    m_recent.Assign(paths);
    updateRecentMenu();
}

void CMainFrame::rememberFile()
{
    m_recent.Add(document().GetPathName());
    storeRecentFiles();
}

void CMainFrame::storeRecentFiles()
{
    QSettings settings;
    settings.remove(kRecentGroup);
    const auto& paths = m_recent.Paths();
    for (std::size_t i = 0; i < paths.size(); ++i)
        settings.setValue(QString("%1/File%2").arg(kRecentGroup).arg(i + 1),
                          QString::fromStdString(paths[i]));
    updateCommandStates();
}
