#include "program/VelmoraDoc.h"

#include "program/Codes.h"

#include <algorithm>
#include <cstdio>

namespace {
const char* const kAskSameNumber =
    "已经存在相同的行号，插入到当前行位置按\"是\"，取消操作按\"取消\"。";
const char* const kAskDelete = "您是否确定要删除第%d条语句?";
const char* const kDeleteNotFound = "没有找到您要删除的语句!";
const char* const kAskModify = "确认修改所选语句吗?";
const char* const kModifyNotFound = "没有找到所选语句!";

std::string Format(const char* pattern, int number)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, number);
    return buffer;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
} // namespace

CVelmoraDoc::CVelmoraDoc(CPrompter& prompter) : m_prompter(prompter) {}

SPoint CVelmoraDoc::StartPointBefore(std::size_t index) const
{
    return index == 0 ? InitialPoint() : m_statements[index - 1]->m_ptEnd;
}

int CVelmoraDoc::InsertStatement(std::unique_ptr<CProcess>& record, bool silent)
{
    SetModifiedFlag();
    const int number = record->m_nLineNumber;
    // Walk from the tail: a program is built by appending, so this stops at
    // once in the common case.
    for (std::size_t n = m_statements.size(); n-- > 0;) {
        const int stored = m_statements[n]->m_nLineNumber;
        if (stored > number)
            continue;
        if (stored < number) {
            record->m_ptStart = m_statements[n]->m_ptEnd;
            ComputeEndPoint(*record);
            const bool atTail = n + 1 == m_statements.size();
            m_statements.insert(m_statements.begin() + static_cast<std::ptrdiff_t>(n + 1), std::move(record));
            return atTail ? kDocAppended : kDocInsertedBetween;
        }
        if (!silent && m_prompter.Ask(kAskSameNumber, EPromptButtons::OkCancel) == EPromptAnswer::Cancel)
            return kDocNothing;
        record->m_ptStart = StartPointBefore(n);
        ComputeEndPoint(*record);
        m_statements.insert(m_statements.begin() + static_cast<std::ptrdiff_t>(n), std::move(record));
        RenumberUpward(n);
        return kDocInsertedAt;
    }
    if (m_statements.empty()) {
        record->m_ptStart = InitialPoint();
        ComputeEndPoint(*record);
        m_statements.push_back(std::move(record));
        return kDocAppended;
    }
    return kDocNothing;
}

void CVelmoraDoc::RemoveAllStatements()
{
    m_statements.clear();
    m_trailing.clear();
    m_dropped.clear();
}

void CVelmoraDoc::RenumberUpward(std::size_t index)
{
    for (std::size_t n = index; n + 1 < m_statements.size(); ++n) {
        CProcess& next = *m_statements[n + 1];
        if (next.m_nLineNumber != m_statements[n]->m_nLineNumber)
            break;
        ++next.m_nLineNumber;
    }
}

void CVelmoraDoc::AppendInOrder(std::unique_ptr<CProcess> record)
{
    record->m_ptStart = StartPointBefore(m_statements.size());
    ComputeEndPoint(*record);
    m_statements.push_back(std::move(record));
}

int CVelmoraDoc::DeleteStatement(int lineNumber, bool silent, bool renumber)
{
    SetModifiedFlag();
    for (std::size_t n = m_statements.size(); n-- > 0;) {
        if (m_statements[n]->m_nLineNumber != lineNumber)
            continue;
        if (!silent && m_prompter.Ask(Format(kAskDelete, lineNumber), EPromptButtons::YesNo) == EPromptAnswer::No)
            return kDocNothing;
        const bool hasFollowers = n + 1 < m_statements.size();
        KeepLayoutOf(n);
        if (hasFollowers && renumber) {
            for (std::size_t m = n + 1; m < m_statements.size(); ++m)
                --m_statements[m]->m_nLineNumber;
        }
        m_statements.erase(m_statements.begin() + static_cast<std::ptrdiff_t>(n));
        return hasFollowers ? kDocDeletedInside : kDocDeletedLast;
    }
    m_prompter.Tell(kDeleteNotFound);
    return kDocNothing;
}

std::size_t CVelmoraDoc::DeleteStatements(const std::vector<int>& lineNumbers)
{
    SetModifiedFlag();
    std::vector<int> wanted(lineNumbers);
    std::sort(wanted.begin(), wanted.end());
    std::vector<bool> found(wanted.size(), false);
    const std::size_t before = m_statements.size();
    // The comment lines of a deleted statement go before the next one kept,
    // as a single delete does; one pass, so deleting a long program stays linear.
    std::string comments;
    std::erase_if(m_statements, [&](const std::unique_ptr<CProcess>& statement) {
        // Each request takes one statement of its number.
        auto [first, last] = std::equal_range(wanted.begin(), wanted.end(), statement->m_nLineNumber);
        for (auto at = first; at != last; ++at) {
            const auto index = static_cast<std::size_t>(at - wanted.begin());
            if (!found[index]) {
                found[index] = true;
                comments.append(statement->KeptBefore());
                return true;
            }
        }
        if (!comments.empty()) {
            statement->SetLayout(comments + std::string(statement->KeptBefore()),
                                 std::string(statement->NumberWord()), std::string(statement->LineEnd()));
            comments.clear();
        }
        return false;
    });
    m_trailing.insert(0, comments);
    for (bool deleted : found)
        if (!deleted)
            m_prompter.Tell(kDeleteNotFound);
    return before - m_statements.size();
}

