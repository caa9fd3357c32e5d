#include "tools/CheckTool.h"

#include "program/ProgramFile.h"
#include "program/SaveWarning.h"
#include "platform/StreamPrompter.h"
#include "common/NumberText.h"

#include <string>
#include <string_view>

namespace {

const char* const kUsage =
    "Usage: velmora-check [--dump] [--locate] [--write OUT] FILE\n"
    "\n"
    "Reads the program FILE exactly as Velmora's open command does and prints\n"
    "every message the program would show, one per line, on standard error.\n"
    "\n"
    "  --dump       print one line per statement on standard output, fields\n"
    "               separated by a tab: line number, code, auxiliary code, the\n"
    "               P, Q, X, Z, I, K, R, F, S and T words, start X, start Z,\n"
    "               end X, end Z (the four numbers with three decimals)\n"
    "  --locate     start each message with FILE:LINE: (the line in the file),\n"
    "               as compilers do, so that editors can jump to it\n"
    "  --write OUT  write the statements to OUT as Velmora's save command does,\n"
    "               with one line on standard error for each statement that\n"
    "               will not read back as it is\n"
    "  --help       show this text\n"
    "\n"
    "Exit status: 0 when every line was accepted, 1 when a line was rejected,\n"
    "2 when a file cannot be read or written or the arguments are wrong.\n";

struct SOptions {
    bool dump = false;
    bool locate = false;
    bool help = false;
    std::string write;
    std::string file;
    std::string error;
};

SOptions Parse(int argc, const char* const* argv)
{
    SOptions options;
    for (int n = 1; n < argc; ++n) {
        const std::string_view arg = argv[n];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--dump") {
            options.dump = true;
        } else if (arg == "--locate") {
            options.locate = true;
        } else if (arg == "--write") {
            if (++n == argc)
                options.error = "--write needs a file name";
            else
                options.write = argv[n];
        } else if (arg.starts_with("-") && arg != "-") {
            options.error = "unknown option " + std::string(arg);
        } else if (!options.file.empty()) {
            options.error = "only one program file can be checked at a time";
        } else {
            options.file = arg;
        }
    }
    if (options.error.empty() && options.file.empty() && !options.help)
        options.error = "no program file given";
    return options;
}

void Dump(const CVelmoraDoc& doc, std::FILE* out)
{
    static constexpr EWord kWords[] = {EWord::Code, EWord::AuxCode, EWord::P, EWord::Q, EWord::X, EWord::Z,
                                       EWord::I,    EWord::K,       EWord::R, EWord::F, EWord::S, EWord::T};
    std::string line;
    for (const auto& record : doc.Statements()) {
        line = std::to_string(record->m_nLineNumber);
        for (EWord word : kWords) {
            line += '\t';
            line += record->Get(word);
        }
        for (double value : {record->m_ptStart.x, record->m_ptStart.z, record->m_ptEnd.x,
                             record->m_ptEnd.z}) {
            line += '\t';
            AppendFixed(line, value, 3);
        }
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), out);
    }
}

} // namespace

int RunVelmoraCheck(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    const SOptions options = Parse(argc, argv);
    if (options.help) {
        std::fputs(kUsage, out);
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(err, "velmora-check: %s\n%s", options.error.c_str(), kUsage);
        return 2;
    }
    CStreamPrompter prompter(err);
    CVelmoraDoc doc(prompter);
    const SFileResult read = ReadProgramFileWith(doc, options.file, {options.locate});
    if (!read.ok && !read.incomplete) {
        std::fprintf(err, "velmora-check: %s\n", read.error.c_str());
        return 2;
    }
    if (options.dump)
        Dump(doc, out);
    if (!read.ok) {
        std::fprintf(err, "velmora-check: %s\n", read.error.c_str());
        return 2;
    }
    if (!options.write.empty()) {
        const SFileResult written = WriteProgramFile(doc, options.write);
        if (!written.ok) {
            std::fprintf(err, "velmora-check: %s\n", written.error.c_str());
            return 2;
        }
        for (const std::string& line : SaveWarningLines(written.changed, written.dropped))
            std::fprintf(err, "%s\n", line.c_str());
    }
    return read.rejected > 0 ? 1 : 0;
}
