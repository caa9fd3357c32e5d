// Numbers under a desktop locale with a decimal comma: what the program
// shows, writes and reads must still use the point.
#include "panel/PanelDisplays.h"
#include "tools/CheckTool.h"

#include "GoldenSupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* current = std::setlocale(LC_NUMERIC, nullptr);
        m_saved = current ? current : "C";
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/install-deps.sh makes it)";
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.1f", 1.5);
        ASSERT_STREQ(probe, "1,5") << "the locale should print a decimal comma";
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, m_saved.c_str()); }

private:
    std::string m_saved;
};

TEST_F(CommaLocale, PositionDisplayKeepsThePoint)
{
    EXPECT_EQ(FormatPositionX(-1.5), "X -1.500");
    EXPECT_EQ(FormatPositionZ(12.25), "Z 12.250");
}

TEST_F(CommaLocale, CheckToolDumpsPointsWithThePoint)
{
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("velmora-comma-" + std::to_string(::getpid()) + ".txt"))
                                 .string();
    std::ofstream(path) << "G00 X10 Z0\nG01 X-1.5 Z-2.25 F0.1\n";
    const char* argv[] = {"velmora-check", "--dump", path.c_str()};
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(RunVelmoraCheck(3, argv, out, err), 0);
    golden::Drain(err);
    EXPECT_TRUE(golden::Drain(out).ends_with("\t10.000\t0.000\t-1.500\t-2.250\n"));
    std::filesystem::remove(path);
}

} // namespace
