#pragma once
// A simulation set up for machining and an output that records what a run
// tells the world, for the interpreter's tests.
#include "program/ProgramFile.h"
#include "panel/PanelState.h"
#include "platform/ScriptedPrompter.h"
#include "simulation/Interpreter.h"
#include "simulation/Machine.h"
#include "simulation/SimulationOutput.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

class CRecordingOutput : public CSimulationOutput {
public:
    void Status(const std::string& text) override { events.push_back("status " + text); }
    void ShowPosition(double x, double z) override { positions.push_back({x, z}); }
    void SpindleChanged(ESpindle state) override { events.push_back("spindle " + std::to_string(int(state))); }
    void CoolantChanged(int on) override { events.push_back("coolant " + std::to_string(on)); }
    void PlaySound(const std::string& path) override { sounds.push_back(path); }
    void Warn(int kind, const std::string& text) override { warnings.push_back({kind, text}); }
    void Message(const std::string& text) override { messages.push_back(text); }
    void StatementStarted(int line) override { started.push_back(line); }

    struct SWarning {
        int kind;
        std::string text;
        bool operator==(const SWarning&) const = default;
    };
    std::vector<std::string> events;
    std::vector<std::pair<double, double>> positions;
    std::vector<std::string> sounds;
    std::vector<SWarning> warnings;
    std::vector<std::string> messages;
    std::vector<int> started;
};

// A document read from program text through the real reader.
struct SProgram {
    CScriptedPrompter prompter;
    CVelmoraDoc doc{prompter};
    explicit SProgram(const std::string& text)
    {
        std::istringstream in(text);
        ReadProgramStream(doc, in);
    }
};

// A 40 x 200 bar clamped, tool 1 mounted, the machine referenced.
struct SMachine {
    std::unique_ptr<CMachine> machine = std::make_unique<CMachine>();
    CSimulation* const sim = &machine->sim;
    CPanelState& panel = machine->panel;
    CRecordingOutput out;
    SMachine()
    {
        sim->switches.stockOuterDiameter = 40.0;
        sim->switches.stockLength = 200.0;
        sim->turret.currentTool = 0;
        sim->turret.mounted[0] = 1;
        panel.m_nRefMode = ERefMode::ReferenceReturn;
    }
    void Start(const std::string& text)
    {
        program = std::make_unique<SProgram>(text);
        StartSimulation(*sim, program->doc, out);
    }
    // The same with the tool standing at (x, z) instead of its home point,
    // so that a test can watch one move from a point of its choosing.
    void StartFrom(double x, double z, const std::string& text)
    {
        Start(text);
        CInterpreterState& in = sim->interp;
        if (!in.sim_running)
            return;
        BuildMoveList(in, program->doc, x, z);
        in.cur = 0;
        in.cur_x = x, in.cur_z = z;
    }
    // The spindle turning as its key leaves it, for the tests of a cut that
    // do not start it with M03 of their own.
    void SpindleOn() { panel.m_nSpindle = ESpindle::Clockwise; }
    // Steps until the program ends or the limit is reached; the steps taken.
    int Run(int limit = 100000)
    {
        int steps = 0;
        while (sim->interp.HasCurrent() && steps < limit) {
            StepSimulation(*sim, panel, out);
            ++steps;
        }
        return steps;
    }
    std::vector<double> TraceZ() const
    {
        const auto& w = sim->workpiece;
        return {w.Dg_z.begin(), w.Dg_z.begin() + w.nn};
    }
    std::vector<double> TraceX() const
    {
        const auto& w = sim->workpiece;
        return {w.Dg_x.begin(), w.Dg_x.begin() + w.nn};
    }
    std::unique_ptr<SProgram> program;
};
