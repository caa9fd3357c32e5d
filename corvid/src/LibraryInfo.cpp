// Result code and reason texts, generated from the tables of the header, the
// reason behind the last failure, and the library's version.
#include "corvid.h"

#include "Frame.h"

const char* CV_ErrText(short code)
{
    switch (code) {
#define CORVID_RESULT_TEXT_CASE(name, value, text) \
    case name:                                     \
        return text;
        CORVID_RESULT_CODES(CORVID_RESULT_TEXT_CASE)
        CORVID_OS_REASONS(CORVID_RESULT_TEXT_CASE)
#undef CORVID_RESULT_TEXT_CASE
    default:
        return "unknown code";
    }
}

short CV_LibVersion(void) { return CORVID_VERSION; }

short CV_LastOsError(void) { return corvid::FailureReason(); }
