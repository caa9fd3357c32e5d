/*
 * corvid.h - the Corvid motion-card library (libcorvid.so).
 *
 * Drives up to sixteen motion cards of up to four axes each. Every call
 * addresses the current card (CV_SwitchtoCardNo) and, for single-axis
 * commands, the card's current axis (CV_Axis). A card is opened on first use.
 * Every function returns a result code (CV_RC_* below) unless said otherwise;
 * CV_ErrText turns a code into words.
 *
 * Units are the card's: positions in pulses, velocities in pulses per sample,
 * accelerations in pulses per sample squared, angles in degrees.
 *
 * Threads: each card has a lock of its own, held for the whole of one call on
 * that card and never for another card's calls, so a download or a reset of one
 * card holds back no call on any other card. A call addresses the card that
 * was current when it began. The current card belongs to the thread that chose
 * it: after CV_SwitchtoCardNo (or CV_SetDeviceIndex) a thread keeps its card
 * whatever other threads choose; a thread that never chose one addresses the
 * card chosen last by any thread. The current axis (CV_Axis) and everything
 * the library keeps for coordinated motion belong to the card.
 *
 * Stops: CV_StpMtn and CV_EStpMtn wait for a call in progress on their own
 * card, except for a download or a hard reset, which hold the card in reset
 * for seconds: then they return -1 at once and CV_LastOsError gives
 * CV_OS_BUSY. They never wait for another card.
 *
 * Environment (read when the first card of the process, or the first card after
 * all were closed, is opened):
 *   CORVID_TRANSPORT=sim     talk to the simulated card inside the library
 *                            instead of the driver; "device" or unset selects
 *                            the driver, any other value makes opening fail.
 *   CORVID_TRACE=<file>      append one line per driver control call to <file>:
 *                              <card> <code> <request> <reply>
 *                            card index in decimal, control code in hexadecimal,
 *                            request and reply bytes in hexadecimal (two digits
 *                            a byte, no separators), fields separated by single
 *                            spaces. An empty buffer is written "-"; the reply of
 *                            a failed call is written "failed". The reset of
 *                            card 0, for example:
 *                              0 220214 13000200000000000000000000000000 1300020000000000549c564300000000
 *   CORVID_DEVICE_DIR=<dir>  look for the device nodes in <dir> instead of /dev.
 *
 * The header compiles as C (C89 and later) and as C++ (C++98 and later).
 */
#ifndef CORVID_H
#define CORVID_H

#include <stdint.h>

#if defined(_WIN32)
#  define CORVID_API
#elif defined(__GNUC__)
#  define CORVID_API __attribute__((visibility("default")))
#else
#  define CORVID_API
#endif

/* Version of this header; CV_LibVersion gives the version of the loaded library.
   Major version in the high byte, minor in the low byte. */
#define CORVID_VERSION_MAJOR 1
#define CORVID_VERSION_MINOR 0
#define CORVID_VERSION ((CORVID_VERSION_MAJOR << 8) | CORVID_VERSION_MINOR)

/* Result codes: name, value, text. */
#define CORVID_RESULT_CODES(X)                                                   \
    X(CV_RC_DONE, 0, "done")                                                     \
    X(CV_RC_COMM, -1, "communication failure: card not open, driver call failed or echo wrong") \
    X(CV_RC_REFUSED, 1, "command refused by the card, or axis or channel number out of range") \
    X(CV_RC_ARC_RADIUS, 2, "arc with zero radius or with the start point equal to the end point") \
    X(CV_RC_LINE_LENGTH, 3, "line of zero length")                               \
    X(CV_RC_TOO_SLOW, 4, "synthesized velocity or acceleration too small")       \
    X(CV_RC_ARC_CHORD, 5, "arc radius smaller than half the chord")              \
    X(CV_RC_MAPPING, 6, "axis mapping cannot be inverted")                       \
    X(CV_RC_RANGE, 7, "parameter out of range, or no place for the result")   \
    X(CV_RC_NO_FILE, -2, "controller program file cannot be opened or read")     \
    X(CV_RC_BAD_IMAGE, -3, "controller program image malformed or larger than 1 MiB") \
    X(CV_RC_INDEX, 16, "device index above 3")

