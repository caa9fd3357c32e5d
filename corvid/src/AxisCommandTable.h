// The single-axis command words, as tables. Each row becomes one exported
// function in AxisCommands.cpp.
#pragma once

// Commands with a fixed argument: name, word, argument.
#define CORVID_FIXED_COMMANDS(X) \
    X(CV_ClrSts, 6, 0)           \
    X(CV_CaptIndex, 7, 0)        \
    X(CV_CaptHome, 8, 0)         \
    X(CV_AxisOn, 9, 0)           \
    X(CV_AxisOff, 10, 0)         \
    X(CV_CloseLp, 11, 0)         \
    X(CV_OpenLp, 12, 0)          \
    X(CV_LmtsOn, 13, 0)          \
    X(CV_LmtsOff, 14, 0)         \
    X(CV_AuStpOn, 15, 0)         \
    X(CV_AuStpOff, 16, 0)        \
    X(CV_SmthStp, 17, 0)         \
    X(CV_AbptStp, 18, 0)         \
    X(CV_Update, 22, 0)          \
    X(CV_AuUpdtOn, 23, 0)        \
    X(CV_AuUpdtOff, 24, 0)       \
    X(CV_DrvRst, 25, 0)          \
    X(CV_BrkOff, 26, 0)          \
    X(CV_PosBrk, 27, 0)          \
    X(CV_NegBrk, 28, 0)          \
    X(CV_ExtBrk, 29, 0)          \
    X(CV_MtnBrk, 30, 0)          \
    X(CV_TmrIntr, 36, 0)         \
    X(CV_EvntIntr, 37, 0)        \
    X(CV_StepDir, 42, 0)         \
    X(CV_StepPulse, 42, 1)       \
    X(CV_EncOn, 47, 0)           \
    X(CV_EncOff, 47, 1)          \
    X(CV_CaptProb, 84, 0)

// Profile selections, after which a mapped current axis loses its mapping
// record: name, word.
#define CORVID_PROFILE_COMMANDS(X) \
    X(CV_PrflT, 1)                 \
    X(CV_PrflS, 2)                 \
    X(CV_PrflV, 4)

// Setters of one value: name, word, caller's type, argument conversion.
#define CORVID_VALUE_SETTERS(X)                         \
    X(CV_PrflG, 5, short, ArgProfileMode)               \
    X(CV_MltiUpdt, 32, unsigned short, ArgU16)          \
    X(CV_SetIntrMsk, 33, unsigned short, ArgU16)        \
    X(CV_RstSts, 35, unsigned short, ArgU16)            \
    X(CV_SetIntrTm, 38, unsigned short, ArgU16)         \
    X(CV_ExOpt, 40, unsigned short, ArgU16)             \
    X(CV_SetSmplTm, 43, double, ArgSampleTime)          \
    X(CV_LmtSns, 44, unsigned short, ArgU16)            \
    X(CV_EncSns, 45, unsigned short, ArgU16)            \
    X(CV_SetBrkCn, 64, std::int32_t, ArgInt)            \
    X(CV_SetPos, 65, std::int32_t, ArgInt)              \
    X(CV_SetVel, 66, double, ArgFix16)                  \
    X(CV_SetAcc, 67, double, ArgFix16)                  \
    X(CV_SetJerk, 68, double, ArgJerk)                  \
    X(CV_SetRatio, 69, double, ArgFix16)                \
    X(CV_SetSpyOn, 71, short, ArgS16)                   \
    X(CV_SetTime, 71, std::uint32_t, ArgTime)           \
    X(CV_SetMAcc, 72, double, ArgFix16Low)              \
    X(CV_SetMtrCmd, 73, short, ArgS16)                  \
    X(CV_SetMtrLmt, 74, unsigned short, ArgU16)         \
    X(CV_SetMtrBias, 75, short, ArgS16)                 \
    X(CV_SetKp, 76, unsigned short, ArgU16)             \
    X(CV_SetKi, 77, unsigned short, ArgU16)             \
    X(CV_SetKd, 78, unsigned short, ArgU16)             \
    X(CV_SetKvff, 79, unsigned short, ArgU16)           \
    X(CV_SetKaff, 80, unsigned short, ArgU16)           \
    X(CV_SetILmt, 81, unsigned short, ArgU16)           \
    X(CV_SetPosErr, 82, unsigned short, ArgU16)         \
    X(CV_CtrlMode, 83, std::int32_t, ArgInt)            \
    X(CV_Home, 86, std::int32_t, ArgInt)                \
    X(CV_Index, 87, short, ArgIndexFlag)

