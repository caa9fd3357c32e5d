#pragma once
// The program document: the statement list in ascending line-number order,
// with insert, delete and modify by line number, and the modified flag.
#include "program/Process.h"
#include "platform/Prompter.h"

#include <memory>
#include <string>
#include <vector>

// Results of the editing operations; callers switch on the numbers.
enum EDocResult : int {
    kDocNothing = 0,
    kDocAppended = 1,        // appended at the end (also: first statement)
    kDocInsertedAt = 2,      // took the place of an equal number, followers renumbered
    kDocInsertedBetween = 3, // went between two statements
    kDocDeletedInside = 4,   // deleted a statement that had followers
    kDocDeletedLast = 5,     // deleted the last statement
    kDocModified = 6,
};

// A line of the file the program was read from that gave no statement and
// is not kept as text (rejected, or a code the simulation passes over): a
// save cannot write it back and must say so.
struct SDroppedLine {
    int fileLine = 0;
    std::string text;
    bool operator==(const SDroppedLine&) const = default;
};

// A view of the document is told when the document changed as a whole.
class CDocView {
public:
    virtual ~CDocView() = default;
    virtual void OnDocumentChanged() = 0;
};

class CVelmoraDoc {
public:
    using StatementList = std::vector<std::unique_ptr<CProcess>>;
    static constexpr const char* kDefaultTitle = "Halvorn数控";

    explicit CVelmoraDoc(CPrompter& prompter);

    // The record is handed over on success; on kDocNothing the caller keeps it.
    int InsertStatement(std::unique_ptr<CProcess>& record, bool silent);
    int DeleteStatement(int lineNumber, bool silent, bool renumber);
    int ModifyStatement(std::unique_ptr<CProcess>& record);
    // Deletes the statement of each number without a question and without
    // renumbering, in one pass however many there are. A number no
    // statement has (or one given twice) is reported once per request, as a
    // single delete would. Returns how many statements went.
    std::size_t DeleteStatements(const std::vector<int>& lineNumbers);

    static bool IsMotion(const CProcess& record);
    static void ComputeEndPoint(CProcess& record);
    // The point a statement starting at start names with its X and Z words;
    // without a usable pair of them, the one it had.
    static SPoint TargetFrom(const CProcess& record, SPoint start, SPoint had);
    // Where the statement leaves the tool: its target, except that a
    // turning or facing cycle returns to where it started, as on a control.
    static SPoint AfterMove(const CProcess& record, SPoint start, SPoint target);
    // The end point a statement starting at start gets.
    static SPoint EndPointFrom(const CProcess& record, SPoint start, SPoint had);

    const StatementList& Statements() const { return m_statements; }
    bool IsEmpty() const { return m_statements.empty(); }
    // Also forgets what the file held besides its statements.
    void RemoveAllStatements();

    // The lines after the last statement (comments, a closing %), each
    // ending in a line feed, written back after it.
    const std::string& TrailingText() const { return m_trailing; }
    void SetTrailingText(std::string text) { m_trailing = std::move(text); }
    const std::vector<SDroppedLine>& DroppedLines() const { return m_dropped; }
    void AddDroppedLine(SDroppedLine line) { m_dropped.push_back(std::move(line)); }
    // After a save: the file no longer holds them.
    void ClearDroppedLines() { m_dropped.clear(); }
    // Appends a statement known to come after every stored one, without a
    // question (for building documents directly, as tests do).
    void AppendInOrder(std::unique_ptr<CProcess> record);

    SPoint InitialPoint() const { return {}; }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // New document: the title goes back to the default, the statements stay.
    void OnNewDocument();
    const std::string& GetTitle() const { return m_title; }
    const std::string& GetPathName() const { return m_pathName; }
    // The title becomes the file's name.
    void SetPathName(const std::string& path);
    // After a read of path that stopped part way: the title names the file,
    // but the document has no file of its own until it is saved.
    void SetIncompleteSource(const std::string& path);
    // Where the save dialog starts (empty: the working directory) and the
    // name it offers (empty after an incomplete read: the user must choose).
    std::string SaveFolder() const;
    std::string SaveName() const;

    void AddView(CDocView* view);
    void RemoveView(CDocView* view);
    void UpdateAllViews();

    CPrompter& Prompter() { return m_prompter; }

private:
    SPoint StartPointBefore(std::size_t index) const;
    void RenumberUpward(std::size_t index);
    void KeepLayoutOf(std::size_t index);

    CPrompter& m_prompter;
    StatementList m_statements;
    std::string m_trailing;
    std::vector<SDroppedLine> m_dropped;
    bool m_bModified = false;
    std::string m_title = kDefaultTitle;
    std::string m_pathName;
    std::string m_incompletePath; // the file of an incomplete read
    std::vector<CDocView*> m_views;
};
