#include "editor/EditorForm.h"

#include "program/DocTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

namespace {

const std::vector<EField> kWordFields = {EField::P, EField::Q, EField::X, EField::Z, EField::I,
                                         EField::K, EField::R, EField::F, EField::S, EField::T};

std::set<EField> Enabled(const CEditorForm& form)
{
    std::set<EField> enabled;
    for (EField field : kWordFields)
        if (form.IsEnabled(field))
            enabled.insert(field);
    return enabled;
}

using F = EField;

struct SEnablingCase {
    const char* code;
    std::set<EField> chosen;  // after choosing the code in a form with all enabled
    std::set<EField> clicked; // after clicking a row with that code
};

const SEnablingCase kEnabling[] = {
    {"G00", {F::X, F::Z}, {F::X, F::Z}},
    {"G01", {F::X, F::Z, F::F}, {F::X, F::Z, F::F}},
    {"G02", {F::X, F::Z, F::R, F::F, F::I, F::K}, {F::X, F::Z, F::R, F::F, F::I, F::K}},
    {"G04", {F::S, F::I, F::K}, {F::P, F::X}},
    {"G32", {F::X, F::Z, F::F}, {F::X, F::Z, F::F}},
    {"G41", {F::X, F::Z}, {F::X, F::Z}},
    {"G50", {F::S}, {F::S}},
    {"G70", {F::S, F::I, F::K}, {F::P, F::Q}},
    {"G71(1)", {F::X, F::R}, {F::X, F::R}},
    {"G71(2)", {F::X, F::Z, F::F, F::S, F::P, F::Q, F::T}, {F::X, F::Z, F::F, F::S, F::P, F::Q, F::T}},
    {"G72", {F::S, F::I, F::K}, {F::X, F::Z, F::R}},
    {"G73(1)", {F::X, F::Z, F::R}, {F::X, F::Z, F::R}},
    {"G76", {F::X, F::Z, F::R, F::F, F::I, F::K}, {F::X, F::Z, F::R, F::F, F::I, F::K}},
    {"G90", {F::S}, {F::X, F::Z, F::R, F::F}},
    {"G96", {}, {F::S}},
    {"G98", {}, {}},
    {"M02", {}, {}},
    {"M03", {F::S, F::I, F::K}, {F::S, F::T}},
    {"M05", {F::S, F::I, F::K}, {}},
    {"M08", {F::S, F::I, F::K}, {F::S, F::T}},
    {"T", {F::S, F::I, F::K}, {}},
};

class EditorEnabling : public ::testing::TestWithParam<SEnablingCase> {};

TEST_P(EditorEnabling, ChoosingTheCodeEnablesItsListFields)
{
    CEditorForm form;
    form.ChooseCode(GetParam().code);
    EXPECT_EQ(Enabled(form), GetParam().chosen);
    EXPECT_EQ(form.Text(EField::Code), GetParam().code);
}

TEST_P(EditorEnabling, ClickingARowEnablesItsRowFields)
{
    CEditorForm form;
    TEditorRow row;
    row[0] = "7";
    row[1] = GetParam().code;
    form.ClickRow(row);
    EXPECT_EQ(Enabled(form), GetParam().clicked);
}

INSTANTIATE_TEST_SUITE_P(Codes, EditorEnabling, ::testing::ValuesIn(kEnabling));

TEST(EditorForm, CodeListHasTheTwentyNineEntriesInListBoxOrder)
{
    const auto& codes = CEditorForm::CodeList();
    ASSERT_EQ(codes.size(), 29u);
    EXPECT_EQ(codes.front(), "G00");
    EXPECT_EQ(codes[11], "G71(1)");
    EXPECT_EQ(codes[23], "M02");
    EXPECT_EQ(codes.back(), "T");
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
}

TEST(EditorForm, ChoosingACodePresetsTextsAndKeepsUnlistedFields)
{
    CEditorForm form;
    form.SetText(EField::S, "S900");
    form.ChooseCode("G02");
    EXPECT_EQ(form.Text(EField::X), "X");
    EXPECT_EQ(form.Text(EField::I), "I");
    EXPECT_EQ(form.Text(EField::S), "0");
    form.SetText(EField::S, "S900");
    form.ChooseCode("G04");
    EXPECT_EQ(form.Text(EField::P), "0");
    EXPECT_EQ(form.Text(EField::S), "S900");
}

TEST(EditorForm, ClickedRowFillsFieldsButNotSOrT)
{
    CEditorForm form;
    form.SetText(EField::S, "S1");
    form.SetText(EField::T, "T1");
    TEditorRow row = {"12", "G71", "P1", "Q2", "U1", "W2", "I3", "K4", "R5", "F6", "S7", "T8"};
    form.ClickRow(row);
    EXPECT_EQ(form.Text(EField::Line), "12");
    EXPECT_EQ(form.Text(EField::Code), "G71(1)"); // first entry beginning with G71
    EXPECT_EQ(form.Text(EField::X), "U1");
    EXPECT_EQ(form.Text(EField::F), "F6");
    EXPECT_EQ(form.Text(EField::S), "S1");
    EXPECT_EQ(form.Text(EField::T), "T1");
    EXPECT_EQ(Enabled(form), (std::set<EField>{F::X, F::R}));
}

TEST(EditorForm, ClickedToolRowTakesTheFirstCodeWithItsEnabling)
{
    CEditorForm form;
    TEditorRow row;
    row[0] = "3";
    row[11] = "T0101";
    form.ClickRow(row);
    EXPECT_EQ(form.Text(EField::Code), "G00");
    EXPECT_EQ(Enabled(form), (std::set<EField>{F::X, F::Z}));
}

TEST(EditorForm, CodeMatchIgnoresCase)
{
    EXPECT_EQ(CEditorForm::FindCode("g01"), 1);
    EXPECT_EQ(CEditorForm::FindCode("m0"), 23);
    EXPECT_EQ(CEditorForm::FindCode("G94"), -1);
    EXPECT_EQ(CEditorForm::FindCode(""), -1);
}

struct SValidationCase {
    const char* code;
    const char* x;
    const char* z;
    const char* r;
    const char* f;
    const char* message; // nullptr: passes
};

const char* const kXZ = "输入X Z参数不合法，请核对!";
const char* const kXZF = "输入X Z或F参数不合法，请核对!";
const char* const kXZRF = "输入X Z R F参数不合法，请核对!";

const SValidationCase kValidation[] = {
    {"G00", "x12.5", "Z0", "0", "0", nullptr},
    {"G00", "U1", "w-2", "0", "0", nullptr},
    {"G00", "X", "Q1", "0", "0", kXZ},
    {"G42", "0", "Z1", "0", "0", kXZ},
    {"G01", "U10", "Z-5", "0", "f0.2", nullptr},
    {"G01", "X10", "Z-5", "0", "0", kXZF},
    {"G32", "X10", "Z-5", "0", "0", kXZF},
    {"G02", "U10", "Z-5", "R5", "F1", kXZRF},
    {"G03", "X10", "W-5", "R5", "F1", kXZRF},
    {"G03", "x10", "z-5", "r5", "f1", nullptr},
    {"G02", "X10", "Z-5", "I1", "F1", kXZRF},
    {"G04", "", "", "", "", nullptr},
    {"G71(1)", "", "", "", "", nullptr},
    {"M03", "", "", "", "", nullptr},
};

class EditorValidation : public ::testing::TestWithParam<SValidationCase> {};

TEST_P(EditorValidation, GivesTheMessageOfTheCode)
{
    const auto& c = GetParam();
    CEditorForm form;
    form.SetText(EField::Code, c.code);
    form.SetText(EField::X, c.x);
    form.SetText(EField::Z, c.z);
    form.SetText(EField::R, c.r);
    form.SetText(EField::F, c.f);
    CScriptedPrompter prompter;
    EXPECT_EQ(form.Validate(prompter), c.message == nullptr);
    if (c.message)
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{c.message});
    else
        EXPECT_TRUE(prompter.Texts().empty());
}

