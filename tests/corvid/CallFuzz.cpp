#include "CallFuzz.h"

#include "corvid.h"
#include "corvid_sim.h"
#include "sim/CardSim.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// The result codes a call may give, one bit each.
using Codes = std::uint32_t;

constexpr Codes Allow(std::initializer_list<int> codes)
{
    Codes bits = 0;
    for (const int code : codes)
        bits |= Codes{1} << (code + 3);
    return bits;
}

constexpr Codes kSetter = Allow({0, -1, 1, 7});
constexpr Codes kGetter = Allow({0, -1, 7});
constexpr Codes kSegment = Allow({0, -1, 1, 2, 3, 5, 7});
constexpr Codes kProfile = Allow({0, -1, 1, 4, 7});
constexpr Codes kMapping = Allow({0, -1, 1, 6, 7});
constexpr Codes kOpen = Allow({0, -1});
constexpr Codes kNumbered = Allow({0, -1, 1});  // an axis or channel number out of range gives 1
constexpr Codes kDownload = Allow({0, -1, -2, -3});

class CFuzzer {
public:
    CFuzzer(std::uint64_t seed, int thread)
        : m_random(seed * 7919 + static_cast<std::uint64_t>(thread)),
          m_image(std::filesystem::temp_directory_path() /
                  ("corvid-fuzz-" + std::to_string(::getpid()) + "-" + std::to_string(thread)))
    {
    }
    ~CFuzzer() { std::filesystem::remove(m_image); }

    long Run(long calls, bool alone);

    int Pick(int count) { return static_cast<int>(m_random() % static_cast<unsigned>(count)); }
    // A card, axis or index from first to first + count - 1.
    short Index(int first, int count) { return static_cast<short>(first + Pick(count)); }
    unsigned short Address() { return static_cast<unsigned short>(Short()); }
    double Real();
    short Short();
    std::int32_t Whole();
    short Download(bool alone);

private:
    void Check(const char* name, short result, Codes allowed, bool hasReason);
    void Disturb();

    std::mt19937_64 m_random;
    std::filesystem::path m_image;
    long m_broken = 0;
};

double CFuzzer::Real()
{
    static const double kValues[] = {0, 1e-13, 1, 0.5, 16383.99, 16384, 1e308, 1976.1, 48,
                                     std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::infinity()};
    const double sign = Pick(2) == 0 ? 1 : -1;
    if (Pick(3) == 0)
        return sign * std::ldexp(static_cast<double>(m_random() % 100000), Pick(40) - 20);
    return sign * kValues[Pick(static_cast<int>(std::size(kValues)))];
}

short CFuzzer::Short()
{
    static const short kValues[] = {-1, 0, 1, 2, 3, 4, 5, 6, 9, 16, 0x3FFF, 0x4000, 32767, -32768};
    const short chosen = kValues[Pick(static_cast<int>(std::size(kValues)))];
    return Pick(4) == 0 ? static_cast<short>(m_random()) : chosen;
}

std::int32_t CFuzzer::Whole()
{
    static const std::int32_t kValues[] = {0, 1, -1, 0x3FFFFFFF, 0x40000000, INT32_MIN, INT32_MAX};
    const std::int32_t chosen = kValues[Pick(static_cast<int>(std::size(kValues)))];
    return Pick(3) == 0 ? static_cast<std::int32_t>(m_random()) : chosen;
}

// A small image, whole or broken somewhere; a refusal must not reach the card,
// which a thread can see only while it is alone.
short CFuzzer::Download(bool alone)
{
    std::string image = "\033\033i @PA 0000 123456 ABCDEF # @DA 0100 BEEF # \033\033o";
    // Most images are broken: a whole one costs some 50,000 port writes.
    if (Pick(4) != 0)
        image[static_cast<std::size_t>(Pick(static_cast<int>(image.size())))] = static_cast<char>(m_random());
    std::ofstream(m_image, std::ios::binary) << image;
    if (!alone)
        return CV_Download(m_image.c_str());
    const short card = CV_GetCurrentCardNo();
    const auto& sim = corvid::sim::CSimBench::Instance().Card(card);
    const std::size_t before = sim.PortAccesses().size() + sim.Received().size();
    const short result = CV_Download(m_image.c_str());
    if (result < -1 && sim.PortAccesses().size() + sim.Received().size() != before) {
        std::fprintf(stderr, "fuzz: a refused download reached card %d\n", card);
        ++m_broken;
    }
    return result;
}

