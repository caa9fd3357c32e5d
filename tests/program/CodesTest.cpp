// The code table: a code found by its text and by its letter and number is
// the same row, and every editor entry stands for the code it names.
#include "editor/EditorCodes.h"
#include "program/Codes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CodeTable, TextAndNumberFindTheSameRow)
{
    for (const SCodeInfo& row : CodeTable()) {
        std::string text(1, row.letter);
        text += row.number < 10 ? "0" + std::to_string(row.number) : std::to_string(row.number);
        EXPECT_EQ(row.text, text);
        EXPECT_EQ(&FindCode(row.text), &row) << row.text;
        EXPECT_EQ(&FindCode(row.letter, row.number), &row) << row.text;
        EXPECT_EQ(&CodeInfo(row.code), &row) << row.text;
    }
    EXPECT_EQ(FindCode("G71(1)").code, ECode::None);
    EXPECT_EQ(FindCode('M', 7).code, ECode::None);
}

TEST(CodeTable, EveryEditorEntryStandsForTheCodeItNames)
{
    for (const SCodeRow& entry : CodeRows()) {
        const std::string_view named = entry.code.substr(0, entry.code.find('('));
        EXPECT_EQ(CodeInfo(entry.id).text, named == "T" ? "" : named) << entry.code;
    }
}

} // namespace
