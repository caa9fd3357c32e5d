#pragma once
// The 3D simulation view, pane (0,0) of the main window: the lathe drawn 50
// times a second by the frame clock, turned, panned and zoomed with the mouse.
// It owns the simulation's state; the scene commands change it through
// Simulation().
#include "common/CommandTarget.h"
#include "panel/PanelState.h"
#include "simulation/Camera.h"
#include "simulation/SceneRenderer.h"
#include "simulation/ViewOutput.h"

#include <QOpenGLWidget>
#include <QTimer>

#include <memory>

class CMainFrame;
class CSceneCommandLink;
struct CSimulation;

class CMySDOpenGLView : public QOpenGLWidget, public CCommandTarget {
    Q_OBJECT
public:
    static constexpr int kFrameClockMs = 20;

    explicit CMySDOpenGLView(CMainFrame& frame, QWidget* parent = nullptr);
    ~CMySDOpenGLView() override;

    CSimulation& Simulation() { return *m_sim; }
    CCamera& Camera() { return m_camera; }
    // Timer 2: the tool library dialog stops it while it is open.
    void StopFrameClock() { m_frameClock.stop(); }
    void StartFrameClock() { m_frameClock.start(kFrameClockMs); }
    bool FrameClockRunning() const { return m_frameClock.isActive(); }
    // Where the running simulation reports; null gives back the view's own.
    void SetSimulationOutput(CSimulationOutput* out);
    CSimulationOutput& SimulationOutput() { return *m_out; }
    // The operator panel's state, or the view's own when no panel is there.
    CPanelState& PanelState();

    // The scene commands (camera, render mode, chuck, cone, door, tool path,
    // stock, tools, start) with their dialogs.
    CSceneCommandLink& CommandLink() { return *m_commands; }
    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    bool IsCommandChecked(int id) const override;

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void ReleaseGl();

    CMainFrame& m_frame;
    std::unique_ptr<CSimulation> m_sim;
    CCamera m_camera;
    CSceneRenderer m_renderer;
    CViewOutput m_ownOutput;
    CSimulationOutput* m_out = &m_ownOutput;
    CPanelState m_spareState;
    QTimer m_frameClock;
    std::unique_ptr<CSceneCommandLink> m_commands;
};
