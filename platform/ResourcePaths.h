#pragma once
// Finds a data file named by a relative path ("Sound/Move.wav",
// "help/...htm"): the current directory first, then the installed data
// folder, then the source tree.
#include <string>

class CResourcePaths {
public:
    virtual ~CResourcePaths() = default;
    // The full path of the first existing candidate, or empty.
    virtual std::string Find(const std::string& relativePath) const = 0;
};
