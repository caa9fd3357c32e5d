/*
 * square.c - a square of four lines and a half circle on card 0, then the
 * requests the card received, as the library traced them.
 *
 *   CORVID_TRANSPORT=sim ./corvid_square [trace-file]
 *   ./corvid_square --check-errors
 *
 * Without CORVID_TRANSPORT=sim it drives the card in /dev/corvidS00. With
 * --check-errors it runs on simulated cards that fail as real cards and
 * drivers do, and checks that each failure is reported with its reason and
 * stops the run before motion starts.
 */
#define _POSIX_C_SOURCE 200809L

#include <corvid.h>
#include <corvid_sim.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* The reason behind the last failure reported, 0 when it had none. */
static short g_reason;

static int Failed(short result, const char* call)
{
    short reason;
    if (result == CV_RC_DONE)
        return 0;
    reason = CV_LastOsError();
    g_reason = reason;
    if (result == CV_RC_COMM && reason != 0)
        fprintf(stderr, "%s: %s: %s\n", call, CV_ErrText(result), CV_ErrText(reason));
    else
        fprintf(stderr, "%s: %s\n", call, CV_ErrText(result));
    return 1;
}

#define CALL(expression) Failed((expression), #expression)

/* Motor axis 1 follows X and axis 2 follows Y, one pulse per unit. */
static int MapAxes(void)
{
    static const double xAxis[5] = {1.0, 0.0, 0.0, 0.0, 0.0};
    static const double yAxis[5] = {0.0, 1.0, 0.0, 0.0, 0.0};
    return CALL(CV_MapAxis(1, xAxis)) || CALL(CV_MapAxis(2, yAxis));
}

/* From (0, 0) round a square of side 1000, then half a circle to (-1000, 0). */
static int RunPath(void)
{
    return CALL(CV_SetSynVel(10.0)) || CALL(CV_SetSynAcc(0.5)) || CALL(CV_StrtList()) ||
           CALL(CV_LnXY(1000.0, 0.0)) || CALL(CV_LnXY(1000.0, 1000.0)) ||
           CALL(CV_LnXY(0.0, 1000.0)) || CALL(CV_LnXY(0.0, 0.0)) ||
           CALL(CV_ArcXY(-500.0, 0.0, 180.0)) || CALL(CV_EndList()) || CALL(CV_StrtMtn());
}

static int RunSquare(void)
{
    int failed = CALL(CV_SwitchtoCardNo(0)) || CALL(CV_Open()) || MapAxes() || RunPath();
    CV_Close();
    return failed;
}

static int PrintFile(const char* name)
{
    FILE* file = fopen(name, "r");
    char line[256];
    if (file == NULL) {
        perror(name);
        return 1;
    }
    while (fgets(line, sizeof line, file) != NULL)
        fputs(line, stdout);
    fclose(file);
    return 0;
}

static int MotionStarted(void)
{
    static CV_SimRequest log[4096];
    const int32_t count = CV_SimLog(0, log, 4096);
    int32_t i;
    for (i = 0; i < count && i < 4096; ++i)
        if (log[i].command == 130)
            return 1;
    return 0;
}

/* A square on a card with the fault must fail for the reason given, and no
   motion may start after the failure. */
static int ExpectFailure(short fault, short count, short reason)
{
    CV_SimReset();
    g_reason = 0;
    CV_SimFault(0, fault, count);
    if (RunSquare() == 0) {
        fprintf(stderr, "check: fault %d went unnoticed\n", fault);
        return 1;
    }
    if (g_reason != reason || MotionStarted()) {
        fprintf(stderr, "check: fault %d: reason %d, motion %s\n", fault, g_reason,
                MotionStarted() ? "started" : "not started");
        return 1;
    }
    return 0;
}

static int CheckErrorHandling(void)
{
    int failed;
    CV_SimSelect(1);
    failed = ExpectFailure(CV_SIM_NO_DEVICE, 1, CV_OS_NO_DEVICE) ||
             ExpectFailure(CV_SIM_BUSY, 1, CV_OS_BUSY) ||
             ExpectFailure(CV_SIM_NO_PERMISSION, 1, CV_OS_PERMISSION) ||
             ExpectFailure(CV_SIM_NO_ANSWER, 1000, CV_OS_NO_ANSWER) ||
             ExpectFailure(CV_SIM_BAD_ECHO, 4, CV_OS_BAD_REPLY);
    CV_SimReset();
    if (failed || RunSquare() != 0 || !MotionStarted())
        return EXIT_FAILURE;
    puts("error handling checked");
    return EXIT_SUCCESS;
}

int main(int argc, char** argv)
{
    const char* trace = argc > 1 ? argv[1] : "corvid-square.trace";
    int failed;
    if (argc > 1 && strcmp(argv[1], "--check-errors") == 0)
        return CheckErrorHandling();
    remove(trace);
    /* Read when the card opens. */
    setenv("CORVID_TRACE", trace, 1);
    failed = RunSquare();
    if (PrintFile(trace) != 0)
        failed = 1;
    return failed ? EXIT_FAILURE : EXIT_SUCCESS;
}
