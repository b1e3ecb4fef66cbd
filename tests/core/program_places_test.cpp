#include "core/program_places.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace abacore;

namespace fs = std::filesystem;

// An installed copy is PREFIX/bin beside PREFIX/share/abacore-drill; anything else is a program
// folder that holds everything, as the build folder does.
TEST(ProgramPlaces, AnInstalledCopyIsToldByItsLayout) {
    TempFolder prefix;
    const fs::path bin = prefix.path() / "bin";
    const fs::path share = prefix.path() / "share" / "abacore-drill";
    fs::create_directories(bin);
    const UserEnvironment user{"/home/ann", "", ""};
    const ProgramPlaces alone{bin.string(), "", ""};

    EXPECT_EQ(ShippedDataFolder(bin), std::nullopt); // no share folder
    EXPECT_EQ(PlacesOfRun(bin, user), alone);

    fs::create_directories(share);
    EXPECT_EQ(ShippedDataFolder(bin), share.string());
    EXPECT_EQ(PlacesOfRun(bin, user), (ProgramPlaces{"/home/ann/.config/abacore-drill",
                                                     share.string(), "/home/ann/Documents"}));

    // The same layout under a folder not called bin (a build folder, a copied folder).
    const fs::path build = prefix.path() / "build";
    fs::create_directories(build);
    EXPECT_EQ(PlacesOfRun(build, user), (ProgramPlaces{build.string(), "", ""}));

    // A settings file beside the executable, in any letter case, makes bin a program folder.
    WriteBytes(bin / "KvtData.dat", "a\r\nb\r\n*****\r\n");
    EXPECT_EQ(ShippedDataFolder(bin), std::nullopt);
    EXPECT_EQ(PlacesOfRun(bin, user), alone);
}

// The user's folder under the config home, the earlier ones under the data home; each home is
// its variable when that is an absolute path, else the XDG default under the home.
TEST(ProgramPlaces, TheUserFoldersFollowTheXdgHomesWhenTheyAreAbsolutePaths) {
    using Folders = std::vector<std::filesystem::path>;
    EXPECT_EQ(UserProgramFolder({"/home/ann", "/data", "/conf/ann"}), "/conf/ann/abacore-drill");
    EXPECT_EQ(EarlierUserFolders({"/home/ann", "/data/ann", "/conf"}),
              (Folders{"/data/ann/abacore-drill/user", "/data/ann/abacore-drill"}));
    for (const char* unset : {"", "relative/data", "~/data"}) {
        EXPECT_EQ(UserProgramFolder({"/home/ann", "/data", unset}),
                  "/home/ann/.config/abacore-drill")
            << unset;
        EXPECT_EQ(EarlierUserFolders({"/home/ann", unset, "/conf"}).back(),
                  "/home/ann/.local/share/abacore-drill")
            << unset;
    }
    EXPECT_EQ(UserProgramFolder({"", "", "/conf/ann"}), "/conf/ann/abacore-drill");
    EXPECT_EQ(UserProgramFolder({"", "", ""}), std::nullopt);
    EXPECT_EQ(EarlierUserFolders({"", "", ""}), Folders{});

    // Without a home an installed copy cannot run; a program folder does not need one.
    TempFolder prefix;
    fs::create_directories(prefix.path() / "bin");
    fs::create_directories(prefix.path() / "share" / "abacore-drill");
    EXPECT_EQ(PlacesOfRun(prefix.path() / "bin", {"", "", ""}), std::nullopt);
    EXPECT_EQ(PlacesOfRun(prefix.path(), {"", "", ""}),
              (ProgramPlaces{prefix.path().string(), "", ""}));
}

// A config home that is an install's share folder: the user's files go one folder down.
TEST(ProgramPlaces, AConfigHomeThatIsAnInstallsShareFolderKeepsTheUsersFilesApart) {
    TempFolder home;
    const fs::path local = home.path() / ".local";
    fs::create_directories(local / "bin");
    fs::create_directories(local / "share" / "abacore-drill");
    const fs::path shipped = local / "share" / "abacore-drill";
    const auto places = PlacesOfRun(local / "bin", {home.path().string(), "", ""});
    ASSERT_TRUE(places);
    EXPECT_EQ(places->shippedFolder, shipped.string());
    EXPECT_EQ(places->programFolder, (home.path() / ".config" / "abacore-drill").string());
    // Through another name for that folder (a link).
    fs::create_symlink(local / "share", home.path() / "conf");
    EXPECT_EQ(
        PlacesOfRun(local / "bin", {home.path().string(), "", (home.path() / "conf").string()})
            ->programFolder,
        (home.path() / "conf" / "abacore-drill" / "user").string());
}

TEST(ProgramPlaces, TheDocumentsSettingIsReadAsTheUserDirsFileMeansIt) {
    const std::string home = "/home/ann";
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "/home/ann/Dokumente"},
        {"# a comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n  XDG_DOCUMENTS_DIR=\"/srv/docs\"\r\n",
         "/srv/docs"},
        {"XDG_DOCUMENTS_DIR=\"$HOME\"", "/home/ann"},
        // A later line wins, as when the shell reads the file.
        {"XDG_DOCUMENTS_DIR=\"$HOME/a\"\nXDG_DOCUMENTS_DIR=\"$HOME/b\"\n", "/home/ann/b"},
        // Only "$HOME/..." and "/..." are meant; anything else is not a setting.
        {"XDG_DOCUMENTS_DIR=$HOME/Documents\n", std::nullopt},
        {"XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n", std::nullopt},
        {"XDG_DOCUMENTS_DIR=\"docs\"\n", std::nullopt},
        {"#XDG_DOCUMENTS_DIR=\"/srv/docs\"\n", std::nullopt},
        {"", std::nullopt}};
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
