#include "editor/EditorForm.h"

#include "common/NumberParsing.h"
#include "editor/EditorCodes.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <utility>

namespace {

struct SValidationRule {
    std::initializer_list<int> numbers;
    const char* xLetters;
    const char* zLetters;
    const char* rLetters; // nullptr: not checked
    const char* fLetters; // nullptr: not checked
    const char* message;
};

// Incremental U and W are fine for straight moves but not for arcs.
const SValidationRule kValidation[] = {
    {{0, 40, 41, 42}, "xXuU", "zZwW", nullptr, nullptr, "输入X Z参数不合法，请核对!"},
    {{1, 32}, "xXuU", "zZwW", nullptr, "fF", "输入X Z或F参数不合法，请核对!"},
    {{2, 3}, "xX", "zZ", "rR", "fF", "输入X Z R F参数不合法，请核对!"},
};

bool StartsWithOneOf(const std::string& text, const char* letters)
{
    return !text.empty() && std::string_view(letters).find(text[0]) != std::string_view::npos;
}

} // namespace

CEditorForm::CEditorForm()
{
    m_texts.fill("0");
    m_texts[Index(EField::Line)] = "1";
    m_texts[Index(EField::Code)].clear();
    m_enabled.fill(true);
}

const std::vector<std::string>& CEditorForm::CodeList()
{
    static const std::vector<std::string> list = [] {
        std::vector<std::string> codes;
        for (const auto& row : CodeRows())
            codes.emplace_back(row.code);
        return codes;
    }();
    return list;
}

int CEditorForm::FindCode(std::string_view code) { return FindCodePrefix(code); }

bool CEditorForm::IsTracked(EField field)
{
    return field != EField::Code && field != EField::I && field != EField::K &&
           field != EField::Count;
}

void CEditorForm::FocusGained(EField field)
{
    if (!IsTracked(field))
        return;
    m_focus.fill(false);
    m_focus[Index(field)] = true;
}

void CEditorForm::FocusLost(EField field) { m_focus[Index(field)] = false; }

std::optional<EField> CEditorForm::FocusedField() const
{
    for (int i = 0; i < kEditorColumns; ++i)
        if (m_focus[static_cast<std::size_t>(i)])
            return static_cast<EField>(i);
    return std::nullopt;
}

void CEditorForm::ApplyEnabling(unsigned enable, unsigned disable)
{
    for (int i = static_cast<int>(EField::P); i < kEditorColumns; ++i) {
        unsigned bit = FieldBit(static_cast<EField>(i));
        if (enable & bit)
            m_enabled[static_cast<std::size_t>(i)] = true;
        else if (disable & bit)
            m_enabled[static_cast<std::size_t>(i)] = false;
    }
}

void CEditorForm::ChooseCode(std::string_view code)
{
    m_texts[Index(EField::Code)] = std::string(code);
    const SCodeRow* row = FindCodeRow(code);
    if (!row)
        return;
    ApplyEnabling(row->chosen.enable, row->chosen.disable);
    for (const auto& preset : row->chosen.presets)
        if (preset.text)
            m_texts[Index(preset.field)] = preset.text;
}

void CEditorForm::ClickRow(const TEditorRow& row)
{
    m_texts[Index(EField::Line)] = std::to_string(RowLineNumber(row[0]));
    for (EField field : {EField::P, EField::Q, EField::X, EField::Z, EField::I, EField::K,
                         EField::R, EField::F})
        m_texts[Index(field)] = row[Index(field)];
    // An empty code (a tool row) matches the list's first entry, as a prefix
    // search of the list does.
    const std::string& code = row[Index(EField::Code)];
    int position = code.empty() ? 0 : FindCode(code);
    if (position < 0) {
        m_texts[Index(EField::Code)].clear();
        return;
    }
    const SCodeRow& entry = CodeRows()[static_cast<std::size_t>(position)];
    m_texts[Index(EField::Code)] = std::string(entry.code);
    ApplyEnabling(entry.clicked, AllWordFields() & ~entry.clicked);
}

bool CEditorForm::Validate(CPrompter& prompter)
{
    const std::string& code = Text(EField::Code);
    std::string rest;
    bool hadG = false;
    for (char c : code)
        (c == 'G') ? void(hadG = true) : rest.push_back(c);
    if (!hadG)
        return true;
    const int n = LeadingInt(rest);
    for (const auto& rule : kValidation) {
        if (std::find(rule.numbers.begin(), rule.numbers.end(), n) == rule.numbers.end())
            continue;
        bool ok = StartsWithOneOf(Text(EField::X), rule.xLetters) &&
                  StartsWithOneOf(Text(EField::Z), rule.zLetters) &&
                  (!rule.rLetters || StartsWithOneOf(Text(EField::R), rule.rLetters)) &&
                  (!rule.fLetters || StartsWithOneOf(Text(EField::F), rule.fLetters));
        m_valid = ok ? 1 : 0;
        if (!ok)
            prompter.Ask(rule.message, EPromptButtons::Ok, EPromptIcon::Warning);
        return ok;
    }
    return true;
}

