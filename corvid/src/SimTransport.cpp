// The simulated card behind the transport table: its clock is virtual, so the
// library's waits take no time.
#include "Transport.h"
#include "sim/CardSim.h"

namespace corvid {

namespace {

sim::CSimBench& Bench(void* data) { return *static_cast<sim::CSimBench*>(data); }

int OpenSim(void* data, int card) { return Bench(data).Open(card); }

int ControlSim(void* data, int handle, std::uint32_t code, const void* in, std::uint32_t inSize,
               void* out, std::uint32_t outSize)
{
    return Bench(data).Control(handle, code, in, inSize, out, outSize);
}

void CloseSim(void* data, int handle) { Bench(data).Close(handle); }

void WaitSim(void* data, std::uint32_t milliseconds) { Bench(data).Wait(milliseconds); }

constexpr STransportOps kSimOps = {"sim", OpenSim, ControlSim, CloseSim, WaitSim};

}  // namespace

STransport SimulatedTransport() { return {&kSimOps, &sim::CSimBench::Instance()}; }

}  // namespace corvid
