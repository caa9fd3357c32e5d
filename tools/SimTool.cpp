#include "tools/SimTool.h"

#include "program/ProgramFile.h"
#include "panel/PanelState.h"
#include "platform/StreamPrompter.h"
#include "simulation/CycleTime.h"
#include "simulation/Interpreter.h"
#include "simulation/RunControl.h"
#include "common/NumberText.h"
#include "simulation/SceneFrame.h"
#include "simulation/Simulation.h"
#include "simulation/SimulationOutput.h"
#include "simulation/StockSize.h"
#include "tools/SimActions.h"
#include "tools/SimExport.h"

#include <charconv>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

namespace {

const char* const kUsage =
    "Usage: velmora-sim [options] PROGRAM\n"
    "\n"
    "Reads PROGRAM as Velmora's open command does (its messages on standard\n"
    "error), clamps the stock, mounts the three tools, selects reference return and\n"
    "machines the program one frame at a time, as the simulation view does.\n"
    "Standard output gets one line per event, fields separated by a tab:\n"
    "status, spindle, coolant, warning, pos (with --positions), message, and\n"
    "last: end FRAMES NN NN_END.\n"
    "\n"
    "  --stock-diameter D  stock outer diameter in mm (0 to 80; default 40)\n"
    "  --stock-bore B      stock inner diameter in mm (0 to 60; default 0)\n"
    "  --stock-length L    stock length in mm (0 to 400; default 200)\n"
    "  --max-frames K      stop after K frames (default 1000000)\n"
    "  --positions         print every position the run shows on the panel\n"
    "  --diameter          read X and U as diameters (I, K and R stay radii)\n"
    "  --actions F         run the operator actions of F, one a line: FRAME ACTION\n"
    "                      [ARGS], before that frame's step (frames count from the\n"
    "                      start): start, hold, resume, single-block on|off, estop,\n"
    "                      reset, unclamp, clamp, stock DIAMETER LENGTH [BORE],\n"
    "                      mount STATION TOOL, remove STATION, jog, ref, speed K\n"
    "                      (1 2 5 10 50 steps a frame, or max: 10000 a frame),\n"
    "                      override PERCENT (0-150);\n"
    "                      prints a state line (running, held, stopped, ended)\n"
    "                      on every change of the run's state\n"
    "  --cycle-time        print the machining time a real machine would take,\n"
    "                      computed from the statements: time SECONDS\n"
    "  --profile-csv F     write slice,radius lines of the machined stock to F\n"
    "  --trace-csv F       write index,x,z lines of the tool path to F\n"
    "  --svg F             draw the machined half-profile and tool path to F\n"
    "  --stl F             write the machined part as a binary STL to F\n"
    "  --help              show this text\n"
    "\n"
    "Exit status: 0 when the program ran, 2 when it cannot be read, a stock\n"
    "size is refused or the arguments are wrong.\n";

struct SOptions {
    SStockSize stock{200.0, 40.0, 0.0};
    long long maxFrames = 1000000;
    bool positions = false;
    bool diameter = false;
    bool cycleTime = false;
    bool help = false;
    std::string profileCsv, traceCsv, svg, stl, actions, program;
    std::string error;       // wrong arguments: usage follows
    std::string stockError;  // a refused stock size, as the dialog says it
};

bool TakeStock(SOptions& options, EStockField field, std::string_view text)
{
    const SStockFieldValue parsed = ParseStockField(field, text);
    if (!parsed.error.empty()) {
        options.stockError = parsed.error;
        return false;
    }
    double& target = field == EStockField::Length          ? options.stock.length
                     : field == EStockField::OuterDiameter ? options.stock.outerDiameter
                                                           : options.stock.innerDiameter;
    target = parsed.value;
    return true;
}

bool TakeFrames(SOptions& options, std::string_view text)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), options.maxFrames);
    if (ec != std::errc() || end != text.data() + text.size() || options.maxFrames < 0) {
        options.error = "--max-frames needs a whole number of frames";
        return false;
    }
    return true;
}