struct SCall {
    const char* name;
    short (*call)(CFuzzer&, bool alone);
    Codes allowed;
    bool hasReason;  // a -1 comes from the card, its driver or the system
};

const SCall kCalls[] = {
    {"CV_Open", [](CFuzzer&, bool) { return CV_Open(); }, kOpen, true},
    {"CV_Close", [](CFuzzer&, bool) { return CV_Close(); }, Allow({0}), true},
    {"CV_Reset", [](CFuzzer&, bool) { return CV_Reset(); }, kOpen, true},
    {"CV_HardRst", [](CFuzzer&, bool) { return CV_HardRst(); }, kOpen, true},
    {"CV_SwitchtoCardNo", [](CFuzzer& f, bool) { return CV_SwitchtoCardNo(f.Index(-1, 18)); }, kOpen, false},
    {"CV_SetDeviceIndex", [](CFuzzer& f, bool) { return CV_SetDeviceIndex(f.Index(-1, 6)); }, Allow({0, 16}), false},
    {"CV_Axis", [](CFuzzer& f, bool) { return CV_Axis(f.Index(0, 6)); }, kNumbered, true},
    {"CV_SetVel", [](CFuzzer& f, bool) { return CV_SetVel(f.Real()); }, kSetter, true},
    {"CV_SetJerk", [](CFuzzer& f, bool) { return CV_SetJerk(f.Real()); }, kSetter, true},
    {"CV_SetSmplTm", [](CFuzzer& f, bool) { return CV_SetSmplTm(f.Real()); }, kSetter, true},
    {"CV_SetPos", [](CFuzzer& f, bool) { return CV_SetPos(f.Whole()); }, kSetter, true},
    {"CV_PrflS", [](CFuzzer&, bool) { return CV_PrflS(); }, kSetter, true},
    {"CV_SetSpyItem", [](CFuzzer& f, bool) { return CV_SetSpyItem(f.Short(), f.Short()); }, kSetter, true},
    {"CV_GetPos", [](CFuzzer&, bool) { std::int32_t v = 0; return CV_GetPos(&v); }, kGetter, true},
    {"CV_GetJerk", [](CFuzzer&, bool) { double v = 0; return CV_GetJerk(&v); }, kGetter, true},
    {"CV_GetAdc", [](CFuzzer& f, bool) { short v = 0; return CV_GetAdc(f.Short(), &v); }, kNumbered, true},
    {"CV_EncVel", [](CFuzzer& f, bool) { double v = 0; return CV_EncVel(f.Short(), &v); }, kGetter, true},
    {"CV_GetPrfPnt", [](CFuzzer&, bool) { double p[4]; return CV_GetPrfPnt(p); }, kGetter, true},
    {"CV_MapAxis", [](CFuzzer& f, bool) {
         const double c[5] = {f.Real(), f.Real(), f.Real(), f.Real(), f.Real()};
         return CV_MapAxis(f.Index(0, 6), c);
     }, kMapping, true},
    {"CV_SetAccLmt", [](CFuzzer& f, bool) { return CV_SetAccLmt(f.Real()); }, kProfile, true},
    {"CV_SetAtlPos", [](CFuzzer& f, bool) { return CV_SetAtlPos(f.Whole()); }, kMapping, true},
    {"CV_StrtList", [](CFuzzer&, bool) { return CV_StrtList(); }, kSetter, true},
    {"CV_EndList", [](CFuzzer&, bool) { return CV_EndList(); }, kSetter, true},
    {"CV_EStpMtn", [](CFuzzer&, bool) { return CV_EStpMtn(); }, kSetter, true},
    {"CV_StrtMtn", [](CFuzzer&, bool) { return CV_StrtMtn(); }, kSetter, true},
    {"CV_SetSynAcc", [](CFuzzer& f, bool) { return CV_SetSynAcc(f.Real()); }, kProfile, true},
    {"CV_LnXYZ", [](CFuzzer& f, bool) { return CV_LnXYZ(f.Real(), f.Real(), f.Real()); }, kSegment, true},
    {"CV_ArcYZ", [](CFuzzer& f, bool) { return CV_ArcYZ(f.Real(), f.Real(), f.Real()); }, kSegment, true},
    {"CV_ArcZXP", [](CFuzzer& f, bool) { return CV_ArcZXP(f.Real(), f.Real(), f.Real(), f.Short()); }, kSegment,
     true},
    {"CV_MvXYZA", [](CFuzzer& f, bool) {
         return CV_MvXYZA(f.Real(), f.Real(), f.Real(), f.Real(), f.Real(), f.Real());
     }, kProfile, true},
    {"CV_ShowProg", [](CFuzzer& f, bool) {
         std::vector<std::uint32_t> v(64);
         return CV_ShowProg(v.data(), f.Address(), static_cast<unsigned short>(f.Pick(65)));
     }, kGetter, true},
    {"CV_WriteData", [](CFuzzer& f, bool) { return CV_WriteData(f.Address(), 1); }, kGetter, true},
    {"CV_ReadData", [](CFuzzer&, bool) {
         std::vector<short> v(3400);
         return static_cast<short>(CV_ReadData(v.data()) < -1 ? -2 : 0);
     }, Allow({0}), true},
    {"CV_INTOff", [](CFuzzer&, bool) { return CV_INTOff(); }, kGetter, true},
    {"CV_Download", [](CFuzzer& f, bool alone) { return f.Download(alone); }, kDownload, true},
    {"CV_SetBgCommandSet", [](CFuzzer& f, bool) {
         const unsigned char set[8] = {1, 0, 0, 0, 0, 0, 0, 0};
         return CV_SetBgCommandSet(set, static_cast<std::uint32_t>(f.Pick(9)));
     }, kOpen, false},
};

