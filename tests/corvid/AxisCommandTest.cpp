// Single-axis commands: each setter's word and argument, each getter's word
// and reply conversion, and the values refused before anything is sent.
#include "CardFixture.h"

#include "CoordState.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

struct SSetterCase {
    std::string name;
    std::function<short()> call;
    std::uint16_t word;
    std::uint32_t argument;
};

std::uint32_t Word(std::int64_t value) { return static_cast<std::uint32_t>(value); }

std::vector<SSetterCase> SetterCases()
{
    return {
        {"PrflT", [] { return CV_PrflT(); }, 1, 0},
        {"PrflS", [] { return CV_PrflS(); }, 2, 0},
        {"PrflV", [] { return CV_PrflV(); }, 4, 0},
        {"PrflG", [] { return CV_PrflG(6); }, 5, 6},
        {"ClrSts", [] { return CV_ClrSts(); }, 6, 0},
        {"CaptIndex", [] { return CV_CaptIndex(); }, 7, 0},
        {"CaptHome", [] { return CV_CaptHome(); }, 8, 0},
        {"AxisOn", [] { return CV_AxisOn(); }, 9, 0},
        {"AxisOff", [] { return CV_AxisOff(); }, 10, 0},
        {"CloseLp", [] { return CV_CloseLp(); }, 11, 0},
        {"OpenLp", [] { return CV_OpenLp(); }, 12, 0},
        {"LmtsOn", [] { return CV_LmtsOn(); }, 13, 0},
        {"LmtsOff", [] { return CV_LmtsOff(); }, 14, 0},
        {"AuStpOn", [] { return CV_AuStpOn(); }, 15, 0},
        {"AuStpOff", [] { return CV_AuStpOff(); }, 16, 0},
        {"SmthStp", [] { return CV_SmthStp(); }, 17, 0},
        {"AbptStp", [] { return CV_AbptStp(); }, 18, 0},
        {"Update", [] { return CV_Update(); }, 22, 0},
        {"AuUpdtOn", [] { return CV_AuUpdtOn(); }, 23, 0},
        {"AuUpdtOff", [] { return CV_AuUpdtOff(); }, 24, 0},
        {"DrvRst", [] { return CV_DrvRst(); }, 25, 0},
        {"BrkOff", [] { return CV_BrkOff(); }, 26, 0},
        {"PosBrk", [] { return CV_PosBrk(); }, 27, 0},
        {"NegBrk", [] { return CV_NegBrk(); }, 28, 0},
        {"ExtBrk", [] { return CV_ExtBrk(); }, 29, 0},
        {"MtnBrk", [] { return CV_MtnBrk(); }, 30, 0},
        {"MltiUpdt", [] { return CV_MltiUpdt(0xFFFF); }, 32, 0xFFFF},
        {"SetIntrMsk", [] { return CV_SetIntrMsk(0x8001); }, 33, 0x8001},
        {"RstSts", [] { return CV_RstSts(0x0F0F); }, 35, 0x0F0F},
        {"TmrIntr", [] { return CV_TmrIntr(); }, 36, 0},
        {"EvntIntr", [] { return CV_EvntIntr(); }, 37, 0},
        {"SetIntrTm", [] { return CV_SetIntrTm(40000); }, 38, 40000},
        {"ExOpt", [] { return CV_ExOpt(0xA5A5); }, 40, 0xA5A5},
        {"StepDir", [] { return CV_StepDir(); }, 42, 0},
        {"StepPulse", [] { return CV_StepPulse(); }, 42, 1},
        {"SetSmplTm", [] { return CV_SetSmplTm(200.0); }, 43, (160u << 16) | 6553u},
        {"LmtSns", [] { return CV_LmtSns(3); }, 44, 3},
        {"EncSns", [] { return CV_EncSns(0xFFFE); }, 45, 0xFFFE},
        {"EncOn", [] { return CV_EncOn(); }, 47, 0},
        {"EncOff", [] { return CV_EncOff(); }, 47, 1},
        {"SetBrkCn", [] { return CV_SetBrkCn(-7); }, 64, Word(-7)},
        {"SetPos", [] { return CV_SetPos(-123456); }, 65, Word(-123456)},
        {"SetVel", [] { return CV_SetVel(-1.5); }, 66, Word(-98304)},
        {"SetVelMax", [] { return CV_SetVel(16383.99); }, 66, 1073741168u},
        {"SetAcc", [] { return CV_SetAcc(0.25); }, 67, 16384},
        {"SetJerk", [] { return CV_SetJerk(0.125); }, 68, 0x20000000u},
        {"SetRatio", [] { return CV_SetRatio(2.0); }, 69, 131072},
        {"SetSpyItem", [] { return CV_SetSpyItem(3, 7); }, 70, 0x00070003u},
        {"SetSpyItemNegativeIndex", [] { return CV_SetSpyItem(-1, 1); }, 70, 0x0001FFFFu},
        {"SetSpyOn", [] { return CV_SetSpyOn(-2); }, 71, Word(-2)},
        {"SetTime", [] { return CV_SetTime(65535); }, 71, 65535},
        {"SetMAcc", [] { return CV_SetMAcc(1.5); }, 72, 32768},
        {"SetMtrCmd", [] { return CV_SetMtrCmd(-32768); }, 73, Word(-32768)},
        {"SetMtrLmt", [] { return CV_SetMtrLmt(0xFFFF); }, 74, 0xFFFF},
        {"SetMtrBias", [] { return CV_SetMtrBias(-1); }, 75, Word(-1)},
        {"SetKp", [] { return CV_SetKp(0xFFFF); }, 76, 0xFFFF},
        {"SetKi", [] { return CV_SetKi(2); }, 77, 2},
        {"SetKd", [] { return CV_SetKd(3); }, 78, 3},
        {"SetKvff", [] { return CV_SetKvff(4); }, 79, 4},
        {"SetKaff", [] { return CV_SetKaff(5); }, 80, 5},
        {"SetILmt", [] { return CV_SetILmt(6); }, 81, 6},
        {"SetPosErr", [] { return CV_SetPosErr(7); }, 82, 7},
        {"CtrlMode", [] { return CV_CtrlMode(2); }, 83, 2},
        {"CaptProb", [] { return CV_CaptProb(); }, 84, 0},
        {"Home", [] { return CV_Home(-9); }, 86, Word(-9)},
        {"Index", [] { return CV_Index(1); }, 87, 1},
        {"Axis", [] { return CV_Axis(3); }, 50, 0},
    };
}

}  // namespace

