#pragma once
// The whole state of the simulation view that is not a widget's: scene
// switches, turret, workpiece and trace, the running program and the
// animation. The view owns one (on the heap: the arrays are large); the
// headless runner and tests own theirs, so both drive the same code.
#include "simulation/Interpreter.h"
#include "simulation/SceneAnimation.h"
#include "simulation/SceneSwitches.h"
#include "simulation/TurretState.h"
#include "simulation/Workpiece.h"

struct CSimulation {
    CSceneSwitches switches;
    CTurretState turret;
    CWorkpiece workpiece;
    CInterpreterState interp;
    CSceneAnimation anim;
};