bool TakeValue(SOptions& options, std::string_view option, std::string_view value)
{
    if (option == "--stock-diameter")
        return TakeStock(options, EStockField::OuterDiameter, value);
    if (option == "--stock-bore")
        return TakeStock(options, EStockField::InnerDiameter, value);
    if (option == "--stock-length")
        return TakeStock(options, EStockField::Length, value);
    if (option == "--max-frames")
        return TakeFrames(options, value);
    std::string* file = option == "--profile-csv" ? &options.profileCsv
                        : option == "--trace-csv" ? &options.traceCsv
                        : option == "--svg"       ? &options.svg
                        : option == "--actions"   ? &options.actions
                                                  : &options.stl;
    *file = value;
    return true;
}

bool NeedsValue(std::string_view arg)
{
    for (std::string_view option : {"--stock-diameter", "--stock-bore", "--stock-length", "--max-frames",
                                    "--profile-csv", "--trace-csv", "--svg", "--stl", "--actions"})
        if (arg == option)
            return true;
    return false;
}

SOptions Parse(int argc, const char* const* argv)
{
    SOptions options;
    for (int n = 1; n < argc && options.error.empty() && options.stockError.empty(); ++n) {
        const std::string_view arg = argv[n];
        if (arg == "--help" || arg == "-h")
            options.help = true;
        else if (arg == "--positions")
            options.positions = true;
        else if (arg == "--diameter")
            options.diameter = true;
        else if (arg == "--cycle-time")
            options.cycleTime = true;
        else if (NeedsValue(arg)) {
            if (++n == argc)
                options.error = std::string(arg) + " needs a value";
            else
                TakeValue(options, arg, argv[n]);
        } else if (arg.starts_with("-") && arg != "-")
            options.error = "unknown option " + std::string(arg);
        else if (!options.program.empty())
            options.error = "only one program can be machined at a time";
        else
            options.program = arg;
    }
    if (options.error.empty() && options.stockError.empty() && options.program.empty() && !options.help)
        options.error = "no program file given";
    if (options.stockError.empty())
        options.stockError = StockWallError(options.stock);
    return options;
}

// Prints every event of the run as one line.
class CPrintingOutput : public CSimulationOutput {
public:
    CPrintingOutput(std::FILE* out, const CSimulation& sim, bool positions)
        : m_out(out), m_sim(sim), m_positions(positions)
    {
    }
    void Status(const std::string& text) override { Line("status\t" + text); }
    void ShowPosition(double x, double z) override
    {
        // Only what a step shows: the idle display of every frame is not an event.
        if (!m_positions || !m_sim.interp.sim_running || !m_sim.interp.HasCurrent())
            return;
        std::string line = "pos\t";
        AppendFixed(line, x, 3);
        line += '\t';
        AppendFixed(line, z, 3);
        Line(line);
    }
    void SpindleChanged(ESpindle state) override { Line("spindle\t" + std::to_string(int(state))); }
    void CoolantChanged(int on) override { Line("coolant\t" + std::to_string(on)); }
    void PlaySound(const std::string&) override {}
    void Warn(int kind, const std::string& text) override { Line("warning\t" + std::to_string(kind) + "\t" + text); }
    void Message(const std::string& text) override { Line("message\t" + text); }

private:
    void Line(std::string text)
    {
        text += '\n';
        std::fwrite(text.data(), 1, text.size(), m_out);
    }
    std::FILE* m_out;
    const CSimulation& m_sim;
    bool m_positions;
};

void SetUpMachine(CMachine& machine, const SStockSize& stock)
{
    CSimulation& sim = machine.sim;
    CPanelState& panel = machine.panel;
    sim.switches.stockOuterDiameter = stock.outerDiameter;
    sim.switches.stockInnerDiameter = stock.innerDiameter;
    sim.switches.stockLength = stock.length;
    sim.switches.chuckClamped = 1;
    sim.switches.chuckUnclamped = 0;
    sim.turret.currentTool = 0;
    for (int& mounted : sim.turret.mounted)
        mounted = 1;
    panel.m_nRefMode = ERefMode::ReferenceReturn;
    panel.m_nCoordDisplay = ECoordDisplay::Absolute;
}

// Frames until the program ends or the limit; counts those whose step ran.
long long RunFrames(CMachine& machine, CSimulationOutput& out, long long maxFrames)
{
    const CInterpreterState& in = machine.sim.interp;
    long long stepped = 0;
    for (long long frame = 0; frame < maxFrames && in.sim_running && in.HasCurrent(); ++frame) {
        AdvanceFrame(machine, out);
        ++stepped;
    }
    return stepped;
}