TEST_F(CCardTest, EverySetterSendsItsWordWithTheConvertedArgument)
{
    OpenQuietly();
    for (const SSetterCase& c : SetterCases()) {
        Card().ClearReceived();
        EXPECT_EQ(c.call(), CV_RC_DONE) << c.name;
        ASSERT_EQ(Received().size(), 1u) << c.name;
        const SReceived& r = Received()[0];
        EXPECT_EQ(r.command, c.word) << c.name;
        EXPECT_EQ(r.argument, c.argument) << c.name;
        EXPECT_EQ(r.wordsSent, 2) << c.name;
        EXPECT_EQ(r.replyKind, 1) << c.name;
    }
}

TEST_F(CCardTest, OutOfRangeValuesAreRefusedWithoutSending)
{
    OpenQuietly();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::pair<std::string, std::function<short()>>> calls = {
        {"SetVel 16384", [] { return CV_SetVel(16384.0); }},
        {"SetVel -16384", [] { return CV_SetVel(-16384.0); }},
        {"SetVel huge", [] { return CV_SetVel(1e300); }},
        {"SetVel nan", [nan] { return CV_SetVel(nan); }},
        {"SetAcc 20000", [] { return CV_SetAcc(20000.0); }},
        {"SetRatio inf", [] { return CV_SetRatio(std::numeric_limits<double>::infinity()); }},
        {"SetJerk negative", [] { return CV_SetJerk(-0.5); }},
        {"SetJerk 0.25", [] { return CV_SetJerk(0.25); }},
        {"SetMAcc huge", [] { return CV_SetMAcc(1e10); }},
        {"SetTime 65536", [] { return CV_SetTime(65536); }},
        {"SetSpyItem item 0x4000", [] { return CV_SetSpyItem(0, 0x4000); }},
        {"PrflG 0", [] { return CV_PrflG(0); }},
        {"PrflG 7", [] { return CV_PrflG(7); }},
        {"Index 2", [] { return CV_Index(2); }},
        {"Index -1", [] { return CV_Index(-1); }},
        {"SetSmplTm 47.9", [] { return CV_SetSmplTm(47.9); }},
        {"SetSmplTm 1976.1", [] { return CV_SetSmplTm(1976.1); }},
        {"SetSmplTm nan", [nan] { return CV_SetSmplTm(nan); }},
        {"SetPos 0x40000000", [] { return CV_SetPos(0x40000000); }},
    };
    for (const auto& [name, call] : calls)
        EXPECT_EQ(call(), CV_RC_RANGE) << name;
    EXPECT_TRUE(Received().empty());
}

