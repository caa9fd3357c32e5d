#pragma once
// Why a file could not be read or written, told in the program's own
// language: the system's texts for these errors are English.
#include <string>
#include <string_view>

// One sentence for an errno value, ending in "。".
std::string FileErrorReason(int error);

// "<what>“<path>”：<reason>", the form of every file error box.
std::string DescribeFileError(std::string_view what, const std::string& path, int error);

// The same when the folder refused a new file in it: a folder the user may
// not write is named, as the file itself is not what is protected.
std::string DescribeFolderError(std::string_view what, const std::string& path, int error);
