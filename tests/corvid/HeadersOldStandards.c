/* The public headers under C89 and C++98 (compiled as both by CTest). */
#include "corvid.h"
#include "corvid_sim.h"

int corvid_old_standards(void)
{
    CV_SimRequest request;
    request.command = 0;
    return CV_RC_DONE + CV_OS_BUSY + CV_SIM_BUSY + (int)request.command;
}
