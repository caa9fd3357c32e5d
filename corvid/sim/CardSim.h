// The simulated card: answers the driver's control calls as a card does, with
// per-axis registers, host ports with program and data memory, fault injection
// for tests and a virtual clock. All cards of the process sit on one bench.
// The library calls a card only under that card's lock; the clock may be
// read and advanced from several cards at once.
#pragma once

#include "corvid_ioctl.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <vector>

namespace corvid::sim {

// One command request as the card received it.
struct SReceived {
    std::uint16_t command = 0;
    std::uint16_t replyKind = 0;
    std::uint16_t wordsSent = 0;
    std::uint32_t argument = 0;
};

class CCardSim {
public:
    CCardSim();

    // Protocol.
    void Command(corvid_command_request& request);
    void Port(corvid_port_request& request);

    // What a read of readWord (with parameter, for the reads that take one)
    // answers on the given axis (0-3).
    void SetReply(int axis, std::uint16_t readWord, std::uint32_t value, std::uint32_t parameter = 0);
    std::uint32_t Reply(int axis, std::uint16_t readWord, std::uint32_t parameter = 0) const;
    int CurrentAxis() const { return m_axis; }

    // Fault injection.
    void RefuseWord(std::uint16_t word) { m_refused.insert(word); }
    void CorruptEchoes(int count) { m_corruptEchoes = count; }
    void FailControls(int count) { m_failControls = count; }
    // Opening fails with this error number (ENOENT: no device node, EBUSY:
    // another program has the card, EACCES: no permission); 0 opens again.
    void FailOpens(int error) { m_openError = error; }
    void WrongResets(int count) { m_wrongResets = count; }

    // Observation.
    const std::vector<SReceived>& Received() const { return m_received; }
    void ClearReceived() { m_received.clear(); }
    int Opens() const { return m_opens; }
    int Closes() const { return m_closes; }
    bool IsOpen() const { return m_open; }

    // What the coordinated reads answer: the profile and break points
    // (X, Y, Z, A, sent as the card's reals), the positions of the four motor
    // axes (word 148) and the synthesized velocity.
    std::array<double, 4> profilePoint{};
    std::array<double, 4> breakPoint{};
    std::array<std::int32_t, 4> axisPositions{};
    double coordVelocity = 0;

    // Host ports: every write to the hard reset port counts one reset; the
    // host status port answers hostStatus.
    int hardResets = 0;
    std::uint16_t hostStatus = 0;
    // Every port access in order, for tests that look at the sequence.
    struct SPortAccess {
        std::uint16_t port;
        bool write;
        std::uint16_t value;
    };
    const std::vector<SPortAccess>& PortAccesses() const { return m_portAccesses; }

    // Driver-side state.
    std::uint16_t interruptStatus = 0;
    bool eventSet = false;
    std::int32_t event = 0;
    std::vector<std::uint8_t> backgroundSet;
    std::vector<std::uint8_t> backgroundResult;
    std::array<std::uint16_t, 16> ports{};
    std::vector<std::uint32_t> programMemory;
    std::vector<std::uint16_t> dataMemory;

private:
    friend class CSimBench;
    std::uint16_t Echo(const corvid_command_request& request);
    std::uint32_t Read(const corvid_command_request& request) const;
    bool CoordinateRead(std::uint16_t word, std::uint32_t parameter, std::uint32_t& reply) const;
    void Store(std::uint16_t word, std::uint32_t argument);
    std::uint16_t HostData(bool write, std::uint16_t value);

    int m_axis = 1;
    std::array<std::array<std::uint32_t, 256>, 4> m_reads{};
    std::map<std::array<std::uint32_t, 3>, std::uint32_t> m_parameterReads;
    std::set<std::uint16_t> m_refused;
    int m_corruptEchoes = 0;
    int m_failControls = 0;
    int m_openError = 0;
    int m_wrongResets = 0;
    std::vector<SReceived> m_received;
    int m_opens = 0;
    int m_closes = 0;
    bool m_open = false;
    bool m_programLowNext = false;
    std::vector<SPortAccess> m_portAccesses;
};

class CSimBench {
public:
    static CSimBench& Instance();

    // Sixteen fresh cards, the clock at 0 and no wait hook.
    void Reset();
    CCardSim& Card(int index) { return m_cards.at(static_cast<std::size_t>(index)); }
    std::uint64_t NowMs() const { return m_nowMs; }
    // Called at every wait, before the clock moves on; a test can hold a
    // wait there to see what other calls do meanwhile.
    void SetWaitHook(std::function<void(std::uint32_t)> hook) { m_waitHook = std::move(hook); }

    // The driver's side of the transport. Open gives a handle, or a negative
    // error number.
    int Open(int card);
    void Close(int handle);
    int Control(int handle, std::uint32_t code, const void* in, std::uint32_t inSize, void* out,
                std::uint32_t outSize);
    void Wait(std::uint32_t milliseconds);

private:
    CSimBench() = default;
    std::array<CCardSim, 16> m_cards;
    std::atomic<std::uint64_t> m_nowMs{0};
    std::function<void(std::uint32_t)> m_waitHook;
};

}  // namespace corvid::sim