int CVelmoraDoc::ModifyStatement(std::unique_ptr<CProcess>& record)
{
    SetModifiedFlag();
    for (std::size_t n = m_statements.size(); n-- > 0;) {
        if (m_statements[n]->m_nLineNumber != record->m_nLineNumber)
            continue;
        if (m_prompter.Ask(kAskModify, EPromptButtons::OkCancel) == EPromptAnswer::Cancel)
            return kDocNothing;
        record->m_ptStart = StartPointBefore(n);
        ComputeEndPoint(*record);
        record->CopyLayout(*m_statements[n]);
        m_statements[n] = std::move(record);
        return kDocModified;
    }
    m_prompter.Tell(kModifyNotFound);
    return kDocNothing;
}

// The comment lines above a deleted statement stay where they were, above
// the statement that now follows them or at the end; its own sequence
// number and line comment go with it.
void CVelmoraDoc::KeepLayoutOf(std::size_t index)
{
    const std::string_view before = m_statements[index]->KeptBefore();
    if (before.empty())
        return;
    if (index + 1 == m_statements.size()) {
        m_trailing.insert(0, before);
        return;
    }
    CProcess& next = *m_statements[index + 1];
    next.SetLayout(std::string(before) + std::string(next.KeptBefore()), std::string(next.NumberWord()),
                   std::string(next.LineEnd()));
}

bool CVelmoraDoc::IsMotion(const CProcess& record)
{
    return FindCode(record.Code()).motion;
}

void CVelmoraDoc::ComputeEndPoint(CProcess& record)
{
    record.m_ptEnd = EndPointFrom(record, record.m_ptStart, record.m_ptEnd);
}

SPoint CVelmoraDoc::EndPointFrom(const CProcess& record, SPoint start, SPoint had)
{
    return AfterMove(record, start, TargetFrom(record, start, had));
}

SPoint CVelmoraDoc::AfterMove(const CProcess& record, SPoint start, SPoint target)
{
    const ECode code = FindCode(record.Code()).code;
    return code == ECode::G90 || code == ECode::G92 || code == ECode::G94 ? start : target;
}

SPoint CVelmoraDoc::TargetFrom(const CProcess& record, SPoint start, SPoint had)
{
    if (!IsMotion(record))
        return start;
    const std::string_view xWord = record.Get(EWord::X);
    const std::string_view zWord = record.Get(EWord::Z);
    const char xLetter = xWord.empty() ? '\0' : Lower(xWord.front());
    const char zLetter = zWord.empty() ? '\0' : Lower(zWord.front());
    const bool xAbsolute = xLetter == 'x', xIncremental = xLetter == 'u';
    const bool zAbsolute = zLetter == 'z', zIncremental = zLetter == 'w';
    if (!(xAbsolute || xIncremental) || !(zAbsolute || zIncremental))
        return had; // no usable pair of words: the end point stays as it was
    const double x = WordValue(xWord), z = WordValue(zWord);
    return {xAbsolute ? x : start.x + x, zAbsolute ? z : start.z + z};
}

void CVelmoraDoc::OnNewDocument()
{
    m_title = kDefaultTitle;
    m_pathName.clear();
    m_incompletePath.clear();
}

namespace {
std::string FileName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Folder(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash == 0 ? 1 : slash);
}
} // namespace

void CVelmoraDoc::SetPathName(const std::string& path)
{
    m_pathName = path;
    m_incompletePath.clear();
    m_title = FileName(path);
}

void CVelmoraDoc::SetIncompleteSource(const std::string& path)
{
    m_pathName.clear();
    m_incompletePath = path;
    m_title = FileName(path);
}

std::string CVelmoraDoc::SaveFolder() const
{
    return Folder(m_incompletePath.empty() ? m_pathName : m_incompletePath);
}

std::string CVelmoraDoc::SaveName() const
{
    return m_incompletePath.empty() ? m_title : std::string();
}

void CVelmoraDoc::AddView(CDocView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CVelmoraDoc::RemoveView(CDocView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CVelmoraDoc::UpdateAllViews()
{
    for (CDocView* view : std::vector<CDocView*>(m_views))
        view->OnDocumentChanged();
}