INSTANTIATE_TEST_SUITE_P(Codes, EditorValidation, ::testing::ValuesIn(kValidation));

TEST(EditorForm, ValidSetOnlyForCheckedCodes)
{
    CEditorForm form;
    CScriptedPrompter prompter;
    form.SetText(EField::Code, "G00");
    form.SetText(EField::X, "X1");
    form.SetText(EField::Z, "Z1");
    form.Validate(prompter);
    EXPECT_EQ(form.Valid(), 1);
    form.SetText(EField::X, "0");
    form.Validate(prompter);
    EXPECT_EQ(form.Valid(), 0);
    form.SetText(EField::Code, "G50");
    EXPECT_TRUE(form.Validate(prompter));
    EXPECT_EQ(form.Valid(), 0);
}

TEST(EditorForm, FocusFlagsTrackOneFieldAndIgnoreIAndK)
{
    CEditorForm form;
    EXPECT_FALSE(form.FocusedField());
    form.FocusGained(EField::X);
    form.FocusGained(EField::I);
    EXPECT_EQ(form.FocusedField(), EField::X);
    form.FocusGained(EField::F);
    EXPECT_EQ(form.FocusedField(), EField::F);
    form.FocusLost(EField::F);
    EXPECT_FALSE(form.FocusedField());
}

