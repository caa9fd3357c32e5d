#pragma once
// Everything a running simulation tells the world, through one narrow
// interface: the view implements it with the status bar, the panel and
// message boxes; the headless runner prints it; tests record it. It only
// reports: the machine's state is written by the simulation itself.
#include "panel/PanelState.h"

#include <string>

class CSimulationOutput {
public:
    virtual ~CSimulationOutput() = default;
    virtual void Status(const std::string& text) = 0;          // status bar pane 1
    virtual void ShowPosition(double x, double z) = 0;         // the panel's position display
    // The program changed the spindle or the coolant; the state is already set.
    virtual void SpindleChanged(ESpindle /*state*/) {}
    virtual void CoolantChanged(int /*on*/) {}
    virtual void PlaySound(const std::string& relativePath) = 0;
    // A warning of the given kind (2..7) with its text; shown without
    // stopping the frame clock.
    virtual void Warn(int kind, const std::string& text) = 0;
    // A plain message box with an OK button ("请调入数控程序!").
    virtual void Message(const std::string& text) = 0;
    // A statement's node begins to execute: the editor follows it.
    virtual void StatementStarted(int /*lineNumber*/) {}
};

// Drops everything: for runs where only the final state matters (benchmarks,
// pictures). Override what should still be heard.
class CQuietSimulationOutput : public CSimulationOutput {
public:
    void Status(const std::string&) override {}
    void ShowPosition(double, double) override {}
    void PlaySound(const std::string&) override {}
    void Warn(int, const std::string&) override {}
    void Message(const std::string&) override {}
};
