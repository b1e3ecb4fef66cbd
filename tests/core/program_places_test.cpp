#include "core/program_folder.h"
#include "core/program_places.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace abacore;

namespace fs = std::filesystem;

// An installed copy is PREFIX/bin beside PREFIX/share/abacore-drill; anything else is a program
// folder that holds everything, as the build folder does. (The installed tree test runs one.)
TEST(ProgramPlaces, AnInstalledCopyIsToldByItsLayout) {
    TempFolder prefix;
    const fs::path bin = prefix.path() / "bin", build = prefix.path() / "build";
    fs::create_directories(bin);
    fs::create_directories(build);
    const UserEnvironment user{"/home/ann", "", ""};
    const ProgramPlaces alone{bin.string(), "", ""};
    EXPECT_EQ(PlacesOfRun(bin, user), alone); // no share folder

    const fs::path share = prefix.path() / "share" / "abacore-drill";
    fs::create_directories(share);
    EXPECT_EQ(PlacesOfRun(bin, user), (ProgramPlaces{"/home/ann/.config/abacore-drill",
                                                     share.string(), "/home/ann/Documents"}));
    // Without a home an installed copy cannot run; a program folder (a build folder, a copied
    // folder: the same layout under another name than bin) does not need one.
    EXPECT_EQ(PlacesOfRun(bin, {"", "", ""}), std::nullopt);
    EXPECT_EQ(PlacesOfRun(build, {"", "", ""}), (ProgramPlaces{build.string(), "", ""}));

    // A settings file beside the executable, in any letter case, makes bin a program folder.
    WriteBytes(bin / "KvtData.dat", "a\r\nb\r\n*****\r\n");
    EXPECT_EQ(PlacesOfRun(bin, user), alone);
}

// Each XDG home is its variable when that is an absolute path (user_folder_test runs those),
// else its place under the home.
TEST(ProgramPlaces, TheUserFoldersFollowTheXdgHomesWhenTheyAreAbsolutePaths) {
    for (const char* unset : {"", "relative/data", "~/data"}) {
        EXPECT_EQ(UserProgramFolder({"/home/ann", "/data", unset}),
                  "/home/ann/.config/abacore-drill")
            << unset;
        EXPECT_EQ(EarlierUserFolders({"/home/ann", unset, "/conf"}).back(),
                  "/home/ann/.local/share/abacore-drill")
            << unset;
    }
    EXPECT_EQ(UserProgramFolder({"", "", ""}), std::nullopt);
    EXPECT_TRUE(EarlierUserFolders({"", "", ""}).empty());
}

// A config home that is an install's share folder, here through another name for it (a link):
// the user's files go one folder down.
TEST(ProgramPlaces, AConfigHomeThatIsAnInstallsShareFolderKeepsTheUsersFilesApart) {
    TempFolder home;
    const fs::path local = home.path() / ".local";
    fs::create_directories(local / "bin");
    fs::create_directories(local / "share" / "abacore-drill");
    fs::create_symlink(local / "share", home.path() / "conf");
    EXPECT_EQ(
        PlacesOfRun(local / "bin", {home.path().string(), "", (home.path() / "conf").string()})
            ->programFolder,
        (home.path() / "conf" / "abacore-drill" / "user").string());
}

TEST(ProgramPlaces, TheDocumentsSettingIsReadAsTheUserDirsFileMeansIt) {
    const std::string home = "/home/ann";
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"# a comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n  XDG_DOCUMENTS_DIR=\"/srv/docs\"\r\n",
         "/srv/docs"},
        // A later line wins, as when the shell reads the file.
        {"XDG_DOCUMENTS_DIR=\"$HOME/a\"\nXDG_DOCUMENTS_DIR=\"$HOME/b\"\n", "/home/ann/b"},
        // Only "$HOME/..." and "/..." are meant; anything else is not a setting.
        {"XDG_DOCUMENTS_DIR=$HOME/Documents\n", std::nullopt},
        {"XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n", std::nullopt},
        {"XDG_DOCUMENTS_DIR=\"docs\"\n", std::nullopt}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(DocumentsDirSetting(text, home), expected) << text;
}

