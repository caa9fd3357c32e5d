#pragma once
// The main window: menu, toolbar, status bar and the three panes side by
// side (simulation, statement editor, operator panel). It routes commands
// and runs the program-level ones; the panes own theirs.
#include "common/CommandTarget.h"
#include "app/ProgramCommands.h"
#include "app/RecentFiles.h"
#include "app/SplitterLayout.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <vector>

struct CMachine;
class CResourcePaths;
class CKeyTyper;
class CSoundPlayer;
class QAction;
class QDialog;
class QLabel;
class QSplitter;
class QToolBar;
class CMainFrame;

// What the frame and its panes work with; owned by the application.
struct SFrameServices {
    CVelmoraDoc& doc;
    CMachine& machine;
    CPrompter& prompter;
    CFileChooser& files;
    CShell& shell;
    CResourcePaths& paths;
    CKeyTyper& keys;
    CSoundPlayer& sound;
};

// Makes one pane; tests replace the panes they do not look at.
using TPaneFactory = std::function<QWidget*(CMainFrame&)>;

struct SPaneFactories {
    TPaneFactory simulation;
    TPaneFactory editor;
    TPaneFactory panel;
    static SPaneFactories Default();
};

// Makes the modal dialog of a command, parented to the frame.
using TDialogFactory = std::function<std::unique_ptr<QDialog>(QWidget* parent)>;
// The dialogs the frame's own commands run (tool compensation, tool
// setting), by command number.
std::map<int, TDialogFactory> DefaultFrameDialogs();

class CPartDrawingView;
class QDockWidget;
class QPrinter;
struct SPartDrawingContent;

class CMainFrame : public QMainWindow, public CCommandTarget {
    Q_OBJECT
public:
    // Runs the print dialog on a printer; false when cancelled. Tests
    // replace it, so that no box waits for an answer.
    using TPrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
    static TPrintDialog DefaultPrintDialog();
    void setPrintDialog(TPrintDialog run) { m_printDialog = std::move(run); }
    CPartDrawingView* partDrawing() const { return m_partDrawing; }
    QDockWidget* partDrawingDock() const { return m_drawingDock; }

    static constexpr int kStatusPanes = 5;

    CMainFrame(const SFrameServices& services, CCommandTarget* application = nullptr,
               const SPaneFactories& panes = SPaneFactories::Default(),
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    const SFrameServices& services() const { return m_services; }
    CVelmoraDoc& document() const { return m_services.doc; }
    CProgramCommands& programCommands() { return m_commands; }

    // Panes by splitter row and column: (0,0) simulation, (0,1) editor,
    // (0,2) operator panel.
    QWidget* pane(int row, int column) const;
    QSplitter* splitter() const { return m_splitter; }
    QWidget* activePane() const { return m_activePane; }
    void setActivePane(QWidget* pane);

    // Status bar: pane 0 the prompts, pane 1 the running statement.
    void setStatusText(int pane, const QString& text);
    QString statusText(int pane) const;

    // A command through the route (active pane, frame, application). False
    // when nobody takes it.
    bool routeCommand(int id);
    bool isCommandEnabled(int id) const;
    QAction* action(int id) const;
    // A modal dialog a command runs (tool setting, tool selection, tool
    // compensation); the command is disabled while none is registered.
    void setDialogRunner(int id, std::function<void()> run);
    // A runner that makes the dialog and runs it modally; its result is not
    // used.
    void setDialogFactory(int id, TDialogFactory make);

    void applyLayout(const TPaneLayout& layout);
    const TPaneLayout& lastLayout() const { return m_lastLayout; }
    TPaneWidths paneWidths() const;
    int viewSwitchMode() const { return m_viewSwitchMode; }
    const CRecentFiles& recentFiles() const { return m_recent; }

    // Reads a program file as the open command does, without its dialog
    // (a file named on the command line). True when it was read.
    bool openProgramFile(const std::string& path);

    // Enables and checks every entry as the route says.
    void updateCommandStates();

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    bool IsCommandChecked(int id) const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    QToolBar* addCommandBar(const QString& title, const char* name, std::span<const int> ids);
    void buildAccelerators();
    void buildStatusBar();
    void buildPanes(const SPaneFactories& panes);
    void buildPartDrawing();
    SPartDrawingContent drawingContent(bool titled) const;
    void exportDrawing();
    void printDrawing();
    void exportPicture();
    void bindHandlers();
    QAction* makeAction(int id, const QString& text);
    CCommandTarget* targetFor(int id) const;
    void showPrompt(int id);

    void newProgram();
    void openProgram();
    void openRecent(int index);
    void saveProgram();
    void viewSwitch();
    void openHelp();
    void stepPane(int step);
    // Names the window after what was read; a file that is gone leaves the
    // recently-used list (path: the file asked for, when known).
    EOpenResult afterOpen(EOpenResult result, const std::string& path);
    void afterSave();
    void rememberFile();
    void storeRecentFiles();
    void loadRecentFiles();
    void loadProgrammingMode();
    void setDiameterProgramming(bool diameter);
    void updateRecentMenu();

    SFrameServices m_services;
    CProgramCommands m_commands;
    CCommandTarget* m_application;
    CRecentFiles m_recent;
    QSplitter* m_splitter = nullptr;
    CPartDrawingView* m_partDrawing = nullptr;
    QDockWidget* m_drawingDock = nullptr;
    TPrintDialog m_printDialog;
    QWidget* m_panes[3] = {};
    QWidget* m_activePane = nullptr;
    QToolBar* m_toolBar = nullptr;
    QToolBar* m_runToolBar = nullptr;
    QLabel* m_statusPanes[kStatusPanes] = {};
    QAction* m_recentActions[4] = {};
    QAction* m_recentPlaceholder = nullptr;
    std::map<int, QAction*> m_actions;
    std::vector<QAction*> m_accelerators;
    std::map<int, std::function<void()>> m_handlers;
    std::map<int, std::function<void()>> m_dialogs;
    TPaneLayout m_lastLayout{};
    int m_viewSwitchMode = 1;
    bool m_initialLayoutDone = false;
};
