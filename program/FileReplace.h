#pragma once
// A file's whole content replaced so that a failure never damages it: the
// new text goes to a hidden file beside it, is flushed to disk and renamed
// over it. A symbolic link is followed to the file it names.
#include <string>
#include <string_view>

struct SReplaceFailure {
    int error = 0;         // errno; 0 when the file was replaced
    bool inFolder = false; // the folder refused the new file
};

// Keeps the old file's mode, and its owner and group where the system lets
// the user give them. Removes hidden files a killed save of the same file
// left behind.
SReplaceFailure ReplaceFileContents(const std::string& path, std::string_view content);

// "<what>“<path>”：<reason>", the folder named when it was the folder that refused.
std::string DescribeReplaceFailure(std::string_view what, const std::string& path, const SReplaceFailure& failure);
