/* The public header compiled as C: the codes, the version and a few calls. */
#include "corvid.h"
#include "corvid_ioctl.h"

int corvid_header_c_check(void)
{
    short (*open)(void) = CV_Open;
    short (*setVel)(double) = CV_SetVel;
    const char* (*text)(short) = CV_ErrText;
    struct corvid_command_request request = {0};
    request.command = 19;
    if (open == 0 || setVel == 0 || text == 0)
        return -1;
    return CV_RC_RANGE * 1000 + (int)sizeof request + (CORVID_VERSION == CV_LibVersion() ? 100 : 0);
}
