// Result code texts, generated from the code table of the header, and the
// library's version.
#include "corvid.h"

const char* CV_ErrText(short code)
{
    switch (code) {
#define CORVID_RESULT_TEXT_CASE(name, value, text) \
    case name:                                     \
        return text;
        CORVID_RESULT_CODES(CORVID_RESULT_TEXT_CASE)
#undef CORVID_RESULT_TEXT_CASE
    default:
        return "unknown code";
    }
}

short CV_LibVersion(void) { return CORVID_VERSION; }
