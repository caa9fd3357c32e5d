#pragma once
// Why a file could not be read or written, told in the program's own
// language: the system's texts for these errors are English.
#include <string>
#include <string_view>

// One sentence for an errno value, ending in "。".
std::string FileErrorReason(int error);

// "<what>“<path>”：<reason>", the form of every file error box.
std::string DescribeFileError(std::string_view what, const std::string& path, int error);
