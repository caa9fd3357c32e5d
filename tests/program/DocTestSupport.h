#pragma once
// Helpers for building documents and statements in tests.
#include "program/VelmoraDoc.h"
#include "platform/ScriptedPrompter.h"

#include <memory>
#include <vector>

inline std::unique_ptr<CProcess> Statement(int number, const char* code = "G00", const char* x = "X0",
                                           const char* z = "Z0")
{
    return std::make_unique<CProcess>(number, code, "", "", x, z, "", "", "", "", "", "", "", 0);
}

inline std::vector<int> Numbers(const CVelmoraDoc& doc)
{
    std::vector<int> numbers;
    for (const auto& record : doc.Statements())
        numbers.push_back(record->m_nLineNumber);
    return numbers;
}