/* Reasons behind -1 (CV_LastOsError): name, value, text. 0 means none. */
#define CORVID_OS_REASONS(X)                                                     \
    X(CV_OS_NO_DEVICE, 101, "no device node for the card: driver not loaded, or no such card") \
    X(CV_OS_BUSY, 102, "card busy: opened by another program, or being loaded or reset") \
    X(CV_OS_PERMISSION, 103, "no permission to open the card's device node")      \
    X(CV_OS_OPEN, 104, "the card's device node cannot be opened")                \
    X(CV_OS_NO_ANSWER, 105, "the driver failed the request: the card does not answer") \
    X(CV_OS_BAD_REPLY, 106, "the card answered wrongly: reset reply or echo")    \
    X(CV_OS_NO_TRANSPORT, 107, "CORVID_TRANSPORT names no known transport")

/* CORVID_CODES_END_ only keeps the list from ending in a comma, which C89 and
   C++98 do not allow. */
#define CORVID_CODE_ENUM(name, value, text) name = (value),
enum { CORVID_RESULT_CODES(CORVID_CODE_ENUM) CORVID_OS_REASONS(CORVID_CODE_ENUM) CORVID_CODES_END_ };
#undef CORVID_CODE_ENUM

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Library ------------------------------------------------------------ */
/* A result code or a CV_OS_* reason in words; never NULL, "unknown code"
   for other values. */
CORVID_API const char* CV_ErrText(short code);
CORVID_API short CV_LibVersion(void);          /* CORVID_VERSION of the library */
/* Why the calling thread's last call returned -1: a CV_OS_* reason, or 0 when
   that call did not fail for the card, its driver or the system (or did not
   fail). Each call on a card sets it anew. */
CORVID_API short CV_LastOsError(void);

/* ---- Cards, reset, background commands ---------------------------------- */
CORVID_API short CV_Open(void);
CORVID_API short CV_Close(void); /* also ends the card's vector list */
CORVID_API short CV_Reset(void);
CORVID_API short CV_HardRst(void);
CORVID_API short CV_SwitchtoCardNo(short card);     /* 0 to 15, else -1 */
CORVID_API short CV_GetCurrentCardNo(void);         /* the current card index */
CORVID_API short CV_SetDeviceIndex(short index);    /* 0 to 3, else 16 */
CORVID_API short CV_GetIntr(unsigned short* status);     /* NULL gives 7 */
CORVID_API short CV_SetIntSyncEvent(int32_t event); /* 0 or -1 withdraws the event */
CORVID_API short CV_SetBgCommandSet(const void* set, uint32_t size); /* -1 when size is below the set's size */
CORVID_API short CV_GetBgCommandResult(void* buffer, uint32_t size); /* NULL with a size gives 7 */

/* ---- Coordinated motion ------------------------------------------------- */
/* Segments start at the card's profile point, or, between CV_StrtList (or
   CV_AddList) and CV_EndList, at the end of the segment sent before. A value
   that is not a finite number gives 7 before anything is sent. */
/* coefficients: X, Y, Z, A and the offset (rounded to whole pulses). 6 when the
   mapping cannot be inverted, or no memory could be had for it. A mapping,
   limit or position call that does not return 0 leaves the library's mapping,
   limits and points as they were. */
CORVID_API short CV_MapAxis(short axis, const double* coefficients);
CORVID_API short CV_StrtList(void);
CORVID_API short CV_AddList(void);
CORVID_API short CV_EndList(void);
CORVID_API short CV_StrtMtn(void);
CORVID_API short CV_StpMtn(void);
CORVID_API short CV_EStpMtn(void);
CORVID_API short CV_CrdAuStpOn(void);
CORVID_API short CV_CrdAuStpOff(void);
CORVID_API short CV_SetSynVel(double velocity);
CORVID_API short CV_SetSynAcc(double acceleration);
CORVID_API short CV_LnXY(double x, double y);
CORVID_API short CV_LnXYZ(double x, double y, double z);
CORVID_API short CV_LnXYZA(double x, double y, double z, double a);
CORVID_API short CV_ArcXY(double xCentre, double yCentre, double angle);
CORVID_API short CV_ArcYZ(double yCentre, double zCentre, double angle);
CORVID_API short CV_ArcZX(double zCentre, double xCentre, double angle);
CORVID_API short CV_ArcXYP(double x, double y, double radius, short direction);
CORVID_API short CV_ArcYZP(double y, double z, double radius, short direction);
CORVID_API short CV_ArcZXP(double z, double x, double radius, short direction);
CORVID_API short CV_MvXY(double x, double y, double velocity, double acceleration);
CORVID_API short CV_MvXYZ(double x, double y, double z, double velocity, double acceleration);
CORVID_API short CV_MvXYZA(double x, double y, double z, double a, double velocity,
                           double acceleration);