TEST_F(CCardTest, FixedPointValuesAreCheckedAtBothEndsOfTheirRange)
{
    OpenQuietly();
    const double step16 = 1.0 / 65536.0;
    const double step32 = 1.0 / 4294967296.0;
    struct SEnd {
        std::string name;
        std::function<short()> call;
        short result;
        std::uint32_t argument;
    };
    const std::vector<SEnd> ends = {
        {"SetVel top", [=] { return CV_SetVel(0x3FFFFFFF * step16); }, CV_RC_DONE, 0x3FFFFFFFu},
        {"SetVel above top", [] { return CV_SetVel(16384.0); }, CV_RC_RANGE, 0},
        {"SetAcc bottom", [=] { return CV_SetAcc(-0x3FFFFFFF * step16); }, CV_RC_DONE, Word(-0x3FFFFFFF)},
        {"SetAcc below bottom", [] { return CV_SetAcc(-16384.0); }, CV_RC_RANGE, 0},
        {"SetJerk zero", [] { return CV_SetJerk(0.0); }, CV_RC_DONE, 0},
        {"SetJerk top", [=] { return CV_SetJerk(0x3FFFFFFF * step32); }, CV_RC_DONE, 0x3FFFFFFFu},
        {"SetJerk below zero", [=] { return CV_SetJerk(-step32); }, CV_RC_RANGE, 0},
        {"SetMAcc top", [=] { return CV_SetMAcc(0x7FFFFFFF * step16); }, CV_RC_DONE, 0xFFFFu},
        {"SetMAcc above top", [] { return CV_SetMAcc(32768.0); }, CV_RC_RANGE, 0},
        {"SetMAcc bottom", [] { return CV_SetMAcc(-32768.0); }, CV_RC_DONE, 0},
        {"SetMAcc below bottom", [=] { return CV_SetMAcc(-32768.0 - step16); }, CV_RC_RANGE, 0},
    };
    for (const SEnd& end : ends) {
        Card().ClearReceived();
        EXPECT_EQ(end.call(), end.result) << end.name;
        ASSERT_EQ(Received().size(), end.result == CV_RC_DONE ? 1u : 0u) << end.name;
        if (end.result == CV_RC_DONE) {
            EXPECT_EQ(Received()[0].argument, end.argument) << end.name;
        }
    }
}

TEST_F(CCardTest, SampleTimeLimitsAreAccepted)
{
    OpenQuietly();
    EXPECT_EQ(CV_SetSmplTm(48.0), CV_RC_DONE);
    EXPECT_EQ(CV_SetSmplTm(1976.0), CV_RC_DONE);
}

TEST_F(CCardTest, AxisOutsideOneToFourIsRefusedAndKeepsTheCurrentAxis)
{
    OpenQuietly();
    ASSERT_EQ(CV_Axis(2), CV_RC_DONE);
    Card().ClearReceived();
    EXPECT_EQ(CV_Axis(0), CV_RC_REFUSED);
    EXPECT_EQ(CV_Axis(5), CV_RC_REFUSED);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(Lib().coord.currentAxis, 1);
    Card().RefuseWord(51);
    EXPECT_EQ(CV_Axis(4), CV_RC_REFUSED);
    EXPECT_EQ(Lib().coord.currentAxis, 1);
    EXPECT_EQ(CV_Axis(3), CV_RC_DONE);
    EXPECT_EQ(Lib().coord.currentAxis, 2);
}

TEST_F(CCardTest, ProfileCommandsDropTheMappingRecordOfAMappedAxis)
{
    OpenQuietly();
    ASSERT_EQ(CV_Axis(1), CV_RC_DONE);
    corvid::SCoordState& coord = Lib().coord;
    coord.mapped[0] = 1;
    coord.mapping[0] = {1, 2, 3, 4, 5, 6};
    coord.mapping[1] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(CV_PrflS(), CV_RC_DONE);
    EXPECT_EQ(coord.mapping[0], (std::array<double, 6>{}));
    EXPECT_EQ(coord.mapping[1][0], 1.0);  // axis 2 is not current
    coord.mapped[0] = 0;
    coord.mapping[1] = {};
}

