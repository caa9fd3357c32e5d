#pragma once
// What a line of a program file holds besides its statement. Textbooks and
// controls print programs with % lines, a program number line (O0001),
// sequence numbers (N10) and an end-of-block mark (;); students add
// comments: "//" or ";" to the end of the line, or "(…)", except the
// editor's own "(1)" and "(2)" of the cycle lines, and text in Chinese,
// which the checker passes over anyway. Full-width forms count as
// their ASCII twins. A line with a sequence number reads exactly as the
// same line without it.
#include <string>
#include <string_view>

// The views point into the line, or into the parts' own text where a
// comment stood in the middle of the statement.
struct SLineParts {
    bool mark = false;          // a % or program number line: kept, never a statement
    std::string_view number;    // the sequence number word and the blanks after it
    std::string_view statement; // what the checker reads
    std::string end;            // comments and the end-of-block mark, as typed
    std::string joined;         // the statement's pieces around a comment
};

// Fills parts (reused from line to line, so reading allocates little).
void SplitLine(std::string_view line, SLineParts& parts);