CORVID_API short CV_GetPrfPnt(double* point); /* four doubles X, Y, Z, A */
CORVID_API short CV_GetBrkPnt(double* point); /* four doubles */
CORVID_API short CV_GetCrdSts(short* status);
CORVID_API short CV_GetMtnNm(short* number);
CORVID_API short CV_GetCrdVel(double* velocity);
/* The current axis's acceleration limit, a magnitude of 1e-12 to 16384. Each
   coordinate then gets the largest acceleration that keeps every motor mapped
   to it within its own limit (16384, no limit, when no motor follows it). */
CORVID_API short CV_SetAccLmt(double limit);
CORVID_API short CV_SetAtlPos(int32_t position);
CORVID_API short CV_SynchPos(void);
CORVID_API short CV_ZeroPos(void);

/* ---- Single-axis commands ----------------------------------------------- */
CORVID_API short CV_Axis(short axis); /* 1 to 4 */
CORVID_API short CV_PrflT(void);
CORVID_API short CV_PrflS(void);
CORVID_API short CV_PrflV(void);
CORVID_API short CV_PrflG(short mode); /* 1 to 6 */
CORVID_API short CV_ClrSts(void);
CORVID_API short CV_CaptIndex(void);
CORVID_API short CV_CaptHome(void);
CORVID_API short CV_AxisOn(void);
CORVID_API short CV_AxisOff(void);
CORVID_API short CV_CloseLp(void);
CORVID_API short CV_OpenLp(void);
CORVID_API short CV_LmtsOn(void);
CORVID_API short CV_LmtsOff(void);
CORVID_API short CV_AuStpOn(void);
CORVID_API short CV_AuStpOff(void);
CORVID_API short CV_SmthStp(void);
CORVID_API short CV_AbptStp(void);
CORVID_API short CV_Update(void);
CORVID_API short CV_AuUpdtOn(void);
CORVID_API short CV_AuUpdtOff(void);
CORVID_API short CV_DrvRst(void);
CORVID_API short CV_BrkOff(void);
CORVID_API short CV_PosBrk(void);
CORVID_API short CV_NegBrk(void);
CORVID_API short CV_ExtBrk(void);
CORVID_API short CV_MtnBrk(void);
CORVID_API short CV_MltiUpdt(unsigned short mask);
CORVID_API short CV_SetIntrMsk(unsigned short mask);
CORVID_API short CV_RstSts(unsigned short bits);
CORVID_API short CV_TmrIntr(void);
CORVID_API short CV_EvntIntr(void);
CORVID_API short CV_SetIntrTm(unsigned short time);
CORVID_API short CV_ExOpt(unsigned short outputs);
CORVID_API short CV_StepDir(void);
CORVID_API short CV_StepPulse(void);
CORVID_API short CV_SetSmplTm(double microseconds); /* 48 to 1976 */
CORVID_API short CV_LmtSns(unsigned short senseBits);
CORVID_API short CV_EncSns(unsigned short senseBits);
CORVID_API short CV_EncOn(void);
CORVID_API short CV_EncOff(void);
CORVID_API short CV_SetBrkCn(int32_t count);
CORVID_API short CV_SetPos(int32_t position);
CORVID_API short CV_SetVel(double velocity);         /* |velocity| below 16384 */
CORVID_API short CV_SetAcc(double acceleration);     /* |acceleration| below 16384 */
CORVID_API short CV_SetJerk(double jerk);            /* 0 to below 0.25 */
CORVID_API short CV_SetRatio(double ratio);          /* |ratio| below 16384 */
CORVID_API short CV_SetSpyItem(short index, short item);
CORVID_API short CV_SetSpyOn(short value);
CORVID_API short CV_SetTime(uint32_t time);          /* below 65536 */
CORVID_API short CV_SetMAcc(double acceleration);    /* only the low 16 bits of the fixed point go */
CORVID_API short CV_SetMtrCmd(short output);
CORVID_API short CV_SetMtrLmt(unsigned short limit);
CORVID_API short CV_SetMtrBias(short bias);
CORVID_API short CV_SetKp(unsigned short gain);
CORVID_API short CV_SetKi(unsigned short gain);
CORVID_API short CV_SetKd(unsigned short gain);
CORVID_API short CV_SetKvff(unsigned short gain);
CORVID_API short CV_SetKaff(unsigned short gain);
CORVID_API short CV_SetILmt(unsigned short limit);
CORVID_API short CV_SetPosErr(unsigned short limit);
CORVID_API short CV_CtrlMode(int32_t mode);
CORVID_API short CV_CaptProb(void);
CORVID_API short CV_Home(int32_t value);
CORVID_API short CV_Index(short value); /* 0 or 1 */
CORVID_API short CV_RstIntr(void);      /* sends nothing; 0 */
CORVID_API short CV_AxisI(void);        /* sends nothing; -1 */

