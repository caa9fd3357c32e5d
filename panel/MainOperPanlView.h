#pragma once
// The operator panel pane: a picture of the lathe's control cabinet with its
// screen (clock, tool position, machining times), 76 working keys and the
// feed override dial. It scrolls when the pane is smaller than the cabinet,
// as a form does.
#include "panel/PanelController.h"
#include "panel/PanelDisplays.h"
#include "panel/PanelMenu.h"
#include "panel/PanelState.h"

#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>

#include <memory>

class CFeedDial;
class CLabel;
class CPanelKeyButton;
class CScreenTimeLine;

class CMainOperPanlView : public QScrollArea {
    Q_OBJECT
public:
    // state is the machine's manual state, which the panel's keys set.
    CMainOperPanlView(CPanelHost& host, CPanelState& state, CSoundPlayer& sound,
                      CPrompter& prompter, QWidget* parent = nullptr);
    // The same, keeping the host for as long as the panel lives.
    CMainOperPanlView(std::unique_ptr<CPanelHost> host, CPanelState& state, CSoundPlayer& sound,
                      CPrompter& prompter, QWidget* parent = nullptr);
    ~CMainOperPanlView() override;

    QSize sizeHint() const override { return {panel_layout::kWidth, panel_layout::kHeight}; }

    // The machine's manual state, read and written by the simulation.
    CPanelState& State() { return m_state; }
    const CPanelState& State() const { return m_state; }

    void ShowPosition(double x, double z);
    // Paints the screen again after a change of what it names, such as the
    // programming mode.
    void RefreshScreen() { widget()->update(); }
    void UpdateClock();
    // The dial and the machining times follow the run, read from the host
    // a few times a second.
    void UpdateRunDisplays();
    // Tests give a fixed time; the default is the local time of day.
    void SetClockSource(ClockSource source) { m_clock = std::move(source); }

    // Runs a key as if it were clicked; false when no key has that id.
    bool PressKey(int id);

    // Opens the program popup menu; kKeyboardMenuRequest places it in the
    // corner of the panel. Screen coordinates.
    void ShowProgramMenu(SPanelPoint requested);
    QMenu* ProgramMenu() const { return m_menu; }

    CLabel* ClockLabel() const { return m_clockLabel; }
    CLabel* XLabel() const { return m_xLabel; }
    CLabel* ZLabel() const { return m_zLabel; }
    CFeedDial* FeedDial() const { return m_feedDial; }
    CScreenTimeLine* TimeLine() const { return m_timeLine; }
    QWidget* Cabinet() const { return widget(); }
    CPanelKeyButton* Key(int id) const;

    // How much smaller than its artwork the cabinet is drawn to fit its pane.
    double Scale() const { return m_scale; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CLabel* MakeDisplay(int id, const SPixRect& rect);
    void CreateKeys();
    void CreateRunDisplays();
    void ScaleCabinet(double scale);

    std::unique_ptr<CPanelHost> m_ownedHost;
    CPanelState& m_state;
    CPanelHost& m_host;
    CPanelController m_controller;
    ClockSource m_clock = LocalTimeOfDay;
    CLabel* m_clockLabel = nullptr;
    CLabel* m_xLabel = nullptr;
    CLabel* m_zLabel = nullptr;
    CFeedDial* m_feedDial = nullptr;
    CScreenTimeLine* m_timeLine = nullptr;
    double m_scale = 1.0;
    QTimer m_clockTimer;
    QTimer m_runTimer;
    QPointer<QMenu> m_menu;
};
