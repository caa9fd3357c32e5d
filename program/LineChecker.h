#pragma once
// Turns one line of a program file into one checked statement, or into
// nothing. Words a line leaves out are filled from the values carried over
// from earlier lines; at the first rule that fails, one message names the
// line and the fault.
#include "program/Process.h"
#include "platform/Prompter.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What one read of a file carries from line to line.
struct SCarriedState {
    std::string code;
    std::string p, q, x, z, i, k, r, f, s, t;
    int counter = 0; // number of the last line that got a number
    bool operator==(const SCarriedState&) const = default;
};

// Where a line stands in its file, for the messages about it.
struct SFileLine {
    int number = 0; // 0: not from a file
    std::string_view text;
};

// Each faulty line gets its own box, which also offers to skip the rest of
// the file's boxes; the lines rejected after that are told in one last box
// when the file is done.
class CLineChecker {
public:
    explicit CLineChecker(CPrompter& prompter) : m_prompter(prompter) {}

    std::unique_ptr<CProcess> CheckLine(std::string_view line, SCarriedState& state, const SFileLine& where = {});
    // Every message then starts with "FILE:LINE: ", as a compiler's do, so
    // that editors can jump to the line.
    void Locate(std::string file) { m_location = std::move(file); }
    // The end of the file: tells what the skipped boxes would have said.
    void Finish();

    // The same without any message: for the writer, which tries lines out.
    static std::unique_ptr<CProcess> CheckQuietly(std::string_view line, SCarriedState& state);
    // The same, telling a rejected line from one passed over in silence.
    static std::unique_ptr<CProcess> CheckQuietly(std::string_view line, SCarriedState& state, bool& rejected);

    // Lines rejected with a message so far.
    int Rejected() const { return m_nRejected; }

private:
    struct SFault;
    static std::unique_ptr<CProcess> Check(std::string_view line, SCarriedState& state,
                                           std::optional<SFault>* fault);
    void Report(SFault fault, const SFileLine& where);

    CPrompter& m_prompter;
    int m_nRejected = 0;
    bool m_bSkipping = false;
    std::string m_location;
    std::vector<int> m_skippedLines; // their numbers as the boxes would show them
};
