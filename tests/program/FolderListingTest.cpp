#include "program/FolderListing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(FolderListing, ShowsGbkNamesKeepsTheirBytesAndListsOnlyFoldersAndPrograms)
{
    const fs::path dir = fs::temp_directory_path() / ("velmora-listing-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "\xb3\xcc\xd0\xf2"); // 程序, a folder from a Windows zip
    for (const char* name : {"\xd4\xb2\xbb\xa1.txt", "b.TXT", "notes.md", ".hidden.txt"})
        std::ofstream(dir / name) << "G00X1Z1\n";
    ASSERT_EQ(::mkfifo((dir / "pipe.txt").c_str(), 0600), 0);

    const SFolderListing listing = ListProgramFolder(dir.string());
    EXPECT_EQ(listing.error, "");
    ASSERT_EQ(listing.entries.size(), 3u);
    EXPECT_EQ(listing.entries[0].shown, "程序");
    EXPECT_TRUE(listing.entries[0].folder);
    EXPECT_EQ(listing.entries[1].shown, "b.TXT");
    EXPECT_EQ(listing.entries[2].shown, "圆弧.txt");
    EXPECT_EQ(listing.entries[2].name, "\xd4\xb2\xbb\xa1.txt");

    const SFolderListing missing = ListProgramFolder((dir / "gone").string());
    EXPECT_TRUE(missing.entries.empty());
    EXPECT_EQ(missing.error.rfind("无法读取文件夹“", 0), 0u) << missing.error;
    fs::remove_all(dir);
}
