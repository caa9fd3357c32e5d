#include "ProgramGenerator.h"
#include "ProgramText.h"

#include "program/FileErrors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <streambuf>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Writes and reads back: the statements must come back as they were.
void ExpectRoundTrip(const std::string& program)
{
    CScriptedPrompter prompter;
    CVelmoraDoc original(prompter);
    std::istringstream in(program);
    ReadProgramStream(original, in);
    ASSERT_TRUE(prompter.Asked().empty()) << "only programs read without a fault can round-trip";

    const SProgramText saved = WriteProgramText(original);
    const std::string& written = saved.text;
    EXPECT_EQ(saved.changed, std::vector<SChangedStatement>{}) << program;
    CVelmoraDoc back(prompter);
    std::istringstream again(written);
    ReadProgramStream(back, again);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{}) << program << "\n--- written ---\n" << written;
    ASSERT_EQ(DescribeAll(back), DescribeAll(original)) << program << "\n--- written ---\n" << written;
    for (std::size_t n = 0; n < back.Statements().size(); ++n) {
        EXPECT_EQ(back.Statements()[n]->m_ptStart, original.Statements()[n]->m_ptStart);
        EXPECT_EQ(back.Statements()[n]->m_ptEnd, original.Statements()[n]->m_ptEnd);
    }
}

// What saving a program read from text writes.
std::string Written(const std::string& program)
{
    CScriptedPrompter prompter;
    CVelmoraDoc doc(prompter);
    std::istringstream in(program);
    ReadProgramStream(doc, in);
    return FormatProgram(doc);
}

TEST(WriteProgram, WritesCodesOnlyWhereTheReaderNeedsThem)
{
    EXPECT_EQ(Written("G00X100Z100\n\nX50\nG01Z-20F0.2\n"), "G00X100Z100\n\nX50Z100\nG01X50Z-20F0.2\n");
}

