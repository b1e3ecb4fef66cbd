// Every command make refuses: the exit code, the reason named, and not one file written or
// changed, whatever the activity and whichever check refuses it.
#include "clipart/picture_messages.h"
#include "core/program_messages.h"
#include "program_folder_fixture.h"
#include "run_make.h"
#include "test_pictures.h"

#include <QFile>
#include <map>
#include <sys/resource.h>

using namespace abacore;

TEST_F(MakeTest, ARefusedCommandWritesNothingAndSaysWhy) {
    ASSERT_TRUE(WriteBytes(file("sheet.pdf"), "the teacher's sheet"));
    ASSERT_TRUE(WriteBytes(file("sheet.txt"), "the teacher's text"));
    ASSERT_TRUE(QFile::link(file("sheet.txt"), file("alias.txt")));
    ASSERT_TRUE(WriteBytes(file("notes.bmp"), "not a picture\n"));
    // A program folder without the riddles and the subtraction stories.
    const ProgramFolder lacking;
    ASSERT_TRUE(QFile::remove(lacking.file("Riddles.dat")));
    ASSERT_TRUE(QFile::remove(lacking.file("subtract.dat")));
    const QString folder = " --folder " + lacking.path();
    const QString notAPicture = QString::fromStdString(NotAPictureReason("notes.bmp"));
    const struct {
        QString args;
        int exitCode;
        QString said;
        std::optional<QString> last = {};
    } rows[] = {
        // What the parse refuses is in parse_make_test.cpp; here what needs the program: its
        // exit codes, a link to the teacher's file, the terminal, and the steps after the parse.
        {"skills -o sheet.pdf --answer-key missing/key.txt", 1, "missing does not exist"},
        {"skills -o sheet.txt --answer-key alias.txt", 2, "same file"},
        {"skills -o x.txt --skills", 2, "add\\x1B[31m", "add\x1b[31m,sub"},
        {"riddle -o x.rtf" + folder, 2, "\"Riddles.dat\" is missing"},
        {"words -o x.txt --skills add,sub" + folder, 2, "subtract.dat"},
        {"skills -o x.txt --count 1001 --copies 100", 2, "at most 100000. Make fewer"},
        // A picture's reason in the command line's own words, and nothing after it.
        {"skills -o sheet.pdf --answer-key k.rtf --picture notes.bmp", 2,
         "abacore-drill: " + notAPicture + "\n"},
        {"skills -o x.rtf --picture gone.bmp", 2, "abacore-drill: The file \"gone.bmp\" cannot"},
        {"skills -o x.txt --first 94..99 --second 4..9 --regrouping never", 2, "the regrouping,"},
        // A sheet code typed wrong, made with other data, or given choices it holds itself.
        {"--code 4H1F-G000-0000-0000-0000-005Z -o x.txt", 2, "is not a sheet code"},
        {"--code 510F-21ZW-0000-0000-0000-005Y -o x.txt" + folder, 2, "different Riddles.dat."},
        {"--code 4H1F-G000-0000-0000-0000-0059 -o x.txt --count 5", 2, "does not go with --code"},
    };
    const auto snapshot = [this] {
        std::map<QString, QByteArray> all;
        for (const QString& name : files())
            all[name] = bytes(name);
        return all;
    };
    const auto before = snapshot();
    for (const auto& row : rows) {
        const MakeResult r = make(row.args, row.last);
        EXPECT_EQ(r.exitCode, row.exitCode) << row.args.toStdString();
        EXPECT_TRUE(r.err.contains(row.said))
            << row.args.toStdString() << " said: " << r.err.toStdString();
        // What the user typed is echoed with its control characters escaped.
        EXPECT_FALSE(r.err.contains(QChar(0x1b))) << row.args.toStdString();
        EXPECT_TRUE(snapshot() == before) << row.args.toStdString();
    }
}

// Out of memory the command says so in its own words (never the name of a C++ exception) and
// leaves the earlier file as it was.
TEST_F(MakeTest, RunningOutOfMemoryIsSaidInWordsAndWritesNothing) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#endif
    ASSERT_TRUE(WriteBytes(file("set.txt"), "the teacher's set"));
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.setChildProcessModifier([] {
        const rlimit limit{100 << 20, 100 << 20}; // room to start, not for 98,301 problems
        setrlimit(RLIMIT_AS, &limit);
    });
    p.start(QStringLiteral(ABACORE_EXECUTABLE),
            QStringList{"make", "skills", "--count", "32767", "--copies", "3", "-o", "set.txt"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()),
              QStringLiteral("abacore-drill: %1\n").arg(ProgramText::kOutOfMemory));
    EXPECT_EQ(bytes("set.txt"), "the teacher's set");
}

// The window's command line lets Qt's own options by, for Qt to read: the folder is refused.
TEST_F(MakeTest, TheWindowLetsQtsOwnOptionsBy) {
    const MakeResult r = RunProgram(
        QString("-style Fusion -reverse --platformtheme=x -platform xcb --folder no").split(' '),
        dir.path());
    EXPECT_TRUE(r.exitCode == 2 && r.err.contains("\"no\"")) << r.err.toStdString();
}
