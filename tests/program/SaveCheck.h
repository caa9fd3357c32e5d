#pragma once
// Whether a save keeps its word: every statement reads back the same when
// the saved text is opened again, or the save named it, and it named no
// other. Shared by the property test and the fuzz target.
#include "program/LineChecker.h"
#include "program/ProgramFile.h"
#include "program/StatementMeaning.h"

#include "program/LineParts.h"

#include <algorithm>
#include <sstream>

#include <string>
#include <string_view>
#include <vector>

// The statement of back that each statement line of text gave, or null:
// the checker run line by line as the reader runs it tells which lines gave
// one. Lines the reader keeps as text (blank, comments) are not counted.
inline std::vector<const CProcess*> StatementPerLine(const std::string& text, const CVelmoraDoc& back)
{
    std::vector<const CProcess*> perLine;
    SCarriedState state;
    std::size_t next = 0;
    for (std::size_t begin = 0, end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1) {
        std::string_view line(text.data() + begin, end - begin);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        SLineParts parts;
        SplitLine(line, parts);
        if (parts.mark || CleanedText(parts.statement).empty())
            continue;
        const bool gave = CLineChecker::CheckQuietly(parts.statement, state) != nullptr;
        perLine.push_back(gave && next < back.Statements().size() ? back.Statements()[next++].get() : nullptr);
    }
    return perLine;
}

// One sentence for each statement where the save and the reopened program
// disagree; empty when the save kept its word.
inline std::vector<std::string> BrokenPromises(const CVelmoraDoc& doc, const SProgramText& saved, CPrompter& prompter)
{
    CVelmoraDoc back(prompter);
    std::istringstream in(saved.text);
    ReadProgramStream(back, in);
    const std::vector<const CProcess*> perLine = StatementPerLine(saved.text, back);
    if (perLine.size() != doc.Statements().size())
        return {std::to_string(perLine.size()) + " lines for " + std::to_string(doc.Statements().size()) +
                " statements"};
    std::vector<std::string> broken;
    SPoint end;
    for (std::size_t n = 0; n < perLine.size(); ++n) {
        const CProcess& original = *doc.Statements()[n];
        const SPoint start = end;
        end = EndPointFrom(original, start);
        const CProcess* reopened = perLine[n];
        const bool same = reopened && MeaningOf(*reopened) == MeaningOf(original) &&
                          MeaningOf(original).ShownAgainBy(MeaningOf(*reopened)) &&
                          (!CVelmoraDoc::IsMotion(original) ||
                           (SamePlace(reopened->m_ptStart, start) && SamePlace(reopened->m_ptEnd, end)));
        const auto named = std::find_if(saved.changed.begin(), saved.changed.end(), [&](const SChangedStatement& c) {
            return c.lineNumber == original.m_nLineNumber;
        });
        const std::string which = "statement " + std::to_string(original.m_nLineNumber);
        if (named == saved.changed.end() && !same)
            broken.push_back(which + " reads back " + (reopened ? "changed" : "as nothing") + " unnamed");
        else if (named != saved.changed.end() && same)
            broken.push_back(which + " is named but reads back the same");
        else if (named != saved.changed.end() && named->lost != (reopened == nullptr))
            broken.push_back(which + " is named as " + (named->lost ? "lost" : "changed") + " wrongly");
    }
    return broken;
}