TEST_F(CCardTest, InterruptResetAndAxisInterruptSendNothing)
{
    OpenQuietly();
    EXPECT_EQ(CV_RstIntr(), CV_RC_DONE);
    EXPECT_EQ(CV_AxisI(), CV_RC_COMM);
    EXPECT_TRUE(Received().empty());
}

namespace {

struct SGetterCase {
    std::string name;
    std::function<short(double&)> read;
    std::uint16_t word;
    std::uint32_t parameter;  // sent as one argument word when nonzero or indexed
    bool indexed;
    std::uint16_t replyKind;
    std::uint32_t reply;
    double expected;
};

template <class T>
std::function<short(double&)> Into(short (*getter)(T*))
{
    return [getter](double& value) {
        T out{};
        const short result = getter(&out);
        value = static_cast<double>(out);
        return result;
    };
}

template <class T>
std::function<short(double&)> IndexedInto(short (*getter)(short, T*), short index)
{
    return [getter, index](double& value) {
        T out{};
        const short result = getter(index, &out);
        value = static_cast<double>(out);
        return result;
    };
}

std::vector<SGetterCase> GetterCases()
{
    const std::uint32_t minusTwo = 0xFFFFFFFEu;
    return {
        {"ExInpt", Into(CV_ExInpt), 53, 0, false, 2, 0x0001FFFF, -1},
        {"GetSts", Into(CV_GetSts), 54, 0, false, 2, 0x1234F00D, 0xF00D},
        {"GetAxis", Into(CV_GetAxis), 54, 0, false, 2, 0x2FFF, 2},
        {"GetMode", Into(CV_GetMode), 55, 0, false, 2, 0x8000, -32768},
        {"GetIntrMsk", Into(CV_GetIntrMsk), 56, 0, false, 2, 0x7FFF, 32767},
        {"GetIntrTm", Into(CV_GetIntrTm), 58, 0, false, 2, 100, 100},
        {"GetSmplTm", Into(CV_GetSmplTm), 59, 0, false, 2, 6553, 6553 * 0.03051757813},
        {"GetLmtSwt", Into(CV_GetLmtSwt), 60, 0, false, 2, 5, 5},
        {"GetCmdSts", Into(CV_GetCmdSts), 61, 0, false, 2, 0xFFFF, -1},
        {"GetCapt", Into(CV_GetCapt), 62, 0, false, 2, minusTwo, -2},
        {"GetVrsn", Into(CV_GetVrsn), 151, 0, false, 2, 0x12345678, 0x12345678},
        {"GetBrkCn", Into(CV_GetBrkCn), 160, 0, false, 2, 77, 77},
        {"GetPos", Into(CV_GetPos), 161, 0, false, 2, minusTwo, -2},
        {"GetVel", Into(CV_GetVel), 162, 0, false, 2, 0xFFFF8000, -0.5},
        {"GetAcc", Into(CV_GetAcc), 163, 0, false, 2, 0x00018000, 1.5},
        {"GetJerk", Into(CV_GetJerk), 164, 0, false, 2, 0x80000000, 0.5},
        {"GetRatio", Into(CV_GetRatio), 165, 0, false, 2, 0x00020000, 2.0},
        {"GetMAcc", Into(CV_GetMAcc), 168, 0, false, 2, 0x8000, 0.5},
        {"GetMtrCmd", Into(CV_GetMtrCmd), 169, 0, false, 2, 0xFFFE, -2},
        {"GetMtrLmt", Into(CV_GetMtrLmt), 170, 0, false, 2, 1000, 1000},
        {"GetMtrBias", Into(CV_GetMtrBias), 171, 0, false, 2, 0xFFFF, -1},
        {"GetKp", Into(CV_GetKp), 172, 0, false, 2, 1, 1},
        {"GetKi", Into(CV_GetKi), 173, 0, false, 2, 2, 2},
        {"GetKd", Into(CV_GetKd), 174, 0, false, 2, 3, 3},
        {"GetKvff", Into(CV_GetKvff), 175, 0, false, 2, 4, 4},
        {"GetKaff", Into(CV_GetKaff), 176, 0, false, 2, 5, 5},
        {"GetILmt", Into(CV_GetILmt), 177, 0, false, 2, 6, 6},
        {"GetPosErr", Into(CV_GetPosErr), 178, 0, false, 2, 7, 7},
        {"GetAccLmt", Into(CV_GetAccLmt), 181, 0, false, 2, 0x00040000, 4.0},
        {"GetAtlPos", Into(CV_GetAtlPos), 194, 0, false, 2, 0x7FFFFFFF, 2147483647.0},
        {"GetAtlErr", Into(CV_GetAtlErr), 195, 0, false, 2, 0x8001, -32767},
        {"GetAtlVel", Into(CV_GetAtlVel), 196, 0, false, 2, 0xFFFF0000, -1.0},
        {"GetIntgr", Into(CV_GetIntgr), 197, 0, false, 2, 9, 9},
        {"GetAdc 1", IndexedInto(CV_GetAdc, 1), 182, 0, true, 1, 0x7FFF, 32767},
        {"GetAdc 8", IndexedInto(CV_GetAdc, 8), 182, 7, true, 1, 0xFFFF8001, -32767},
        {"EncPos 2", IndexedInto(CV_EncPos, 2), 198, 1, true, 2, minusTwo, -2},
        {"EncVel 1", IndexedInto(CV_EncVel, 1), 199, 0, true, 2, 65636, 65636 * 0.000015235541471143885},
    };
}

}  // namespace

