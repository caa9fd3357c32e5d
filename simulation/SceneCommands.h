#pragma once
// The commands of the simulation view without the view: camera and render
// modes, chuck, tailstock cone, door, tool path, stock size, tool selection
// and the start of a run. The view hands its commands here and supplies the
// dialogs, the panel's spindle state and its frame clock.
#include "common/CommandTarget.h"
#include "editor/ToolLibrary.h"
#include "simulation/StockSize.h"

#include <optional>

struct CSimulation;
class CSimulationOutput;
class CVelmoraDoc;

class CSceneCommandHost {
public:
    virtual ~CSceneCommandHost() = default;
    // The operator panel's spindle state (0 stopped); 0 without a panel.
    virtual int PanelSpindle() const = 0;
    // Run modally; nothing when cancelled.
    virtual std::optional<SStockSize> RunStockDialog() = 0;
    virtual std::optional<SToolLibraryResult> RunToolLibrary() = 0;
    virtual void StopFrameClock() = 0;
    virtual void StartFrameClock(int periodMs) = 0;
};

class CSceneCommands : public CCommandTarget {
public:
    static constexpr int kFramePeriodMs = 20;

    CSceneCommands(CSimulation& sim, const CVelmoraDoc& doc, CSceneCommandHost& host, CSimulationOutput& out)
        : m_sim(sim), m_doc(doc), m_host(host), m_out(&out)
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

    CSimulation& m_sim;
    const CVelmoraDoc& m_doc;
    CSceneCommandHost& m_host;
    CSimulationOutput* m_out;
};
