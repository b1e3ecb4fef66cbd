// Every command make refuses: the exit code, the reason named, and not one file written or
// changed, whatever the activity and whichever check refuses it.
#include "clipart/picture_messages.h"
#include "core/program_messages.h"
#include "program_folder_fixture.h"
#include "run_make.h"
#include "test_pictures.h"
#include "worksheet/class_list.h"
#include "worksheet/data_file.h"

#include <QFile>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace abacore;

TEST_F(MakeTest, ARefusedCommandWritesNothingAndSaysWhy) {
    ASSERT_TRUE(WriteBytes(file("sheet.pdf"), "the teacher's sheet"));
    ASSERT_TRUE(WriteBytes(file("sheet.txt"), "the teacher's text"));
    ASSERT_TRUE(QFile::link(file("sheet.txt"), file("alias.txt")));
    ASSERT_TRUE(WriteBytes(file("class.txt"), "Amira\nTom\n"));
    ASSERT_EQ(mkfifo(QFile::encodeName(file("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(WriteBytes(file("long.txt"), QByteArray(kLongestClassListBytes + 1, '\n')));
    ASSERT_TRUE(WriteBytes(file("notes.bmp"), "not a picture\n"));
    ASSERT_FALSE(WritePicture(file("teal.bmp"), 60, 40, "bmp").isNull());
    // A program folder without the riddles and the subtraction stories.
    const ProgramFolder lacking;
    ASSERT_TRUE(QFile::remove(lacking.file("Riddles.dat")));
    ASSERT_TRUE(QFile::remove(lacking.file("subtract.dat")));
    const QString folder = " --folder " + lacking.path();
    const QString tooLong(kLongestTextLine + 1, 'x');
    const QString notAPicture = QString::fromStdString(NotAPictureReason("notes.bmp"));
    const struct {
        QString args;
        int exitCode;
        QString said;
        std::optional<QString> last = {};
    } rows[] = {
        // What every activity checks: the names, the formats, the options.
        {"skills", 2, "-o FILE"},
        {"shapes -o x.txt", 2, "\"shapes\""},
        {"skills -o x.doc", 2, "Cannot tell the format"},
        {"skills -o x.rtf --bogus", 2, "bogus"},
        {"skills -o sheet.html --answer-key key.html", 2, "answer key"},
        {"skills -o sheet.pdf --answer-key missing/key.txt", 1, "missing does not exist"},
        {"skills -o sheet.txt --answer-key alias.txt", 2, "same file"},
        {"skills -o sheet.pdf --count 5 --count 6", 2, "--count is given more than once"},
        {"skills -o x.txt -o y.txt", 2, "--output"},
        {"skills -o x.txt --answer-key", 2, "Name the answer key file", ""},
        {"skills -o x.txt --seed 18446744073709551616", 2, "0 to 18446744073709551615."},
        {"skills -o x.txt --skills", 2, "add\\x1B[31m", "add\x1b[31m,sub"},
        {"skills -o x.txt --heading", 2, "200 characters", QString(201, QChar(u'é'))},
        // The wizard's rules.
        {"skills -o x.rtf --remainders", 2, "only when division is among the skills"},
        {"riddle -o x.txt --negatives", 2, "only when subtraction is among the skills"},
        {"skills -o x.rtf --skills add,div --style bracket", 2, "choose an additional style."},
        {"skills -o x.rtf --first 50..10", 2, "The maximum value must be higher or equal"},
        {"squares -o x.rtf --count 16", 2, "There is a limit of 15 Math Squares"},
        // Each activity's own options and limits.
        {"cards -o x.rtf --answer-key k.rtf", 2, "no answer key"},
        {"words -o x.rtf --first-square-filled", 2, "--first-square-filled does not apply"},
        {"riddle -o x.rtf --count 5", 2, "takes no --count"},
        {"matching -o x.txt --skills div --remainders", 2, "divide evenly"},
        {"crossword -o x.txt --skills sub --negatives", 2, "never negative"},
        {"riddle -o x.rtf --riddle Why?", 2, "go together"},
        {"riddle -o x.rtf --punchline A --riddle", 2, "(--riddle)", tooLong},
        {"cards -o x.rtf --large-print", 2, "as large as the page allows"},
        {"riddle -o x.rtf" + folder, 2, "\"Riddles.dat\" is missing"},
        {"words -o x.txt --skills add,sub" + folder, 2, "subtract.dat"},
        {"crossword -o p.rtf", 2, ".pdf, .ipuz, .txt or .html"},
        {"crossword -o p.html --copies 2", 2, "An .html file holds one puzzle"},
        {"crossword -o p.pdf --answer-key k.ipuz", 2, "answer key"},
        {"crossword -o p.txt --count 51", 2,
         "With these numbers a puzzle holds at most 50 problems."},
        {"crossword -o p.txt --skills sub --first 1..100 --second 1..100 --count 17", 2,
         "at most 16 problems"},
        {"crossword -o p.txt --first 0..50", 2, "Invalid entry"},
        {"crossword -o p.txt --answer-key no/such/k.txt", 1, "k.txt"},
        // Products of nine and ten digits: refused before the builder would give up.
        {"crossword -o p.txt --skills mul --first 10000..32767 --second 10000..32767 --count 11", 2,
         "at most 10 problems"},
        // Class sets and pictures.
        {"skills -o x.txt --names missing.txt", 2, "missing.txt"},
        {"skills -o x.txt --copies 101", 2, "from 1 to 100"},
        {"skills -o x.txt --folder class.txt", 2, "\"class.txt\" is not a folder"},
        {"skills -o x.txt --copies 2 --names class.txt", 2, "do not go together"},
        {"skills -o x.txt --count 1001 --copies 100", 2, "at most 100000. Make fewer"},
        // A class list is read only from an ordinary file, and never past its limits.
        {"skills -o x.txt --names .", 2, "It is a folder."},
        {"skills -o x.txt --names pipe", 2, "It is not an ordinary file."},
        {"skills -o x.txt --names long.txt", 2, "too long for a class list"},
        {"skills -o x.txt --picture teal.bmp", 2, "\"x.txt\" is a .txt file"},
        {"skills -o sheet.pdf --answer-key k.rtf --picture notes.bmp", 2, "Error: " + notAPicture},
        {"skills -o x.rtf --picture gone.bmp", 2, QString::fromUtf8(kPictureErrorText)},
        {"crossword -o r.ipuz --picture teal.bmp", 2, "is an .ipuz file"},
        {"crossword -o r.txt --answer-key rk.pdf --picture teal.bmp", 2, "is a .txt file"},
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