TEST(WriteProgram, KeepsWhatThePlainLineFormatWouldLose)
{
    const struct {
        const char* program;
        const char* written;
    } cases[] = {
        {"T0101\n", "T0101\n"},
        {"G02X20Z-10R5F0.1\n", "G02X20Z-10R5F0.1\n"},
        {"G71U2R1\nG71P10Q20U0.5W0.1F0.2\n", "G71U2R1\nG71P10Q20U0.5W0.1F0.2\n"},
        {"G01X40Z0F1\nG90X30Z-20F0.2\nG90X28Z-20F0.2\n", "G01X40Z0F1\nG90X30Z-20R0F0.2\nG90X28Z-20R0F0.2\n"},
        {"G00X1Z1\nM03S800\n", "G00X1Z1\nM03S800\n"},
        {"G41\nG41\n", "G41\nG41\n"},
        {"G01X1Z1F1\nG90X5Z1F1\nX2\n", "G01X1Z1F1\nG90X5Z1R0F1\nX2Z1F1\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Written(c.program), c.written) << c.program;
        ExpectRoundTrip(c.program);
    }
}

TEST(WriteProgram, LinesNoPlainFormReproducesAreWrittenBackAsRead)
{
    // Letters out of order, words inside words, an M code hidden in a feed:
    // no line of code and words reads back as these, so their own cleaned
    // lines are written.
    for (const char* program : {"G00Z5X10\nG01F3M03S5X1Z2\nX5Z3G00\n", "G00X1Z1\nG00X75M04S-23\n",
                                "G01X1Z1F1\nMFFX10ZG1F1M03SG0\n", "G71U2R1\nG00X5Z5\n"}) {
        ExpectRoundTrip(program);
    }
    EXPECT_EQ(Written("g00 z5 x10\n"), "G00Z5X10\n");
}

TEST(WriteProgram, WritesEditorStatementsInTheirLineFormat)
{
    CScriptedPrompter prompter;
    CVelmoraDoc doc(prompter);
    auto add = [&doc](int n, const char* code, const char* p, const char* q, const char* x, const char* z,
                      const char* i, const char* k, const char* r, const char* f, const char* s, const char* t,
                      const char* aux) {
        auto record = std::make_unique<CProcess>(n, code, p, q, x, z, i, k, r, f, s, t, aux, 0);
        doc.InsertStatement(record, true);
    };
    add(1, "G02", "P", "Q", "X20", "Z-10", "I", "K", "R5", "F0.1", "S", "T", "");
    add(2, "G03", "P", "Q", "X30", "Z-20", "I5", "K0", "R", "F0.1", "S", "T", "");
    add(3, "G71", "P", "Q", "U2", "W", "I", "K", "R1", "F", "S", "T", "");
    add(4, "", "P", "Q", "X", "Z", "I", "K", "R", "F", "S800", "T", "M03");
    // After a cycle's first line a plain M03S800 would be read through the
    // cycle's rules, which carry its text on as R; a G code without words
    // in front keeps them off. The arc with I and K after one with R cannot
    // read back at all: it is written as it is and named.
    const SProgramText saved = WriteProgramText(doc);
    EXPECT_EQ(saved.text, "G02X20Z-10R5F0.1\nG03X30Z-20I5K0F0.1\nG71U2R1\nG97M03S800\n");
    EXPECT_EQ(saved.changed, (std::vector<SChangedStatement>{{2, true}}));
}

TEST(WriteProgram, EveryFaultlessProgramReadsBackAsTheSameStatements)
{
    // VELMORA_PROPERTY_SEED explores other programs than the fixed ones.
    const char* seed = std::getenv("VELMORA_PROPERTY_SEED");
    CProgramGenerator generator(seed ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20261208u);
    int tried = 0;
    for (int accepted = 0; accepted < 3000 && tried < 200000; ++tried) {
        const std::string program = generator.Program();
        const SReadOutcome outcome = ReadText(program);
        if (!outcome.messages.empty())
            continue;
        ++accepted;
        ExpectRoundTrip(program);
        if (::testing::Test::HasFailure())
            return;
    }
}

class ProgramFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("velmora-files-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        fs::remove_all(m_dir);
    }
    std::string Path(const char* name) const { return (m_dir / name).string(); }
    static void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    static std::string Slurp(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path m_dir;
    CScriptedPrompter prompter;
    CVelmoraDoc doc{prompter};
};

TEST_F(ProgramFileTest, ReadsCrLfFilesAndClearsTheModifiedFlag)
{
    Write(Path("a.txt"), "G00X100Z100\r\n\r\nX50\r\nG01Z-20F0.2");
    doc.SetModifiedFlag();
    const SFileResult result = ReadProgramFile(doc, Path("a.txt"));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(DescribeAll(doc), (std::vector<std::string>{"1 G00 X100 Z100", "2 G00 X50 Z100", "3 G01 X50 Z-20 F0.2"}));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ProgramFileTest, AFileThatCannotBeOpenedLeavesTheProgramAndSaysWhy)
{
    Write(Path("a.txt"), "G00X1Z1\n");
    ReadProgramFile(doc, Path("a.txt"));
    // A FIFO named *.txt would block the read for ever: refused unopened.
    ASSERT_EQ(::mkfifo(Path("fifo.txt").c_str(), 0600), 0);
    for (const std::string& path : {Path("missing.txt"), m_dir.string(), Path("fifo.txt")}) {
        const SFileResult result = ReadProgramFile(doc, path);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
        EXPECT_EQ(doc.Statements().size(), 1u);
    }
}

TEST_F(ProgramFileTest, BinaryAndHugeLinesAreReportedLineByLine)
{
    std::string binary("G00X1Z1\n", 8);
    binary += std::string("\0\x01\xff\xfe G01X2Z2F1\0\n", 17);
    binary += "\x7f\x45\x4c\x46\n";
    binary += "G00X1." + std::string(10 << 20, '9') + "Z1\n";
    Write(Path("bin.txt"), binary);
    const SFileResult result = ReadProgramFile(doc, Path("bin.txt"));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.rejected, 1); // the ELF magic's E and L
    ASSERT_EQ(doc.Statements().size(), 3u);
    EXPECT_EQ(Describe(*doc.Statements()[1]), "2 G01 X2 Z2 F1");
    EXPECT_EQ(doc.Statements()[2]->Get(EWord::X).size(), (10u << 20) + 3);
}