TEST(EditorForm, LineNumberOutsideTheRangeIsRefused)
{
    for (const char* text : {"-1", "1000001", "12a", "", "abc"}) {
        CEditorForm form;
        form.SetText(EField::Line, text);
        CScriptedPrompter prompter;
        EXPECT_FALSE(form.LineNumber(prompter)) << text;
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{CEditorForm::kLineRangeMessage});
    }
    CEditorForm form;
    form.SetText(EField::Line, " 1000000 ");
    CScriptedPrompter prompter;
    EXPECT_EQ(form.LineNumber(prompter), 1000000);
}

TEST(EditorForm, NumbersTooLongForIntAreReadWithinItsLimits)
{
    CEditorForm form;
    form.SetText(EField::Code, "G" + std::string(30, '9'));
    form.SetText(EField::X, "0");
    CScriptedPrompter prompter;
    EXPECT_TRUE(form.Validate(prompter)) << "no rule belongs to such a code";
    EXPECT_EQ(CEditorForm::RowLineNumber(std::string(400, '9')), 0);
    EXPECT_EQ(CEditorForm::RowLineNumber("3e12"), INT_MAX);
    EXPECT_EQ(CEditorForm::RowLineNumber("17"), 17);
}

TEST(EditorForm, RecordTakesTheFieldsInConstructorOrder)
{
    CEditorForm form;
    const std::pair<EField, const char*> texts[] = {
        {F::P, "P1"}, {F::Q, "Q2"}, {F::X, "X3"}, {F::Z, "Z4"}, {F::I, "I5"},
        {F::K, "K6"}, {F::R, "R7"}, {F::F, "F8"}, {F::S, "S9"}, {F::T, "T10"}};
    for (auto [field, text] : texts)
        form.SetText(field, text);
    auto record = form.BuildRecord(5, "G02", 3);
    EXPECT_EQ(record->m_nLineNumber, 5);
    EXPECT_EQ(record->m_nListIndex, 3);
    EXPECT_EQ(record->Code(), "G02");
    const std::pair<EWord, const char*> words[] = {
        {EWord::P, "P1"}, {EWord::Q, "Q2"}, {EWord::X, "X3"}, {EWord::Z, "Z4"}, {EWord::I, "I5"},
        {EWord::K, "K6"}, {EWord::R, "R7"}, {EWord::F, "F8"}, {EWord::S, "S9"}, {EWord::T, "T10"}};
    for (auto [word, text] : words)
        EXPECT_EQ(record->Get(word), text);
    EXPECT_EQ(record->AuxCode(), "");
}

} // namespace
