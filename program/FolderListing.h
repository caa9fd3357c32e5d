#pragma once
// What the open dialog lists of a folder. Names unzipped from Windows
// archives are GBK bytes that the desktop's own listing drops, so the
// folder is read here, each entry keeping its bytes on disk beside the name
// a person reads.
#include <string>
#include <vector>

struct SFolderEntry {
    std::string name;  // the bytes on disk
    std::string shown; // UTF-8, GB18030 decoded when the name is no UTF-8
    bool folder = false;
};

struct SFolderListing {
    std::vector<SFolderEntry> entries; // folders first, each group by shown name
    std::string error;                 // why the folder could not be read; empty when it could
};

// The folders and the program files (".txt" in any case) of folder; hidden
// entries (a leading dot) and anything that is no regular file are left out.
SFolderListing ListProgramFolder(const std::string& folder);
