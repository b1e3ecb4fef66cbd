// The picture window's drives, folders and files, without the window.
#include "clipart/drive_list.h"
#include "clipart/folder_listing.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <set>

using namespace abacore;
namespace fs = std::filesystem;

// A desktop in a container: the root on an overlay, a data disk, a USB stick whose name has a
// blank, a network share, single files bound in from the host, a snap package, a kernel file
// system, and a point mounted twice.
static const char* kMounts = "overlay / overlay rw,relatime,lowerdir=/a:/b 0 0\n"
                             "proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0\n"
                             "/dev/sda1 /etc/hosts ext4 rw,relatime 0 0\n"
                             "/dev/sda2 /home/ann ext4 rw,relatime 0 0\n"
                             "/dev/nvme0n1p3 /data\\040disk btrfs rw 0 0\n"
                             "/dev/sdb1 /media/ann/USB\\040STICK vfat rw,nosuid,nodev 0 0\n"
                             "server:/export /mnt/share nfs4 rw,relatime 0 0\n"
                             "/dev/loop3 /snap/core/1234 squashfs ro 0 0\n"
                             "/dev/sdc1 /mnt/old ext4 rw 0 0\n"
                             "/dev/sdc2 /mnt/old ext4 rw 0 0\n"
                             "broken line\n"
                             "\n";

TEST(DriveList, HomeFirstThenTheRootThenTheVolumesThatHoldFilesUnderTheirKernelNames) {
    std::set<std::string> asked;
    const auto drives = DriveList(kMounts, "/home/ann/", [&](const std::string& path) {
        asked.insert(path);
        return path != "/etc/hosts";
    });
    std::vector<std::string> paths;
    for (const Drive& d : drives)
        paths.push_back(d.path);
    EXPECT_EQ(paths, (std::vector<std::string>{"/home/ann", "/", "/data disk",
                                               "/media/ann/USB STICK", "/mnt/old", "/mnt/share"}));
    EXPECT_EQ(drives[0].label, "Home folder  (/home/ann)");
    EXPECT_EQ(drives[3].label, "/media/ann/USB STICK  (sdb1)");
    EXPECT_EQ(drives[4].label, "/mnt/old  (sdc2)"); // the later mount hides the earlier one
    EXPECT_EQ(drives[5].label, "/mnt/share  (server:/export)");
    EXPECT_TRUE(asked.count("/etc/hosts")); // a bound file is not a drive
    // The kernel's escapes undone; the broken and empty lines are no entries.
    EXPECT_EQ(ParseMounts(kMounts).size(), 10u);
    EXPECT_EQ(ParseMounts("a /x\\011y\\012z\\134w\\04 t 0 0")[0].mountPoint, "/x\ty\nz\\w\\04");

    // Without a home folder the root leads.
    EXPECT_EQ(DriveList("", "", [](const std::string&) { return true; })[0].path, "/");
    EXPECT_EQ(DriveList("", "/gone", [](const std::string&) { return false; }).size(), 1u);
}

TEST(DriveList, AFolderBelongsToTheDriveWithTheLongestLeadingPath) {
    const std::vector<Drive> drives{{"/home/ann", ""}, {"/", ""}, {"/home", ""}, {"/mnt/a", ""}};
    EXPECT_EQ(DriveOf(drives, "/home/ann/pictures"), 0u);
    EXPECT_EQ(DriveOf(drives, "/home/ann"), 0u);
    EXPECT_EQ(DriveOf(drives, "/home/annex"), 2u); // a name that only starts the same
    EXPECT_EQ(DriveOf(drives, "relative"), 0u);
}

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
