#pragma once
// Program files: plain text, one statement per line. Reading goes through the
// line checker; writing produces lines that read back as the same statements.
#include "program/VelmoraDoc.h"

#include <iosfwd>
#include <string>
#include <vector>

// A statement that a saved program will not give back as it is.
struct SChangedStatement {
    int lineNumber = 0;
    bool lost = false; // reads back as no statement at all, else as a different one
    bool operator==(const SChangedStatement&) const = default;
};

struct SFileResult {
    bool ok = true;
    std::string error; // a sentence for the user when !ok
    int rejected = 0;  // lines the checker reported (reading only)
    // The read stopped part way: the document holds only the lines before.
    bool incomplete = false;
    std::vector<SChangedStatement> changed; // writing only, in program order
    std::vector<SDroppedLine> dropped;      // writing only: lines of the read file not written
    // Writing only: the file is marked read-only, so another name is needed.
    bool readOnly = false;
    static SFileResult Failure(std::string text) { return {false, std::move(text), 0, false, {}, {}, false}; }
};

// A program as its file holds it, and what of it will not read back the same.
struct SProgramText {
    std::string text;
    std::vector<SChangedStatement> changed;
    std::vector<SDroppedLine> dropped;
};

// Replaces the document's statements with the file's. When the file cannot be
// opened the document is left as it was. Each faulty line is reported through
// the document's prompter; the modified flag ends clear.
SFileResult ReadProgramFile(CVelmoraDoc& doc, const std::string& path);
struct SReadOptions {
    bool locate = false; // messages start with "FILE:LINE: "
};
SFileResult ReadProgramFileWith(CVelmoraDoc& doc, const std::string& path, const SReadOptions& options);
// The same from any stream, for callers that hold the text already.
SFileResult ReadProgramStream(CVelmoraDoc& doc, std::istream& in);

// Who the saving user is to a file, as its permission bits see it.
enum class EFileUser { Owner, Group, Other, Root };
// Whether a file of this mode is marked read-only for that user. Root may
// write anything, but a file nobody may write was protected on purpose.
bool WriteProtected(unsigned mode, EFileUser user);

// Writes every statement as one line. A file marked read-only is refused. The file is written beside the target
// and renamed over it, so a failed save never damages the old file.
SFileResult WriteProgramFile(const CVelmoraDoc& doc, const std::string& path);
// The same for a text already made, such as one the user was warned about.
SFileResult WriteProgramFile(const SProgramText& program, const std::string& path);
// The text that WriteProgramFile stores (LF line ends). Each statement is
// one line, which reads back as the same statement wherever some line does;
// the others are named in changed.
SProgramText WriteProgramText(const CVelmoraDoc& doc);
std::string FormatProgram(const CVelmoraDoc& doc);
