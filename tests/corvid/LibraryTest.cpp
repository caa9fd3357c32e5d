// The library as a whole: result texts, the version, the header in C, and the
// shared library as a program loads it.
#include "corvid.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <set>
#include <string>

extern "C" int corvid_header_c_check(void);

TEST(CorvidLibrary, EveryResultCodeAndReasonHasItsOwnText)
{
    std::set<std::string> texts;
    int codes = 0;
#define CORVID_COLLECT_TEXT(name, value, text)          \
    ++codes;                                            \
    EXPECT_STREQ(CV_ErrText(name), text) << #name;      \
    texts.insert(CV_ErrText(name));
    CORVID_RESULT_CODES(CORVID_COLLECT_TEXT)
    CORVID_OS_REASONS(CORVID_COLLECT_TEXT)
#undef CORVID_COLLECT_TEXT
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(codes));
    EXPECT_EQ(texts.count("unknown code"), 0u);
    for (short code : {8, -4, 15, 17, 100, 108, 32767})
        EXPECT_STREQ(CV_ErrText(code), "unknown code") << code;
}

TEST(CorvidLibrary, HeaderCompilesAsC)
{
    EXPECT_EQ(corvid_header_c_check(), 7000 + 16 + 100);
}

TEST(CorvidLibrary, SharedLibraryExportsTheInterfaceAndRunsOnTheSimulator)
{
    setenv("CORVID_TRANSPORT", "sim", 1);
    void* library = dlopen(CORVID_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    auto version = reinterpret_cast<short (*)()>(dlsym(library, "CV_LibVersion"));
    auto setVel = reinterpret_cast<short (*)(double)>(dlsym(library, "CV_SetVel"));
    auto getVel = reinterpret_cast<short (*)(double*)>(dlsym(library, "CV_GetVel"));
    ASSERT_TRUE(version && setVel && getVel);
    EXPECT_EQ(version(), CORVID_VERSION);
    EXPECT_EQ(setVel(3.25), CV_RC_DONE);
    double velocity = 0;
    EXPECT_EQ(getVel(&velocity), CV_RC_DONE);
    EXPECT_EQ(velocity, 3.25);
    EXPECT_EQ(dlsym(library, "_ZN6corvid11SendCommandEtl"), nullptr);
    dlclose(library);
}
