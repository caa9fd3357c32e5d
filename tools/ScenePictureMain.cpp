// Draws the lathe scene without a window and saves it as a picture.
// Usage: velmora-scene-picture OUT.png [--mode 0..3] [--size WxH] [--frames N]
//        [--idle] [--door-closed] [--length MM] [--zoom PIXELS] [--pan X,Y]
// Needs a display for OpenGL (xvfb-run -a).
#include "simulation/Camera.h"
#include "simulation/OffscreenHost.h"
#include "simulation/SceneDemo.h"
#include "simulation/Machine.h"
#include "simulation/SimulationOutput.h"

#include <QGuiApplication>

#include <charconv>
#include <cstdio>
#include <memory>
#include <string_view>

namespace {

// A warning still tells why a picture does not show what was asked for.
class CQuietOutput : public CQuietSimulationOutput {
public:
    void Warn(int, const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

int Number(std::string_view text)
{
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: velmora-scene-picture OUT.png [options]\n");
        return 2;
    }
    auto machine = std::make_unique<CMachine>();
    CSimulation* const sim = &machine->sim;
    int width = 1280, height = 1024, frames = 30, mode = 1;
    bool idle = false, doorClosed = false;
    int zoom = 0, panX = 0, panY = 0;
    SDemoScene demo;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const std::string_view next = i + 1 < argc ? argv[i + 1] : "";
        if (arg == "--mode") { mode = Number(next); ++i; }
        else if (arg == "--frames") { frames = Number(next); ++i; }
        else if (arg == "--length") { demo.stockLength = Number(next); ++i; }
        else if (arg == "--size") {
            width = Number(next);
            height = Number(next.substr(next.find('x') + 1));
            ++i;
        }
        else if (arg == "--zoom") { zoom = Number(next); ++i; }
        else if (arg == "--pan") {
            panX = Number(next);
            panY = Number(next.substr(next.find(',') + 1));
            ++i;
        }
        else if (arg == "--idle") idle = true;
        else if (arg == "--door-closed") doorClosed = true;
    }
    if (!idle)
        SetUpMachiningScene(*machine, demo);
    if (doorClosed)
        sim->switches.doorClosed = 1;
    sim->switches.renderMode = static_cast<ERenderMode>(mode);
    CQuietOutput out;
    CCamera camera;
    camera.scene_move[2] = float(zoom);
    camera.pan[0] = float(panX);
    camera.pan[1] = float(panY);
    COffscreenHost host(*sim, width, height);
    if (!host.IsValid()) {
        std::fprintf(stderr, "velmora-scene-picture: no OpenGL context\n");
        return 1;
    }
    for (int i = 0; i < frames; ++i)
        host.Render(*machine, out, camera);
    return host.Grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
