// CORVID_TRACE lines, and the device-node transport found through them.
#include "CardFixture.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

class CTraceTest : public CCardTest {
protected:
    void SetUp() override
    {
        CCardTest::SetUp();
        m_dir = fs::temp_directory_path() / ("corvid-trace-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_trace = m_dir / "trace.txt";
        fs::remove(m_trace);
        setenv("CORVID_TRACE", m_trace.c_str(), 1);
    }

    void TearDown() override
    {
        CCardTest::TearDown();
        unsetenv("CORVID_TRACE");
        fs::remove_all(m_dir);
    }

    std::vector<std::string> Lines() const
    {
        std::ifstream in(m_trace);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    fs::path m_dir;
    fs::path m_trace;
};

const char* const kResetLine =
    "0 220214 13000200000000000000000000000000 1300020000000000549c564300000000";

}  // namespace

TEST_F(CTraceTest, EachControlCallWritesCardCodeRequestAndReply)
{
    ASSERT_EQ(CV_SetVel(1.0), CV_RC_DONE);
    unsigned short status = 0;
    ASSERT_EQ(CV_GetIntr(&status), CV_RC_DONE);
    const std::vector<std::string> expected = {
        kResetLine,
        "0 220214 42000100020000000000000000000100 42000100020000004300000000000100",
        "0 220220 - 0000",
    };
    EXPECT_EQ(Lines(), expected);
}

TEST_F(CTraceTest, AFailedCallIsTracedAsFailed)
{
    ASSERT_EQ(CV_Open(), CV_RC_DONE);
    Card().FailControls(1);
    EXPECT_EQ(CV_SetIntSyncEvent(0x01020304), CV_RC_COMM);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "0 220208 04030201 failed");
}

TEST_F(CTraceTest, CardTenOpensTheDeviceNodeEndingInZeroA)
{
    // Not a driver, so the node opens but refuses the reset's control call.
    setenv("CORVID_TRANSPORT", "device", 1);
    setenv("CORVID_DEVICE_DIR", m_dir.c_str(), 1);
    std::ofstream(m_dir / "corvidS0a").put('\0');
    ASSERT_EQ(CV_SwitchtoCardNo(9), CV_RC_DONE);
    EXPECT_EQ(CV_Open(), CV_RC_COMM);
    EXPECT_EQ(CV_LastOsError(), CV_OS_NO_DEVICE);
    EXPECT_TRUE(Lines().empty());
    ASSERT_EQ(CV_SwitchtoCardNo(10), CV_RC_DONE);
    EXPECT_EQ(CV_Open(), CV_RC_COMM);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "10 220214 13000200000000000000000000000000 failed");
    unsetenv("CORVID_DEVICE_DIR");
}

TEST_F(CTraceTest, ATraceFileRemovedWhileTheCardIsOpenIsCreatedAgain)
{
    ASSERT_EQ(CV_Open(), CV_RC_DONE);
    fs::remove(m_trace);
    ASSERT_EQ(CV_SetVel(1.0), CV_RC_DONE);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(0, 12), "0 220214 420");
}

TEST_F(CTraceTest, ATraceFileReplacedWhileTheCardIsOpenGetsTheNextLines)
{
    ASSERT_EQ(CV_Open(), CV_RC_DONE);
    const fs::path other = m_dir / "other.txt";
    std::ofstream(other) << "kept\n";
    fs::rename(other, m_trace);
    ASSERT_EQ(CV_SetVel(1.0), CV_RC_DONE);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "kept");
}

TEST_F(CTraceTest, ADeviceNodeAnotherProgramHoldsIsBusy)
{
    setenv("CORVID_TRANSPORT", "device", 1);
    setenv("CORVID_DEVICE_DIR", m_dir.c_str(), 1);
    const fs::path node = m_dir / "corvidS00";
    std::ofstream(node).put('\0');
    const int other = ::open(node.c_str(), O_RDWR);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(CV_Open(), CV_RC_COMM);
    EXPECT_EQ(CV_LastOsError(), CV_OS_BUSY);
    ::close(other);
    unsetenv("CORVID_DEVICE_DIR");
}

TEST_F(CTraceTest, TracingResumesOnceItsFolderIsThereAgain)
{
    fs::remove_all(m_dir);
    testing::internal::CaptureStderr();
    ASSERT_EQ(CV_SetVel(1.0), CV_RC_DONE);
    ASSERT_EQ(CV_SetVel(1.0), CV_RC_DONE);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("cannot open the trace file"), std::string::npos);
    EXPECT_EQ(errors.find("cannot open the trace file"), errors.rfind("cannot open the trace file"));
    fs::create_directories(m_dir);
    ASSERT_EQ(CV_SetVel(1.0), CV_RC_DONE);
    EXPECT_EQ(Lines().size(), 1u);
}

TEST_F(CTraceTest, WriteErrorsAreReportedOnce)
{
    setenv("CORVID_TRACE", "/dev/full", 1);
    testing::internal::CaptureStderr();
    ASSERT_EQ(CV_SetVel(1.0), CV_RC_DONE);
    ASSERT_EQ(CV_SetVel(1.0), CV_RC_DONE);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("corvid: cannot write the trace file /dev/full"), std::string::npos);
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << errors;
}
