// Loading a controller program image into the simulated card's memories.
#include "CardFixture.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class CDownloadTest : public CCardTest {
protected:
    void SetUp() override
    {
        CCardTest::SetUp();
        m_image = fs::temp_directory_path() / ("corvid-image-" + std::to_string(::getpid()) + ".txt");
        OpenQuietly();
        Card().programMemory[7] = 0x777777;
    }
    void TearDown() override
    {
        fs::remove(m_image);
        CCardTest::TearDown();
    }
    std::string Image(const std::string& text) const
    {
        std::ofstream(m_image, std::ios::binary) << text;
        return m_image.string();
    }
    // Nothing reached the card: no port access, no command, no reset.
    void ExpectUntouched() const
    {
        EXPECT_TRUE(Card().PortAccesses().empty());
        EXPECT_TRUE(Received().empty());
        EXPECT_EQ(Card().programMemory[7], 0x777777u);
    }
    // The port writes after the last write of the given value to the address port.
    std::vector<std::uint16_t> DataWritesAfterAddress(std::uint16_t address) const
    {
        const auto& accesses = Card().PortAccesses();
        std::size_t last = accesses.size();
        for (std::size_t i = 0; i < accesses.size(); ++i)
            if (accesses[i].write && accesses[i].port == 8 && accesses[i].value == address)
                last = i;
        std::vector<std::uint16_t> values;
        for (std::size_t i = last + 1; i < accesses.size(); ++i)
            values.push_back(accesses[i].port == 10 ? accesses[i].value : 0xDEAD);
        return values;
    }

    fs::path m_image;
};

const char* const kSmallImage =
    "\033\033i\n"
    "comment\n"
    "@PA 0000\n123456\nABCDEF\n00FF01\n#3\n"
    "@DA 0100\nBEEF 0001\n#2\n"
    "\033\033o\n";

}  // namespace

TEST_F(CDownloadTest, ASmallImageFillsBothMemoriesAndResetsTheCard)
{
    Card().dataMemory[5] = 7;
    Card().programMemory[9] = 9;
    EXPECT_EQ(CV_Download(Image(kSmallImage).c_str()), CV_RC_DONE);
    EXPECT_EQ(Card().programMemory[0], 0x123456u);
    EXPECT_EQ(Card().programMemory[1], 0xABCDEFu);
    EXPECT_EQ(Card().programMemory[2], 0x00FF01u);
    EXPECT_EQ(Card().dataMemory[0x100], 0xBEEF);
    EXPECT_EQ(Card().dataMemory[0x101], 1);
    EXPECT_EQ(Card().dataMemory[5], 0);
    EXPECT_EQ(Card().programMemory[9], 0u);
    EXPECT_EQ(Card().hardResets, 1);
    EXPECT_EQ(Received().back().command, 19);
    EXPECT_GE(Bench().NowMs(), 5000u);  // the waits ran on the card's clock
}

TEST_F(CDownloadTest, ProgramWordZeroIsHeldBackAndWrittenLast)
{
    ASSERT_EQ(download(Image(kSmallImage).c_str()), CV_RC_DONE);
    EXPECT_EQ(DataWritesAfterAddress(0), (std::vector<std::uint16_t>{0x1234, 0x56}));
    EXPECT_EQ(DataWritesAfterAddress(0x4100), (std::vector<std::uint16_t>{0xBEEF, 0x0001, 0xDEAD, 0x1234, 0x56}));
}

TEST_F(CDownloadTest, AFileThatCannotBeReadLeavesTheCardUntouched)
{
    EXPECT_EQ(download((m_image.string() + ".missing").c_str()), CV_RC_NO_FILE);
    EXPECT_EQ(download(nullptr), CV_RC_NO_FILE);
    EXPECT_EQ(download(fs::temp_directory_path().c_str()), CV_RC_NO_FILE);
    ExpectUntouched();
}

TEST_F(CDownloadTest, AMalformedImageLeavesTheCardUntouched)
{
    std::string noise(4096, '\0');
    std::mt19937 random(20);
    for (char& c : noise)
        c = static_cast<char>(random());
    const std::string images[] = {
        "@PA 0000\n123456 654321\n#\n\033\033o\n",        // no start marker
        noise,
        "\033\033i @PA 0000 123456 6543",                  // cut off in a word
        "\033\033i @PA 0000 123456 # @DA 0000 12",
        "\033\033i @PA 0000 12G456 # \033\033o",
        "\033\033i @DA 0000 XYZ # \033\033o",
        "\033\033i @DA 0000 0x1234 # \033\033o",
        "\033\033i @PA 0000 1000000000 # \033\033o",
        "\033\033i @DA 0000 DEADBEEF # \033\033o",        // 32 bits for a 16-bit word
        "\033\033i @PA 4010 123456 # \033\033o",          // beyond program memory
        "\033\033i @PA 3FFE 1 2 3 # \033\033o",           // would wrap round to word 0
        "\033\033i @DA 3FFF 1 2 # \033\033o",
        "\033\033i @PA 0000 123456 #",                    // no end marker
    };
    for (const std::string& image : images) {
        SCOPED_TRACE(image.substr(0, 40));
        EXPECT_EQ(download(Image(image).c_str()), CV_RC_BAD_IMAGE);
    }
    EXPECT_EQ(download("/dev/zero"), CV_RC_BAD_IMAGE);  // larger than any image
    ExpectUntouched();
}

TEST_F(CDownloadTest, ACardThatStopsAnsweringFailsTheDownload)
{
    Bench().SetWaitHook([](std::uint32_t) { Card().FailControls(1 << 20); });
    EXPECT_EQ(download(Image(kSmallImage).c_str()), CV_RC_COMM);
    EXPECT_EQ(CV_LastOsError(), CV_OS_NO_ANSWER);
}

TEST_F(CDownloadTest, AnImageWithoutWordZeroWritesZeroThere)
{
    Card().programMemory[0] = 0x777777;
    ASSERT_EQ(download(Image("\033\033i @PA 0010 ABCDEF # \033\033o").c_str()), CV_RC_DONE);
    EXPECT_EQ(Card().programMemory[0x10], 0xABCDEFu);
    EXPECT_EQ(Card().programMemory[0], 0u);
}
