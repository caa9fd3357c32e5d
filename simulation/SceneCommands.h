#pragma once
// The commands of the simulation view without the view: camera and render
// modes, chuck, tailstock cone, door, tool path, stock size, tool selection
// and the start of a run. The view hands its commands here; the main window
// supplies the dialogs and the frame clock.
#include "common/CommandTarget.h"
#include "editor/ToolLibrary.h"
#include "simulation/StockSize.h"

#include <optional>

struct CMachine;
struct CTurretState;
class CSimulationOutput;
class CVelmoraDoc;

class CSceneCommandHost {
public:
    virtual ~CSceneCommandHost() = default;
    // Run modally; nothing when cancelled.
    virtual std::optional<SStockSize> RunStockDialog() = 0;
    virtual std::optional<SToolLibraryResult> RunToolLibrary() = 0;
    virtual void StopFrameClock() = 0;
    virtual void StartFrameClock(int periodMs) = 0;
};

class CSceneCommands : public CCommandTarget {
public:
    static constexpr int kFramePeriodMs = 20;

    CSceneCommands(CMachine& machine, const CVelmoraDoc& doc, CSceneCommandHost& host,
                   CSimulationOutput& out)
        : m_machine(machine), m_doc(doc), m_host(host), m_out(&out)
    {
    }

    // Warnings and the start command's message go here from now on.
    void SetOutput(CSimulationOutput& out) { m_out = &out; }

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    bool IsCommandChecked(int id) const override;

private:
    void StockSize();
    void ToolSelection();

    CMachine& m_machine;
    const CVelmoraDoc& m_doc;
    CSceneCommandHost& m_host;
    CSimulationOutput* m_out;
};

// Mounting makes the clicked tool current and puts it on the turret; taking
// it off leaves it current. A click on no row mounts nothing.
void ApplyToolSelection(CTurretState& turret, const SToolLibraryResult& result);