TEST(ProgramPlaces, DocumentsAreWhereTheUserDirsFileSaysElseInTheHome) {
    TempFolder home;
    const fs::path& h = home.path();
    const UserEnvironment user{h.string(), "", ""};
    EXPECT_EQ(UserDocumentsFolder(user), h / "Documents"); // no user-dirs file
    fs::create_directories(h / ".config");
    WriteBytes(h / ".config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Papiers\"\n");
    EXPECT_EQ(UserDocumentsFolder(user), h / "Papiers");
    // The documents folder set to the home itself means there is none.
    for (const char* setting : {"\"$HOME\"", "\"$HOME/\"", "\"$HOME/.\""}) {
        WriteBytes(h / ".config" / "user-dirs.dirs", std::string("XDG_DOCUMENTS_DIR=") + setting);
        EXPECT_EQ(UserDocumentsFolder(user), h / "Documents") << setting;
    }
    // The config home moves the file with it.
    fs::create_directories(h / "conf");
    WriteBytes(h / "conf" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"/srv/docs\"\n");
    EXPECT_EQ(UserDocumentsFolder({h.string(), "", (h / "conf").string()}), "/srv/docs");
    EXPECT_EQ(UserDocumentsFolder({"", "", ""}), std::nullopt);
}

TEST(ProgramFolder, NamesAreFoundIgnoringCaseTheExactSpellingFirstThenInByteOrder) {
    TempFolder folder;
    const fs::path& f = folder.path();
    EXPECT_EQ(FindIgnoringCase(f, "AbacoreBack.jpg", EntryKind::File), std::nullopt);
    WriteBytes(f / "abacoreback.JPG", "");
    WriteBytes(f / "ABACOREBACK.jpg", "");
    fs::create_directory(f / "AbacoreBack.JPG"); // a folder is not the picture
    EXPECT_EQ(FindIgnoringCase(f, "AbacoreBack.jpg", EntryKind::File), f / "ABACOREBACK.jpg");
    EXPECT_EQ(FindIgnoringCase(f, "abacoreback.jpg", EntryKind::Folder), f / "AbacoreBack.JPG");
    WriteBytes(f / "AbacoreBack.jpg", "");
    EXPECT_EQ(FindIgnoringCase(f, "AbacoreBack.jpg", EntryKind::File), f / "AbacoreBack.jpg");
    // Only ASCII letters fold; other characters must match byte for byte.
    WriteBytes(f / "\xC3\x89t\xC3\xA9.dat", "");
    EXPECT_EQ(FindIgnoringCase(f, "\xC3\x89T\xC3\xA9.DAT", EntryKind::File),
              f / "\xC3\x89t\xC3\xA9.dat");
    EXPECT_EQ(FindIgnoringCase(f, "\xC3\xA9t\xC3\xA9.dat", EntryKind::File), std::nullopt);
    // No folder recorded is no folder, not the current one.
    const fs::path previous = fs::current_path();
    fs::current_path(f);
    EXPECT_EQ(FindIgnoringCase("", "AbacoreBack.jpg", EntryKind::File), std::nullopt);
    fs::current_path(previous);
    EXPECT_EQ(FindIgnoringCase(f / "missing", "AbacoreBack.jpg", EntryKind::File), std::nullopt);
}

TEST(ProgramFolder, AFolderNamedOnTheCommandLineIsRecordedAbsoluteAndMustExist) {
    TempFolder folder;
    const fs::path real = fs::canonical(folder.path());
    fs::create_directory(real / "program");
    fs::create_symlink(real / "program", real / "link");
    WriteBytes(real / "file", "");
    EXPECT_EQ(ProgramFolderNamed(real / "link" / ""), (real / "program").string());
    const fs::path previous = fs::current_path();
    fs::current_path(real);
    EXPECT_EQ(ProgramFolderNamed("program"), (real / "program").string());
    fs::current_path(previous);
    for (const fs::path& bad : {real / "file", real / "missing", fs::path()})
        EXPECT_EQ(ProgramFolderNamed(bad), std::nullopt) << bad;
}