void CFuzzer::Check(const char* name, short result, Codes allowed, bool hasReason)
{
    const short reason = CV_LastOsError();
    const bool known = result >= -3 && result <= 16 && (allowed >> (result + 3) & 1) != 0;
    const bool reasoned = reason >= CV_OS_NO_DEVICE && reason <= CV_OS_NO_TRANSPORT;
    const bool explained = !hasReason || result != CV_RC_COMM || reasoned;
    if (known && explained && CV_ErrText(result) != nullptr)
        return;
    std::fprintf(stderr, "fuzz: %s gave %d (reason %d)\n", name, result, reason);
    ++m_broken;
}

// Faults and resets as real cards and programs bring them.
void CFuzzer::Disturb()
{
    const short card = static_cast<short>(Pick(4));
    if (Pick(50) == 0)
        CV_SimReset();
    else
        CV_SimFault(card, static_cast<short>(1 + Pick(5)), static_cast<short>(Pick(3) == 0 ? 0 : Pick(5)));
}

long CFuzzer::Run(long calls, bool alone)
{
    for (long i = 0; i < calls; ++i) {
        if (Pick(20) == 0)
            Disturb();
        const SCall& call = kCalls[Pick(static_cast<int>(std::size(kCalls)))];
        Check(call.name, call.call(*this, alone), call.allowed, call.hasReason);
    }
    return m_broken;
}

}  // namespace

long RunCallFuzz(const SCallFuzzRun& run)
{
    CV_SimSelect(1);
    CV_SimReset();
    std::vector<long> broken(static_cast<std::size_t>(run.threads), 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < run.threads; ++t)
        threads.emplace_back([&run, &broken, t] {
            CFuzzer fuzzer(run.seed, t);
            broken[static_cast<std::size_t>(t)] = fuzzer.Run(run.calls, run.threads == 1);
        });
    for (std::thread& thread : threads)
        thread.join();
    CV_SimReset();
    CV_SimSelect(0);
    long total = 0;
    for (const long count : broken)
        total += count;
    return total;
}