/* ---- Single-axis status (outputs are left alone on failure; NULL gives 7) - */
CORVID_API short CV_ExInpt(short* inputs);
CORVID_API short CV_GetSts(unsigned short* status);
CORVID_API short CV_GetMode(short* mode);
CORVID_API short CV_GetIntrMsk(short* mask);
CORVID_API short CV_GetIntrTm(short* time);
CORVID_API short CV_GetSmplTm(double* microseconds);
CORVID_API short CV_GetLmtSwt(short* switches);
CORVID_API short CV_GetCmdSts(short* status);
CORVID_API short CV_GetCapt(int32_t* position);
CORVID_API short CV_GetVrsn(int32_t* version);
CORVID_API short CV_GetBrkCn(int32_t* count);
CORVID_API short CV_GetPos(int32_t* position);
CORVID_API short CV_GetVel(double* velocity);
CORVID_API short CV_GetAcc(double* acceleration);
CORVID_API short CV_GetJerk(double* jerk);
CORVID_API short CV_GetRatio(double* ratio);
CORVID_API short CV_GetMAcc(double* acceleration);
CORVID_API short CV_GetMtrCmd(short* output);
CORVID_API short CV_GetMtrLmt(short* limit);
CORVID_API short CV_GetMtrBias(short* bias);
CORVID_API short CV_GetKp(short* gain);
CORVID_API short CV_GetKi(short* gain);
CORVID_API short CV_GetKd(short* gain);
CORVID_API short CV_GetKvff(short* gain);
CORVID_API short CV_GetKaff(short* gain);
CORVID_API short CV_GetILmt(short* limit);
CORVID_API short CV_GetPosErr(short* limit);
CORVID_API short CV_GetAccLmt(double* limit);
CORVID_API short CV_GetAdc(short channel, short* value); /* channel 1 to 8 */
CORVID_API short CV_GetAtlPos(int32_t* position);
CORVID_API short CV_GetAtlErr(short* error);
CORVID_API short CV_GetAtlVel(double* velocity);
CORVID_API short CV_GetIntgr(short* value);
CORVID_API short CV_EncPos(short encoder, int32_t* position); /* encoder 1 or 2 */
CORVID_API short CV_EncVel(short encoder, double* velocity);  /* encoder 1 or 2 */
CORVID_API short CV_GetAxis(unsigned short* axisBits);        /* status bits 12-13 */

/* ---- Controller program, memories, host interrupt ----------------------- */
/* CV_Download loads a controller program image into the current card. The
   whole file is read and checked before the card is touched: -2 when it cannot
   be opened or read (a directory, for one), -3 when it is not a well-formed
   image or is larger than 1 MiB (CV_RC_BAD_IMAGE); the card is then left as
   it was. A well-formed image has "\033\033i" as its first token, sections
   "@PA <address>" of program words (up to six hexadecimal digits) and
   "@DA <address>" of data words (up to four), each ended by a token starting
   with "#" and lying wholly inside its memory (addresses 0 to 3FFF), and
   "\033\033o" after the last section; other tokens between sections are
   skipped. Loading takes about five seconds on a card (none on the simulated
   one); -1 when the card stops answering on the way. download is the same
   function under its old name. Program memory word 0 is reached only by a
   download: the single-word functions take address 0 as 1. */
CORVID_API short CV_Download(const char* file);
CORVID_API short download(const char* file);
/* Memory words: addresses 0 to 3FFF, and address + count at most 4000 (hex),
   else 7 before anything is sent. On -1 the caller's words are left alone. */
CORVID_API short CV_ShowData(unsigned short* words, unsigned short address, unsigned short count);
CORVID_API short CV_ShowProg(uint32_t* values, unsigned short address, unsigned short count);
CORVID_API short CV_WriteData(unsigned short address, unsigned short value);
CORVID_API short CV_WriteProg(unsigned short address, unsigned short value);
CORVID_API short CV_ReadData(short* buffer); /* room for 3400 words; returns the count or -1; NULL discards */
/* The interrupt control word changes only when the card took it. */
CORVID_API short CV_DSPINT(void);
CORVID_API short CV_EXTINT(void);
CORVID_API short CV_INTOn(void);
CORVID_API short CV_INTOff(void);
CORVID_API short CV_RiseEdge(void);
CORVID_API short CV_TrailEdge(void);

#ifdef __cplusplus
}
#endif

#endif /* CORVID_H */
