// Frame time of the full lathe scene drawn by the view's own renderer through
// the offscreen host: a 400 mm stock turned in steps, a 30,000-point trace,
// coolant on, chips flying, the door open, 1280 x 1024, half the frames
// solid and half transparent.
// Then a program of 30,000 steps is machined on the same scene at x50, each
// frame's advance and drawing timed beside one at x1 at the same point of
// the program, so that the speeds can be set side by side and the x50
// run's length in 20 ms frames read off.
// Usage: xvfb-run -a -s "-screen 0 1280x1024x24" frame_bench [--frames N]
// The still scene's line reads "frames N median_ms M p95_ms P"; each speed's
// "run xK frames N median_ms M p95_ms P total_ms T clock_ms C steps S".
#include "program/ProgramFile.h"
#include "simulation/Camera.h"
#include "simulation/OffscreenHost.h"
#include "simulation/RunControl.h"
#include "simulation/SceneDemo.h"
#include "simulation/Machine.h"
#include "simulation/SimulationOutput.h"

#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string Fixed(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::fixed, 2).ptr;
    return std::string(buffer, end);
}

double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t rank = static_cast<size_t>(std::ceil(p / 100.0 * values.size()));
    return values[std::min(values.size() - 1, rank == 0 ? 0 : rank - 1)];
}

// Times `frames` frames in one render mode, after a few unmeasured ones.
void TimeMode(COffscreenHost& host, CMachine& machine, ERenderMode mode,
              int frames, std::vector<double>& times)
{
    CQuietSimulationOutput out;
    CCamera camera;
    machine.sim.switches.renderMode = mode;
    for (int i = 0; i < 10; ++i)
        host.Render(machine, out, camera);
    for (int i = 0; i < frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        host.Render(machine, out, camera);
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
}

class CSilentPrompter : public CPrompter {
public:
    EPromptAnswer Ask(const std::string&, EPromptButtons, EPromptIcon, const std::string&) override
    {
        return EPromptAnswer::Ok;
    }
};

// Roughing passes along a 60 x 200 bar, each 0.25 mm deeper, out and back
// at rapid: 96 passes of 308 steps, just inside the trace.
std::string LongRun()
{
    std::string text = "T0101\nM03 S800\nG00 X31 Z2\n";
    for (int pass = 0; pass < 96; ++pass) {
        const std::string x = Fixed(29.5 - 0.25 * pass), out = Fixed(30.5 - 0.25 * pass);
        text += "G00 X" + x + " Z2\nG01 X" + x + " Z-150 F0.2\n";
        text += "G00 X" + out + " Z-150\nG00 X" + out + " Z2\n";
    }
    return text + "M05\nM02\n";
}

// clock_ms: how long the run takes on the view's 20 ms clock, where a frame
// that takes longer holds the next tick back.
void PrintRun(int speed, const std::vector<double>& times, double total, int steps)
{
    double clock = 0.0;
    for (double ms : times)
        clock += std::max(ms, 20.0);
    std::printf("run x%d frames %zu median_ms %s p95_ms %s total_ms %s clock_ms %s steps %d\n", speed,
                times.size(), Fixed(Percentile(times, 50)).c_str(), Fixed(Percentile(times, 95)).c_str(),
                Fixed(total).c_str(), Fixed(clock).c_str(), steps);
}

double RenderTimed(COffscreenHost& host, CMachine& machine, std::vector<double>& times)
{
    CQuietSimulationOutput out;
    const CCamera camera;
    const auto start = std::chrono::steady_clock::now();
    host.Render(machine, out, camera);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    times.push_back(ms);
    return ms;
}

CMachine& StartRun(CMachine& machine, const CVelmoraDoc& doc, int speed)
{
    CQuietSimulationOutput out;
    SetUpMachiningScene(machine, {200.0, 60.0, 0});
    machine.sim.switches.renderMode = ERenderMode::Solid;
    StartSimulation(machine.sim, doc, out);
    SetSpeed(machine.sim.interp, speed);
    return machine;
}

// The whole program at x50, every frame's advance and drawing timed, and
// beside each frame one at x1 of a machine brought undrawn to the same
// step: x1 through it all would take 30,000 frames. Each has its own
// context, as each view keeps its own trace; taking the frames in turn
// lets the machine's other load fall on both alike.
void TimeRuns(const CVelmoraDoc& doc)
{
    auto slow = std::make_unique<CMachine>(), fast = std::make_unique<CMachine>();
    COffscreenHost slowHost(StartRun(*slow, doc, 1).sim, 1280, 1024);
    COffscreenHost fastHost(StartRun(*fast, doc, 50).sim, 1280, 1024);
    CQuietSimulationOutput out;
    std::vector<double> slowTimes, fastTimes;
    double slowTotal = 0.0, fastTotal = 0.0;
    while (fast->sim.interp.HasCurrent()) {
        fastTotal += RenderTimed(fastHost, *fast, fastTimes);
        while (slow->sim.workpiece.nn + 1 < fast->sim.workpiece.nn && slow->sim.interp.HasCurrent())
            StepSimulation(slow->sim, slow->panel, out);
        slowTotal += RenderTimed(slowHost, *slow, slowTimes);
    }
    PrintRun(1, slowTimes, slowTotal, slow->sim.workpiece.nn);
    PrintRun(50, fastTimes, fastTotal, fast->sim.workpiece.nn);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    int frames = 200;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "--frames") {
            const std::string_view v = argv[i + 1];
            std::from_chars(v.data(), v.data() + v.size(), frames);
        }
    frames = std::max(frames, 2);
    auto machine = std::make_unique<CMachine>();
    SetUpMachiningScene(*machine, {400.0, 60.0, 30000});
    COffscreenHost host(machine->sim, 1280, 1024);
    if (!host.IsValid()) {
        std::fprintf(stderr, "frame_bench: no OpenGL context (run under xvfb-run)\n");
        return 1;
    }
    std::vector<double> solid, transparent;
    TimeMode(host, *machine, ERenderMode::Solid, frames / 2, solid);
    TimeMode(host, *machine, ERenderMode::Transparent, frames - frames / 2, transparent);
    std::printf("solid median_ms %s p95_ms %s\n", Fixed(Percentile(solid, 50)).c_str(),
                Fixed(Percentile(solid, 95)).c_str());
    std::printf("transparent median_ms %s p95_ms %s\n",
                Fixed(Percentile(transparent, 50)).c_str(),
                Fixed(Percentile(transparent, 95)).c_str());
    std::vector<double> all = solid;
    all.insert(all.end(), transparent.begin(), transparent.end());
    std::printf("frames %d median_ms %s p95_ms %s\n", frames, Fixed(Percentile(all, 50)).c_str(),
                Fixed(Percentile(all, 95)).c_str());

    CSilentPrompter prompter;
    CVelmoraDoc doc(prompter);
    std::istringstream program(LongRun());
    ReadProgramStream(doc, program);
    TimeRuns(doc);
    return 0;
}
