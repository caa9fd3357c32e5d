// Frame time of the full lathe scene drawn by the view's own renderer through
// the offscreen host: a 400 mm stock turned in steps, a 30,000-point trace,
// coolant on, chips flying, the door open, 1280 x 1024, half the frames
// solid and half transparent.
// Usage: xvfb-run -a -s "-screen 0 1280x1024x24" frame_bench [--frames N]
// The last line reads "frames N median_ms M p95_ms P".
#include "simulation/Camera.h"
#include "simulation/OffscreenHost.h"
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
    return 0;
}