// Reads without parameter: name, word, caller's type, reply conversion.
#define CORVID_GETTERS(X)                                  \
    X(CV_ExInpt, 53, short, ReplyS16)                      \
    X(CV_GetSts, 54, unsigned short, ReplyU16)             \
    X(CV_GetAxis, 54, unsigned short, ReplyAxisBits)       \
    X(CV_GetMode, 55, short, ReplyS16)                     \
    X(CV_GetIntrMsk, 56, short, ReplyS16)                  \
    X(CV_GetIntrTm, 58, short, ReplyS16)                   \
    X(CV_GetSmplTm, 59, double, ReplySampleTime)           \
    X(CV_GetLmtSwt, 60, short, ReplyS16)                   \
    X(CV_GetCmdSts, 61, short, ReplyS16)                   \
    X(CV_GetCapt, 62, std::int32_t, ReplyS32)              \
    X(CV_GetVrsn, 151, std::int32_t, ReplyS32)             \
    X(CV_GetBrkCn, 160, std::int32_t, ReplyS32)            \
    X(CV_GetPos, 161, std::int32_t, ReplyS32)              \
    X(CV_GetVel, 162, double, ReplyFix16)                  \
    X(CV_GetAcc, 163, double, ReplyFix16)                  \
    X(CV_GetJerk, 164, double, ReplyFix32U)                \
    X(CV_GetRatio, 165, double, ReplyFix16)                \
    X(CV_GetMAcc, 168, double, ReplyFix16)                 \
    X(CV_GetMtrCmd, 169, short, ReplyS16)                  \
    X(CV_GetMtrLmt, 170, short, ReplyS16)                  \
    X(CV_GetMtrBias, 171, short, ReplyS16)                 \
    X(CV_GetKp, 172, short, ReplyS16)                      \
    X(CV_GetKi, 173, short, ReplyS16)                      \
    X(CV_GetKd, 174, short, ReplyS16)                      \
    X(CV_GetKvff, 175, short, ReplyS16)                    \
    X(CV_GetKaff, 176, short, ReplyS16)                    \
    X(CV_GetILmt, 177, short, ReplyS16)                    \
    X(CV_GetPosErr, 178, short, ReplyS16)                  \
    X(CV_GetAccLmt, 181, double, ReplyFix16)               \
    X(CV_GetAtlPos, 194, std::int32_t, ReplyS32)           \
    X(CV_GetAtlErr, 195, short, ReplyS16)                  \
    X(CV_GetAtlVel, 196, double, ReplyFix16)               \
    X(CV_GetIntgr, 197, short, ReplyS16)

// Reads of one channel or encoder: name, word, caller's type, highest
// index, code for an index out of range, reply kind, reply conversion.
#define CORVID_INDEXED_GETTERS(X)                                          \
    X(CV_GetAdc, 182, short, 8, CV_RC_REFUSED, CORVID_REPLY_16, ReplyS16)  \
    X(CV_EncPos, 198, std::int32_t, 2, CV_RC_RANGE, CORVID_REPLY_32, ReplyS32) \
    X(CV_EncVel, 199, double, 2, CV_RC_RANGE, CORVID_REPLY_32, ReplyEncoderVelocity)
