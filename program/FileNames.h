#pragma once
// Names of files unzipped from Windows archives are GBK bytes, which a
// UTF-8 desktop shows as replacement marks (U+FFFD) or not at all, so that
// the name a user picks or types is not the name on disk.
#include <string>
#include <string_view>

// The name as a person reads it: GB18030 decoded when it is no UTF-8.
std::string ShownFileName(std::string_view bytes);

// The path on disk that a path as shown means: the path itself when it
// exists, else the one entry of its folder whose shown name is the name, or
// whose name the shown one gives with each undecodable run as a U+FFFD.
// The path itself when there is no such entry.
std::string PathOnDisk(const std::string& shownPath);