TEST_F(CCardTest, EveryGetterReadsItsWordAndConvertsTheReply)
{
    OpenQuietly();
    for (const SGetterCase& c : GetterCases()) {
        Card().SetReply(Card().CurrentAxis(), c.word, c.reply, c.parameter);
        Card().ClearReceived();
        double value = 0;
        EXPECT_EQ(c.read(value), CV_RC_DONE) << c.name;
        EXPECT_DOUBLE_EQ(value, c.expected) << c.name;
        ASSERT_EQ(Received().size(), 1u) << c.name;
        const SReceived& r = Received()[0];
        EXPECT_EQ(r.command, c.word) << c.name;
        EXPECT_EQ(r.replyKind, c.replyKind) << c.name;
        EXPECT_EQ(r.wordsSent, c.indexed ? 1 : 0) << c.name;
        EXPECT_EQ(r.argument, c.parameter) << c.name;
    }
}

TEST_F(CCardTest, IndexedGettersRefuseIndicesOutsideTheirRangeWithoutSending)
{
    OpenQuietly();
    short adc = 5;
    std::int32_t position = 5;
    double velocity = 5;
    EXPECT_EQ(CV_GetAdc(0, &adc), CV_RC_REFUSED);
    EXPECT_EQ(CV_GetAdc(9, &adc), CV_RC_REFUSED);
    EXPECT_EQ(CV_EncPos(0, &position), CV_RC_RANGE);
    EXPECT_EQ(CV_EncPos(3, &position), CV_RC_RANGE);
    EXPECT_EQ(CV_EncVel(3, &velocity), CV_RC_RANGE);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(adc, 5);
}

TEST_F(CCardTest, AFailedReadLeavesTheOutputAloneAndNullIsRefused)
{
    OpenQuietly();
    Card().FailControls(1);
    std::int32_t position = 42;
    EXPECT_EQ(CV_GetPos(&position), CV_RC_COMM);
    EXPECT_EQ(position, 42);
    EXPECT_EQ(CV_GetPos(nullptr), CV_RC_RANGE);
    EXPECT_EQ(CV_GetAdc(1, nullptr), CV_RC_RANGE);
    EXPECT_TRUE(Received().empty());
}

TEST_F(CCardTest, GettersReadBackWhatSettersSent)
{
    OpenQuietly();
    ASSERT_EQ(CV_SetVel(12.5), CV_RC_DONE);
    ASSERT_EQ(CV_SetPos(-123456), CV_RC_DONE);
    ASSERT_EQ(CV_SetKp(300), CV_RC_DONE);
    ASSERT_EQ(CV_SetSmplTm(200.0), CV_RC_DONE);
    double velocity = 0;
    std::int32_t position = 0;
    short kp = 0;
    double sampleTime = 0;
    EXPECT_EQ(CV_GetVel(&velocity), CV_RC_DONE);
    EXPECT_EQ(CV_GetPos(&position), CV_RC_DONE);
    EXPECT_EQ(CV_GetKp(&kp), CV_RC_DONE);
    EXPECT_EQ(CV_GetSmplTm(&sampleTime), CV_RC_DONE);
    EXPECT_EQ(velocity, 12.5);
    EXPECT_EQ(position, -123456);
    EXPECT_EQ(kp, 300);
    EXPECT_NEAR(sampleTime, 200.0, 0.05);
}
