#include "program_folder.h"
#include "ui/screen_helpers.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(ScreenHelpers, FindsDataFilesWhateverTheirLetterCase) {
    ProgramFolder folder(false);
    QFile f(folder.file("AbacoreBack.JPG"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(FindFileIgnoringCase(folder.path(), "abacoreback.jpg"),
              folder.file("AbacoreBack.JPG"));
    EXPECT_TRUE(FindFileIgnoringCase(folder.path(), "missing.jpg").isEmpty());
}
