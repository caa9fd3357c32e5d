// A transport carries the driver's control calls to a card: the device node
// with ioctl, or the simulated card in-process. Each is a constant table of
// operations over opaque data of its own.
#pragma once

#include <cstdint>

namespace corvid {

struct STransportOps {
    const char* name;
    // A handle of zero or more for the card, or, when it cannot be opened, the
    // negated error number (-ENOENT, -EBUSY, -EACCES, ...).
    int (*open)(void* data, int card);
    // One control call; 0 when the driver accepted it, -1 otherwise.
    int (*control)(void* data, int handle, std::uint32_t code, const void* in,
                   std::uint32_t inSize, void* out, std::uint32_t outSize);
    void (*close)(void* data, int handle);
    // The clock for the library's waits.
    void (*wait_ms)(void* data, std::uint32_t milliseconds);
};

struct STransport {
    const STransportOps* ops = nullptr;
    void* data = nullptr;
};

// The device nodes in dir ("/dev" normally).
STransport DeviceTransport(const char* dir);
STransport SimulatedTransport();

}  // namespace corvid
