#include "clipart/folder_listing.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace abacore;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(const std::vector<FolderEntry>& entries) {
    std::vector<std::string> out;
    for (const FolderEntry& e : entries)
        out.push_back(std::string(static_cast<size_t>(e.depth), '>') + e.name +
                      (e.open ? " (open)" : ""));
    return out;
}

} // namespace

TEST(FolderListing, TheWayDownToTheCurrentFolderThenItsFoldersInNameOrder) {
    const TempFolder temp;
    const std::string drive = temp.path().string();
    for (const char* folder :
         {"Pictures/zoo", "Pictures/Animals", "Pictures/birds", "Pictures/.cache", "Music"})
        fs::create_directories(temp.path() / folder);
    WriteBytes(temp.path() / "Pictures" / "not a folder", "x");
    fs::create_directory_symlink(temp.path() / "Music", temp.path() / "Pictures" / "music link");

    const auto entries = FolderListing(drive, drive + "/Pictures/");
    EXPECT_EQ(Lines(entries),
              (std::vector<std::string>{drive + " (open)", ">Pictures (open)", ">>Animals",
                                        ">>birds", ">>music link", ">>zoo"}));
    EXPECT_EQ(entries[3].path, drive + "/Pictures/birds");
    // Outside the drive, or above it: the drive itself.
    EXPECT_EQ(Lines(FolderListing(drive + "/Pictures", drive))[0], drive + "/Pictures (open)");
    EXPECT_EQ(Lines(FolderListing(drive, "/")), Lines(FolderListing(drive, drive)));
    // A folder that is not there lists only the way to it.
    EXPECT_EQ(FolderListing(drive, drive + "/gone").size(), 2u);
    // At the root of the file system the names do not start with a doubled separator.
    for (const FolderEntry& e : FolderListing("/", "/"))
        EXPECT_FALSE(e.path.starts_with("//")) << e.path;
}

TEST(FolderListing, FilesMatchingThePatternLetterCaseIgnoredHiddenOnesLeftOut) {
    const TempFolder temp;
    for (const char* name : {"b.bmp", "A.BMP", "c.jpg", "notes.txt", ".hidden.bmp", "a.bmp"})
        WriteBytes(temp.path() / name, "x");
    fs::create_directory(temp.path() / "folder.bmp");
    fs::create_symlink(temp.path() / "c.jpg", temp.path() / "link.bmp");
    EXPECT_EQ(MatchingFiles(temp.path().string(), "*.bmp"),
              (std::vector<std::string>{"A.BMP", "a.bmp", "b.bmp", "link.bmp"}));
    EXPECT_EQ(MatchingFiles(temp.path().string(), "*.jpg;*.txt"),
              (std::vector<std::string>{"c.jpg", "notes.txt"}));
    EXPECT_TRUE(MatchingFiles((temp.path() / "gone").string(), "*").empty());
}
