// Building the main window's parts from the command tables.
#include "common/CommandTable.h"
#include "app/MainFrm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

// Toolbar tips for buttons that have no menu entry, and short ones where
// the status-bar prompt says more than a tip should.
const SPrompt kToolTips[] = {
    {Cmd::ToolSetting, "对刀"},      {Cmd::CycleStart, "循环启动"}, {Cmd::FeedHold, "进给保持"},
    {Cmd::SingleBlock, "单段"},      {Cmd::EmergencyStop, "急停"},  {Cmd::ResetRun, "复位"},
};

QIcon ToolBarIcon(int id)
{
    QString path = QString(":/toolbar/%1.svg").arg(id);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

} // namespace

QAction* CMainFrame::makeAction(int id, const QString& text)
{
    auto found = m_actions.find(id);
    if (found != m_actions.end())
        return found->second;
    auto* action = new QAction(text, this);
    action->setObjectName(QString("command%1").arg(id));
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { routeCommand(id); });
    connect(action, &QAction::hovered, this, [this, id] { showPrompt(id); });
    m_actions[id] = action;
    return action;
}

void CMainFrame::buildMenus()
{
    for (const SMenuPopup& popup : Commands::MainMenu()) {
        QMenu* menu = menuBar()->addMenu(Utf8(popup.title));
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
        connect(menu, &QMenu::aboutToHide, this, [this] { showPrompt(0); });
        for (const SMenuEntry& entry : popup.entries) {
            if (entry.id == kSeparator) {
                menu->addSeparator();
            } else if (entry.id == Cmd::RecentFirst) {
                m_recentPlaceholder = menu->addAction(Utf8(entry.text));
                m_recentPlaceholder->setEnabled(false);
                for (int i = 0; i < 4; ++i) {
                    m_recentActions[i] = makeAction(Cmd::RecentFirst + i, QString());
                    menu->addAction(m_recentActions[i]);
                }
            } else {
                menu->addAction(makeAction(entry.id, Utf8(entry.text)));
            }
        }
    }
    for (int id : {Cmd::ToggleToolBar, Cmd::ToggleStatusBar, Cmd::SingleBlock})
        m_actions[id]->setCheckable(true);
    // One speed at a time, shown as a choice from the start.
    auto* speeds = new QActionGroup(this);
    for (const SSpeedChoice& choice : Commands::SpeedChoices()) {
        m_actions[choice.id]->setCheckable(true);
        speeds->addAction(m_actions[choice.id]);
    }
}

void CMainFrame::buildToolBar()
{
    m_toolBar = addCommandBar(QStringLiteral("标准"), "mainToolBar", Commands::ToolBar());
    m_runToolBar = addCommandBar(QStringLiteral("运行控制"), "runToolBar", Commands::RunToolBar());
}

QToolBar* CMainFrame::addCommandBar(const QString& title, const char* name, std::span<const int> ids)
{
    QToolBar* bar = addToolBar(title);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(29, 26));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->installEventFilter(this); // back to the idle prompt on leaving
    for (int id : ids) {
        if (id == kSeparator) {
            bar->addSeparator();
            continue;
        }
        QString tip;
        for (const auto& extra : kToolTips)
            if (extra.id == id)
                tip = Utf8(extra.text);
        if (tip.isEmpty())
            tip = Utf8(Commands::Prompt(id));
        QAction* action = makeAction(id, tip);
        action->setIcon(ToolBarIcon(id));
        action->setIconVisibleInMenu(false); // menus stay text only
        action->setToolTip(tip.isEmpty() ? action->text() : tip);
        bar->addAction(action);
    }
    return bar;
}

void CMainFrame::buildAccelerators()
{
    for (const SAccelerator& accelerator : Commands::Accelerators()) {
        // Menu entries show the keys in their text; the keys themselves live
        // on hidden actions so that Ctrl+O reaches the standard open command.
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(Utf8(accelerator.keys)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setData(accelerator.id);
        const int id = accelerator.id;
        connect(action, &QAction::triggered, this, [this, id] { routeCommand(id); });
        addAction(action);
        m_accelerators.push_back(action);
    }
}

void CMainFrame::buildStatusBar()
{
    static constexpr int kWidths[kStatusPanes] = {150, 500, 150, 40, 40};
    for (int i = 0; i < kStatusPanes; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("statusPane%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(i < 2 ? QFrame::Raised : QFrame::Sunken);
        label->setMinimumWidth(kWidths[i]);
        if (i != 2)
            label->setMaximumWidth(kWidths[i]);
        statusBar()->addWidget(label, i == 2 ? 1 : 0);
        m_statusPanes[i] = label;
    }
    showPrompt(0);
}

void CMainFrame::buildPanes(const SPaneFactories& panes)
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName("paneSplitter");
    m_splitter->setChildrenCollapsible(true);
    const TPaneFactory* factories[3] = {&panes.simulation, &panes.editor, &panes.panel};
    for (int column = 0; column < 3; ++column) {
        QWidget* widget = *factories[column] ? (*factories[column])(*this) : new QWidget;
        widget->setObjectName(widget->objectName().isEmpty()
                                  ? QString("pane%1").arg(column)
                                  : widget->objectName());
        widget->setMinimumWidth(0);
        m_splitter->addWidget(widget);
        m_panes[column] = widget;
    }
    setCentralWidget(m_splitter);
    m_activePane = m_panes[0];
}

void CMainFrame::showPrompt(int id)
{
    std::string_view prompt = Commands::Prompt(id);
    setStatusText(0, Utf8(prompt.empty() ? Commands::kIdlePrompt : prompt));
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_toolBar || watched == m_runToolBar) && event->type() == QEvent::Leave)
        showPrompt(0);
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::updateRecentMenu()
{
    const auto& paths = m_recent.Paths();
    for (int i = 0; i < 4; ++i) {
        bool used = static_cast<std::size_t>(i) < paths.size();
        m_recentActions[i]->setVisible(used);
        if (used)
            m_recentActions[i]->setText(
                QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(paths[i])));
    }
    m_recentPlaceholder->setVisible(paths.empty());
}
