#include "core/program_folder.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace abacore;

namespace fs = std::filesystem;

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
