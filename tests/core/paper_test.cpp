// The paper: the system's by its rule, and the teacher's choice remembered in the program folder.
#include "core/paper.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace abacore;

TEST(Paper, TheSystemsPaperComesFromTheFirstSourceThatNamesOne) {
    const struct {
        PaperSources sources;
        Paper expected;
    } rows[] = {
        {{"A4", "letter\n", "en_US.UTF-8", "", ""}, Paper::A4},
        // Unknown names and comments say nothing; the file's first word does.
        {{"legal", "# the paper\n\n  letter  a4\n", "de_DE", "", ""}, Paper::Letter},
        {{"", "a5\n", "", "", "de_DE.UTF-8@euro"}, Paper::A4},
        // LC_ALL before LC_PAPER before LANG.
        {{"", "", "en_US.UTF-8", "de_DE", "de_DE"}, Paper::Letter},
        {{"", "", "", "fr_CA.UTF-8", "fr_FR"}, Paper::Letter},
        {{"", "", "", "", "es_MX"}, Paper::Letter},
        {{"", "", "", "", "C.UTF-8"}, Paper::Letter},
        {{"", "", "", "", "en"}, Paper::Letter},
        {{}, Paper::Letter},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SystemPaper(row.sources), row.expected)
            << row.sources.papersize << "|" << row.sources.papersizeFile << "|" << row.sources.lcAll
            << "|" << row.sources.lcPaper << "|" << row.sources.lang;
}

TEST(Paper, TheTeachersChoiceIsRememberedInTheProgramFolder) {
    const TempFolder folder;
    EXPECT_EQ(RememberedPaper(folder.path()), std::nullopt);
    RememberPaper(folder.path(), Paper::A4);
    EXPECT_EQ(RememberedPaper(folder.path()), Paper::A4);
    RememberPaper(folder.path(), Paper::Letter);
    EXPECT_EQ(RememberedPaper(folder.path()), Paper::Letter);
}
