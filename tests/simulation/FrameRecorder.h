#pragma once
// Records what the frames tell the world, for asserting on it.
#include "simulation/SimulationOutput.h"

#include <string>
#include <vector>

class CFrameRecorder : public CSimulationOutput {
public:
    void Status(const std::string& text) override { status.push_back(text); }
    void ShowPosition(double x, double z) override { positions.push_back({x, z}); }
    void SpindleChanged(ESpindle state) override { spindle.push_back(int(state)); }
    void CoolantChanged(int on) override { coolant.push_back(on); }
    void PlaySound(const std::string& path) override { sounds.push_back(path); }
    void Warn(int kind, const std::string& text) override
    {
        warnings.push_back(kind);
        warningTexts.push_back(text);
    }
    void Message(const std::string& text) override { messages.push_back(text); }

    struct SPosition {
        double x, z;
    };
    std::vector<std::string> status, sounds, messages, warningTexts;
    std::vector<SPosition> positions;
    std::vector<int> spindle, coolant, warnings;
};