std::optional<int> CEditorForm::LineNumber(CPrompter& prompter) const
{
    const std::string& text = Text(EField::Line);
    auto first = text.find_first_not_of(' ');
    auto last = text.find_last_not_of(' ');
    int value = -1;
    if (first != std::string::npos) {
        auto [ptr, ec] = std::from_chars(text.data() + first, text.data() + last + 1, value);
        if (ec != std::errc() || ptr != text.data() + last + 1)
            value = -1;
    }
    if (value < 0 || value > kMaxLineNumber) {
        prompter.Ask(kLineRangeMessage, EPromptButtons::Ok, EPromptIcon::Warning);
        return std::nullopt;
    }
    return value;
}

std::unique_ptr<CProcess> CEditorForm::BuildRecord(int lineNumber, std::string_view code,
                                                   int listIndex) const
{
    auto text = [this](EField field) -> std::string_view { return Text(field); };
    return std::make_unique<CProcess>(lineNumber, code, text(EField::P), text(EField::Q),
                                      text(EField::X), text(EField::Z), text(EField::I),
                                      text(EField::K), text(EField::R), text(EField::F),
                                      text(EField::S), text(EField::T), m_auxCode, listIndex);
}

SInsertOutcome CEditorForm::Insert(CVelmoraDoc& doc, CPrompter& prompter, int rowCount)
{
    SInsertOutcome outcome;
    std::optional<int> line = LineNumber(prompter);
    if (!line)
        return outcome;
    const std::string listText = Text(EField::Code);
    if (listText.empty()) {
        prompter.Ask(kNoCodeMessage, EPromptButtons::Ok, EPromptIcon::Warning);
        return outcome;
    }
    if (!Validate(prompter))
        return outcome;
    auto record = BuildRecord(*line, StoredCode(listText), rowCount);
    outcome.result = doc.InsertStatement(record, false);
    if (listText[0] == 'M')
        m_texts[Index(EField::Code)].clear();
    else
        m_auxCode.clear();
    outcome.row = InsertedRow(listText);
    ResetAfterInsert(outcome.result, doc, *line);
    // A refused statement must not leave a row behind: rebuild instead.
    bool appended = outcome.result == kDocAppended || outcome.result == kDocInsertedBetween;
    outcome.action = appended ? ETableAction::AppendRow : ETableAction::Rebuild;
    return outcome;
}

void CEditorForm::ResetAfterInsert(int result, const CVelmoraDoc& doc, int lineNumber)
{
    int next = lineNumber + 1;
    if (result == kDocAppended && !doc.IsEmpty())
        next = doc.Statements().back()->m_nLineNumber + 1;
    m_texts[Index(EField::Line)] = std::to_string(next);
    // Bare letters, ready for the value of the next statement; I and K keep theirs.
    static const std::pair<EField, const char*> kBare[] = {
        {EField::X, "X"}, {EField::Z, "Z"}, {EField::R, "R"}, {EField::F, "F"},
        {EField::S, "S"}, {EField::T, "T"}, {EField::P, "P"}, {EField::Q, "Q"}};
    for (auto [field, letter] : kBare)
        m_texts[Index(field)] = letter;
    m_auxCode.clear();
}

bool CEditorForm::Modify(CVelmoraDoc& doc, CPrompter& prompter)
{
    std::optional<int> line = LineNumber(prompter);
    if (!line)
        return false;
    std::string& code = m_texts[Index(EField::Code)];
    if (!code.empty() && code[0] == 'M') {
        m_auxCode = code;
        code.clear();
    } else {
        m_auxCode.clear();
    }
    auto record = BuildRecord(*line, code, 0);
    return doc.ModifyStatement(record) == kDocModified;
}

bool CEditorForm::DeleteOne(CVelmoraDoc& doc, CPrompter& prompter)
{
    std::optional<int> line = LineNumber(prompter);
    if (!line)
        return false;
    doc.DeleteStatement(*line, false, true);
    return true;
}

bool CEditorForm::DeleteMany(CVelmoraDoc& doc, CPrompter& prompter,
                             const std::vector<int>& lineNumbers)
{
    if (prompter.Ask(kDeleteAllQuestion, EPromptButtons::YesNo, EPromptIcon::Question) !=
        EPromptAnswer::Yes)
        return false;
    doc.DeleteStatements(lineNumbers);
    return true;
}