TEST_F(ProgramFileTest, ALineEndOrCharacterCutByTheReadBufferStaysWhole)
{
    // The reader takes 64 KiB at a time: the CR LF and the UTF-16 unit
    // straddle that boundary.
    const std::string padding = "//" + std::string((1 << 16) - 3, 'x');
    Write(Path("crlf.txt"), padding + "\r\nG00X1Z1\r\n");
    ReadProgramFile(doc, Path("crlf.txt"));
    ASSERT_EQ(doc.Statements().size(), 1u);
    EXPECT_EQ(WriteProgramText(doc).text, padding + "\nG00X1Z1\n") << "no blank line between";

    std::string utf16 = "\xff\xfe";
    for (char c : "//" + std::string((1 << 15) - 3, 'x') + "\nG00X1Z1\n")
        utf16 += std::string{c, '\0'};
    Write(Path("utf16.txt"), utf16.substr(0, utf16.size() - 2)); // without the string's own terminator
    ReadProgramFile(doc, Path("utf16.txt"));
    ASSERT_EQ(doc.Statements().size(), 1u);
    EXPECT_EQ(Describe(*doc.Statements()[0]), "1 G00 X1 Z1");
}

TEST_F(ProgramFileTest, SaveReplacesTheFileWhole)
{
    Write(Path("p.txt"), "old");
    std::istringstream in("G00X1Z1\nG01X2Z2F1\n");
    ReadProgramStream(doc, in);
    ASSERT_TRUE(WriteProgramFile(doc, Path("p.txt")).ok);
    EXPECT_EQ(Slurp(Path("p.txt")), "G00X1Z1\nG01X2Z2F1\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST_F(ProgramFileTest, SavingToALinkWritesTheFileItPointsTo)
{
    fs::create_directories(m_dir / "real");
    Write(Path("real/p.txt"), "G00X9Z9\n");
    fs::create_symlink("real/p.txt", Path("link.txt"));
    std::istringstream in("G00X1Z1\n");
    ReadProgramStream(doc, in);
    ASSERT_TRUE(WriteProgramFile(doc, Path("link.txt")).ok);
    EXPECT_TRUE(fs::is_symlink(Path("link.txt")));
    EXPECT_EQ(Slurp(Path("real/p.txt")), "G00X1Z1\n");
}

TEST_F(ProgramFileTest, SaveRemovesTheHiddenLeftoversOfAKilledSaveOfTheSameFile)
{
    Write(Path(".p.txt.Ab12Cd"), "half a program");
    Write(Path(".q.txt.Ab12Cd"), "another file's");
    std::istringstream in("G00X1Z1\n");
    ReadProgramStream(doc, in);
    ASSERT_TRUE(WriteProgramFile(doc, Path("p.txt")).ok);
    EXPECT_FALSE(fs::exists(Path(".p.txt.Ab12Cd")));
    EXPECT_TRUE(fs::exists(Path(".q.txt.Ab12Cd")));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
}

TEST_F(ProgramFileTest, RootSavingAStudentsFileLeavesItTheStudents)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    Write(Path("p.txt"), "G00X9Z9\n");
    ASSERT_EQ(::chown(Path("p.txt").c_str(), 4321, 4322), 0);
    std::istringstream in("G00X1Z1\n");
    ReadProgramStream(doc, in);
    ASSERT_TRUE(WriteProgramFile(doc, Path("p.txt")).ok);
    struct stat info {};
    ASSERT_EQ(::stat(Path("p.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 4322u);
}

TEST(FolderError, AFolderThatRefusesANewFileIsNamed)
{
    EXPECT_EQ(DescribeFolderError("无法保存程序文件", "/srv/class3/p.txt", EACCES),
              "无法保存程序文件“/srv/class3/p.txt”：没有在文件夹“/srv/class3”中新建文件的权限。");
    EXPECT_EQ(DescribeFolderError("无法保存程序文件", "/srv/p.txt", ENOSPC),
              DescribeFileError("无法保存程序文件", "/srv/p.txt", ENOSPC));
}

TEST(WriteProtected, AFileIsReadOnlyWhenTheUsersWriteBitIsClear)
{
    EXPECT_TRUE(WriteProtected(0444, EFileUser::Owner));
    EXPECT_FALSE(WriteProtected(0644, EFileUser::Owner));
    EXPECT_TRUE(WriteProtected(0644, EFileUser::Group));
    EXPECT_FALSE(WriteProtected(0664, EFileUser::Group));
    EXPECT_TRUE(WriteProtected(0664, EFileUser::Other));
    EXPECT_FALSE(WriteProtected(0644, EFileUser::Root)) << "root saves a student's file";
    EXPECT_TRUE(WriteProtected(0444, EFileUser::Root));
}

TEST_F(ProgramFileTest, AFailedSaveLeavesTheOldFileAndSaysWhy)
{
    Write(Path("p.txt"), "G00X9Z9\n");
    std::istringstream in("G00X1Z1\n");
    ReadProgramStream(doc, in);
    // A file's name used as a folder fails for every user, root included.
    const std::string underAFile = Path("p.txt") + "/q.txt";
    const SFileResult result = WriteProgramFile(doc, underAFile);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "无法保存程序文件“" + underAFile + "”：文件或文件夹不存在。");
    for (const std::string& path : {m_dir.string(), Path("no/such/folder/p.txt")}) {
        const SFileResult failed = WriteProgramFile(doc, path);
        EXPECT_FALSE(failed.ok) << path;
        EXPECT_NE(failed.error.find(path), std::string::npos) << failed.error;
    }
    EXPECT_EQ(Slurp(Path("p.txt")), "G00X9Z9\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

// A stream whose disk fails after its first bytes.
class CFailingBuffer : public std::streambuf {
public:
    explicit CFailingBuffer(std::string first) : m_first(std::move(first))
    {
        setg(m_first.data(), m_first.data(), m_first.data() + m_first.size());
    }

protected:
    int_type underflow() override { throw std::ios_base::failure("disk"); }

private:
    std::string m_first;
};

TEST_F(ProgramFileTest, AReadThatFailsPartWaySaysTheProgramIsIncomplete)
{
    std::string lines;
    for (int n = 0; n < 20000; ++n)
        lines += "G00X1Z1\n";
    CFailingBuffer buffer(lines);
    std::istream in(&buffer);
    const SFileResult result = ReadProgramStream(doc, in);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.incomplete);
    EXPECT_GT(doc.Statements().size(), 0u);
    EXPECT_LT(doc.Statements().size(), 20000u);
    EXPECT_FALSE(ReadProgramFile(doc, Path("missing.txt")).incomplete)
        << "a file that never opened left the program alone";
}

TEST(FileErrorReason, CommonCausesReadAsDistinctChineseSentences)
{
    std::set<std::string> seen;
    for (int error : {ENOENT, EACCES, EISDIR, EIO, ENOSPC, EROFS}) {
        const std::string reason = FileErrorReason(error);
        EXPECT_TRUE(std::none_of(reason.begin(), reason.end(),
                                 [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
            << reason;
        EXPECT_TRUE(reason.ends_with("。")) << reason;
        EXPECT_TRUE(seen.insert(reason).second) << reason;
    }
    EXPECT_EQ(FileErrorReason(EXDEV), "系统错误（错误号" + std::to_string(EXDEV) + "）。");
}

} // namespace
