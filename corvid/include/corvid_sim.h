/*
 * corvid_sim.h - the simulated card inside libcorvid, for programs' own tests.
 *
 * A program selects the simulated card, sets what the cards report, makes
 * them fail the way real cards and drivers do, and reads back every command
 * request a card received. The simulated card keeps no real time: the waits
 * of a download or a hard reset take none.
 *
 * Cards are 0 to 15 and axes 1 to 4; other numbers give 7 (CV_RC_RANGE).
 * The functions may be called from any thread; each takes the lock of the
 * card it changes, as the calls of corvid.h do.
 *
 * The header compiles as C (C89 and later) and as C++ (C++98 and later).
 */
#ifndef CORVID_SIM_H
#define CORVID_SIM_H

#include "corvid.h"

/* Faults a simulated card can be given (CV_SimFault). */
enum {
    CV_SIM_NO_ANSWER = 1,    /* the next count driver calls fail: -1, CV_OS_NO_ANSWER */
    CV_SIM_BAD_ECHO = 2,     /* the next count commands get a wrong echo */
    CV_SIM_BUSY = 3,         /* opening fails as when another program has the card */
    CV_SIM_NO_DEVICE = 4,    /* opening fails as when the device node is missing */
    CV_SIM_NO_PERMISSION = 5 /* opening fails as when the node may not be opened */
};

/* One command request as a card received it. */
typedef struct CV_SimRequest {
    unsigned short command;   /* the command word */
    unsigned short replyKind; /* 0 no reply, 1 a 16-bit, 2 a 32-bit reply */
    unsigned short wordsSent; /* 0; 1 for a read with a parameter; 2 for a command with its argument */
    unsigned short reserved;
    uint32_t argument;
} CV_SimRequest;

#ifdef __cplusplus
extern "C" {
#endif

/* on = 1: every card opened from now on is simulated, whatever
   CORVID_TRANSPORT says; 0: CORVID_TRANSPORT decides again. Like the
   environment, the choice is read when a card opens while none is open. */
CORVID_API short CV_SimSelect(short on);

/* Closes every card and gives sixteen fresh simulated cards: no faults,
   positions and status words 0, empty logs, the clock at 0. */
CORVID_API short CV_SimReset(void);

/* What the card reports for a motor axis: its position (CV_GetAtlPos,
   CV_GetPos and the reads of the axis mapping) and its status word
   (CV_GetSts, CV_GetAxis). */
CORVID_API short CV_SimSetPosition(short card, short axis, int32_t position);
CORVID_API short CV_SimSetStatus(short card, short axis, unsigned short status);

/* Gives the card a fault. count is how many driver calls or commands fail
   for CV_SIM_NO_ANSWER and CV_SIM_BAD_ECHO; for the faults of opening, any
   count but 0 sets the fault and 0 clears it. */
CORVID_API short CV_SimFault(short card, short fault, short count);

/* The command requests the card received since it was reset or its log was
   cleared, oldest first: copies up to capacity of them into requests (which
   may be NULL when capacity is 0) and returns how many there are, or -1 for
   a card outside 0 to 15. A card keeps at least the last 32768. */
CORVID_API int32_t CV_SimLog(short card, CV_SimRequest* requests, int32_t capacity);
CORVID_API short CV_SimClearLog(short card);

#ifdef __cplusplus
}
#endif

#endif /* CORVID_SIM_H */
