#pragma once
// The 3D simulation view, pane (0,0) of the main window: the lathe drawn 50
// times a second by the frame clock, turned, panned and zoomed with the mouse.
// Each tick of the clock advances the machine once and asks for a paint;
// painting draws the machine as it stands and changes nothing.
#include "common/CommandTarget.h"
#include "simulation/Camera.h"
#include "simulation/SceneRenderer.h"
#include "simulation/SimulationOutput.h"

#include <QOpenGLWidget>
#include <QTimer>

struct CMachine;
class CSceneCommands;

class CMySDOpenGLView : public QOpenGLWidget, public CCommandTarget {
    Q_OBJECT
public:
    static constexpr int kFrameClockMs = 20;

    explicit CMySDOpenGLView(CMachine& machine, QWidget* parent = nullptr);
    ~CMySDOpenGLView() override;

    CMachine& Machine() { return m_machine; }
    CSimulation& Simulation();
    CCamera& Camera() { return m_camera; }
    const SFramePose& Pose() const { return m_pose; }
    // Timer 2: the tool library dialog stops it while it is open.
    void StopFrameClock() { m_frameClock.stop(); }
    void StartFrameClock() { m_frameClock.start(kFrameClockMs); }
    bool FrameClockRunning() const { return m_frameClock.isActive(); }
    // One tick of the frame clock: the machine advances, a paint follows.
    void Tick();
    // Where the running simulation reports; null drops the reports.
    void SetSimulationOutput(CSimulationOutput* out);
    CSimulationOutput& SimulationOutput() { return *m_out; }

    // The scene commands (camera, render mode, chuck, cone, door, tool path,
    // stock, tools, start) that the view's menu entries run; the main window
    // gives them with their dialogs.
    void SetSceneCommands(CSceneCommands* commands);
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
    void wheelEvent(QWheelEvent* event) override;

private:
    void ReleaseGl();
    bool RunCameraCommand(int id);
    double Aspect() const;

    CMachine& m_machine;
    SFramePose m_pose;
    CCamera m_camera;
    CSceneRenderer m_renderer;
    CQuietSimulationOutput m_quiet;
    CSimulationOutput* m_out = &m_quiet;
    CSceneCommands* m_commands = nullptr;
    QTimer m_frameClock;
    int m_wheelRest = 0;
};
