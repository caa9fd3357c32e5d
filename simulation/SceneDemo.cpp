#include "simulation/SceneDemo.h"

#include "simulation/Machine.h"

#include <algorithm>

namespace {

// Roughing passes along Z, each 1 mm deeper and ending at a shoulder, with a
// retract and a rapid back between them.
void RecordPasses(CWorkpiece& w, double radius, double length, int points)
{
    int n = 0;
    auto record = [&](double x, double z) {
        if (n < points && n < CWorkpiece::kCapacity) {
            w.Dg_x[n] = x;
            w.Dg_z[n] = z;
            ++n;
        }
    };
    for (int pass = 0; n < points; ++pass) {
        const double x = radius - 1.0 - (pass % 15);
        const double end = -std::min(length - 10.0, 40.0 + 25.0 * (pass % 12));
        for (double z = 2.0; z >= end && n < points; z -= 1.0)
            record(x, z);
        for (double up = x; up <= radius + 2.0 && n < points; up += 1.0)
            record(up, end);
        for (double z = end; z <= 2.0 && n < points; z += 4.0)
            record(radius + 2.0, z);
    }
    w.nn = n;
}

} // namespace

void SetUpMachiningScene(CMachine& machine, const SDemoScene& demo)
{
    CSimulation& sim = machine.sim;
    CPanelState& panel = machine.panel;
    CSceneSwitches& sw = sim.switches;
    sw.stockLength = demo.stockLength;
    sw.stockOuterDiameter = demo.stockDiameter;
    sw.toolPathShown = 1;
    sw.doorClosed = 0;
    sw.doorOffset = -480.0;
    sw.coneInstalled = demo.stockLength >= 300.0 ? 1 : 0;
    sw.coneRemoved = 1 - sw.coneInstalled;
    sim.turret.currentTool = 0;
    sim.turret.mounted[0] = sim.turret.mounted[1] = sim.turret.mounted[2] = 1;
    panel.m_nRefMode = ERefMode::ReferenceReturn;
    panel.m_bCoolant = 1;
    panel.m_nSpindle = ESpindle::Clockwise;

    const double r = demo.stockDiameter / 2.0;
    CWorkpiece& w = sim.workpiece;
    const int n = static_cast<int>(demo.stockLength / w.slice_len);
    for (int i = 0; i < n + 1 && i < CWorkpiece::kCapacity; ++i) {
        if (i < n / 5)
            w.profile_r[i] = r * 0.5;
        else if (i < n / 5 + 3)
            w.profile_r[i] = r * 0.5 + (i - n / 5 + 1) * r * 0.1; // chamfer
        else if (i < n / 2)
            w.profile_r[i] = r * 0.8;
        else if (i < n * 2 / 3)
            w.profile_r[i] = r - 2.0; // the pass in progress
        else
            w.profile_r[i] = r;
    }
    // Earlier passes, then the pass in progress up to the tool.
    const double cutZ = -(n * 2 / 3 + 0.5);
    const int inProgress = static_cast<int>(2.0 - cutZ) + 1;
    RecordPasses(w, r, demo.stockLength, std::max(0, demo.tracePoints - inProgress));
    for (double z = 2.0; z >= cutZ && w.nn < CWorkpiece::kCapacity; z -= 1.0) {
        w.Dg_x[w.nn] = r - 2.0;
        w.Dg_z[w.nn] = z;
        ++w.nn;
    }

    CInterpreterState& interp = sim.interp;
    interp.sim_running = true;
    interp.spindle_s = 800.0;
    interp.t_num = 1;
    interp.cur_z = w.Dg_z[w.nn - 1];
    interp.cur_x = w.Dg_x[w.nn - 1];
}
