#pragma once
// Draws the whole lathe scene into the current OpenGL context from the
// machine and the pose of its last advance, changing neither. The simulation
// view and the offscreen host both use it.
#include "simulation/SceneParts.h"

struct CCamera;
struct CMachine;
struct CSimulation;

class CSceneRenderer {
public:
    CSceneRenderer() = default;
    ~CSceneRenderer();
    CSceneRenderer(const CSceneRenderer&) = delete;
    CSceneRenderer& operator=(const CSceneRenderer&) = delete;

    // With the context current: depth test, fonts, floor texture and the
    // lists of the static parts.
    void Initialize(const CSimulation& sim);
    void Resize(int width, int height);
    void DrawFrame(const CMachine& machine, const SFramePose& pose, const CCamera& camera);
    // Frees the lists and texture; the context must still be current.
    void Release();
    // Draws a pure green dot where the drawn tool's tip is, over everything,
    // so that a reading of the picture can find it.
    void MarkToolTip(bool on) { m_markToolTip = on; }

private:
    void MachineGroup(const SDrawContext& ctx);
    void CarriageGroup(const SDrawContext& ctx);
    void SpindleGroup(const SDrawContext& ctx);

    CQuadrics m_quad;
    SSceneLists m_lists;
    CWorkpieceDrawer m_workpiece;
    bool m_ready = false;
    bool m_markToolTip = false;
};