void PrintStateChange(std::FILE* out, ERunState state, ERunState& last)
{
    if (state == last)
        return;
    last = state;
    if (*RunStateName(state) != '\0')
        std::fprintf(out, "state\t%s\n", RunStateName(state));
}

// The same with the actions run before their frames' steps: the frames go
// on while the program runs or is held, or an action is still to come.
long long RunScript(CMachine& machine, const CVelmoraDoc& doc, const SActionScript& script,
                    CSimulationOutput& printer, std::FILE* out, long long maxFrames)
{
    const CInterpreterState& in = machine.sim.interp;
    ERunState last = ERunState::Idle;
    PrintStateChange(out, RunState(in), last);
    std::size_t next = 0;
    long long stepped = 0;
    for (long long frame = 0; frame < maxFrames; ++frame) {
        for (; next < script.actions.size() && script.actions[next].frame == frame; ++next) {
            ApplyAction(script.actions[next], machine, doc, printer);
            PrintStateChange(out, RunState(in), last);
        }
        const ERunState state = RunState(in);
        if (state != ERunState::Running && state != ERunState::Held && next == script.actions.size())
            break;
        AdvanceFrame(machine, printer);
        ++stepped;
        PrintStateChange(out, RunState(in), last);
    }
    return stepped;
}

bool WriteExports(const SOptions& options, const CSimulation& sim, std::FILE* err)
{
    const std::pair<const std::string*, std::string (*)(const CSimulation&)> exports[] = {
        {&options.profileCsv, ProfileCsv}, {&options.traceCsv, TraceCsv},
        {&options.svg, ProfileSvg},        {&options.stl, PartStl}};
    bool ok = true;
    for (const auto& [path, make] : exports) {
        if (path->empty())
            continue;
        const std::string failure = WriteWholeFile(*path, make(sim));
        if (failure.empty())
            continue;
        std::fprintf(err, "velmora-sim: %s\n", failure.c_str());
        ok = false;
    }
    return ok;
}

} // namespace

int RunVelmoraSim(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    const SOptions options = Parse(argc, argv);
    if (options.help) {
        std::fputs(kUsage, out);
        return 0;
    }
    if (!options.stockError.empty()) {
        std::fprintf(err, "velmora-sim: %s\n", options.stockError.c_str());
        return 2;
    }
    if (!options.error.empty()) {
        std::fprintf(err, "velmora-sim: %s\n%s", options.error.c_str(), kUsage);
        return 2;
    }
    CStreamPrompter prompter(err);
    CVelmoraDoc doc(prompter);
    const SFileResult read = ReadProgramFile(doc, options.program);
    if (!read.ok) {
        std::fprintf(err, "velmora-sim: %s\n", read.error.c_str());
        return 2;
    }
    SActionScript script;
    if (!options.actions.empty()) {
        std::ifstream file(options.actions, std::ios::binary);
        if (!file.is_open()) {
            std::fprintf(err, "velmora-sim: cannot read %s\n", options.actions.c_str());
            return 2;
        }
        script = ParseActions({std::istreambuf_iterator<char>(file), {}});
        if (!script.error.empty()) {
            std::fprintf(err, "velmora-sim: actions line %s\n", script.error.c_str());
            return 2;
        }
    }
    auto machine = std::make_unique<CMachine>();
    SetUpMachine(*machine, options.stock);
    SetDiameterProgramming(*machine, options.diameter);
    // The same run must print the same lines on any machine.
    machine->sim.interp.fixed_fast_steps = true;
    const CSimulation& sim = machine->sim;
    CPrintingOutput printer(out, sim, options.positions);
    StartSimulation(machine->sim, doc, printer);
    if (options.cycleTime)
        std::fprintf(out, "time\t%s\n", FixedText(CycleTimeSeconds(sim.interp), 1).c_str());
    const long long frames = options.actions.empty()
                                 ? RunFrames(*machine, printer, options.maxFrames)
                                 : RunScript(*machine, doc, script, printer, out, options.maxFrames);
    std::fprintf(out, "end\t%lld\t%d\t%d\n", frames, sim.workpiece.nn, sim.workpiece.nn_end);
    return WriteExports(options, sim, err) ? 0 : 2;
}
