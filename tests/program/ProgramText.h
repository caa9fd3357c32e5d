#pragma once
// Reads program text through the real reader and describes the outcome in
// one compact line per statement, e.g. "3 G01 X50 Z-20 F0.2".
#include "program/ProgramFile.h"
#include "platform/ScriptedPrompter.h"

#include <sstream>
#include <string>
#include <vector>

inline std::string Describe(const CProcess& r)
{
    std::string text = std::to_string(r.m_nLineNumber);
    for (EWord word : {EWord::Code, EWord::P, EWord::Q, EWord::X, EWord::Z, EWord::I, EWord::K, EWord::R, EWord::F,
                       EWord::S, EWord::T, EWord::AuxCode}) {
        if (!r.Get(word).empty())
            text += " " + std::string(r.Get(word));
    }
    return text;
}

struct SReadOutcome {
    std::vector<std::string> statements;
    std::vector<std::string> messages;
};

inline std::vector<std::string> DescribeAll(const CVelmoraDoc& doc)
{
    std::vector<std::string> lines;
    for (const auto& record : doc.Statements())
        lines.push_back(Describe(*record));
    return lines;
}

inline SReadOutcome ReadText(const std::string& text)
{
    CScriptedPrompter prompter;
    CVelmoraDoc doc(prompter);
    std::istringstream in(text);
    ReadProgramStream(doc, in);
    return {DescribeAll(doc), prompter.Texts()};
}
