/*
 * square.c - a square of four lines and a half circle on card 0, then the
 * requests the card received, as the library traced them.
 *
 *   CORVID_TRANSPORT=sim ./corvid_square [trace-file]
 *
 * Without CORVID_TRANSPORT=sim it drives the card in /dev/corvidS00.
 */
#define _POSIX_C_SOURCE 200809L

#include <corvid.h>

#include <stdio.h>
#include <stdlib.h>

static int Failed(short result, const char* call)
{
    if (result == CV_RC_DONE)
        return 0;
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

int main(int argc, char** argv)
{
    const char* trace = argc > 1 ? argv[1] : "corvid-square.trace";
    int failed;
    remove(trace);
    /* Read when the card opens. */
    setenv("CORVID_TRACE", trace, 1);
    failed = CALL(CV_SwitchtoCardNo(0)) || CALL(CV_Open()) || MapAxes() || RunPath();
    CV_Close();
    if (PrintFile(trace) != 0)
        failed = 1;
    return failed ? EXIT_FAILURE : EXIT_SUCCESS;
}
