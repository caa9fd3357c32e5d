#pragma once
// The scene's parts, one short function each. Static shapes are compiled
// once into display lists; what moves is placed around them every frame.
#include "simulation/GlScene.h"
#include "simulation/SceneFrame.h"
#include "simulation/TraceCache.h"

#include <vector>

struct CCamera;

// Display lists of the parts that never change shape.
struct SSceneLists {
    GLuint floor = 0, body = 0, saddle = 0, crossSlide = 0, turret = 0, tool = 0;
    GLuint jaw = 0, spindleNose = 0, chuckBody = 0, tailstock = 0, hose = 0, door = 0;
    GLuint window = 0, droplet = 0;
    GLuint groovingTool = 0, threadingTool = 0; // tool is the turning tool
    GLuint floorTexture = 0;
};

// What a frame is drawn from: the machine as the frame's advance left it and
// the pose it returned. Nothing here changes either.
struct SDrawContext {
    const CSimulation& sim;
    const CPanelState& panel;
    const SFramePose& pose;
    const CQuadrics& quad;
    const SSceneLists& lists;
    ERenderMode mode;
    bool markToolTip; // a bright dot on the cutting tip, for checking the picture
};

// Compiling the static lists (fonts first: the nameplate and turret use them).
void CompileMachineLists(SSceneLists& lists, const CQuadrics& quad);
void CompileCarriageLists(SSceneLists& lists, const CQuadrics& quad);
void CompileChuckLists(SSceneLists& lists, const CQuadrics& quad);
void CompileAccessoryLists(SSceneLists& lists, const CQuadrics& quad);

void DrawFloor(const SDrawContext& ctx);
void DrawMachineBody(const SDrawContext& ctx); // body, nameplate, feed rod, levers

void DrawCarriage(const SDrawContext& ctx);
void DrawTurretTools(const SDrawContext& ctx);

void DrawChuckJaws(const SDrawContext& ctx);
void DrawSpindleNoseAndChuck(const SDrawContext& ctx);

// The workpiece and the trace.
class CWorkpieceDrawer {
public:
    void DrawWorkpiece(const SDrawContext& ctx) const;
    void DrawTrace(const SDrawContext& ctx);

private:
    void DrawProfile(const SDrawContext& ctx) const;
    CTraceCache m_trace;
};

void DrawAxisIndicator(const SDrawContext& ctx, const CCamera& cam);
void DrawTailstock(const SDrawContext& ctx);
void DrawCoolant(const SDrawContext& ctx);
void DrawChips(const SDrawContext& ctx);
void DrawDoor(const SDrawContext& ctx);
