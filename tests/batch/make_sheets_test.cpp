// What make writes, through the real executable: each option honoured in the sheet, a fixed
// seed repeating every byte of every format, pictures, and files the user may only write.
#include "../document/rtf_picture_reader.h"
#include "program_folder_fixture.h"
#include "run_make.h"
#include "test_pictures.h"

#include <QBuffer>
#include <QRegularExpression>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace abacore;

namespace {

using MakeSheets = MakeTest;

int Count(const QString& text, const QString& pattern) {
    return static_cast<int>(
        text.count(QRegularExpression(pattern, QRegularExpression::MultilineOption)));
}

// make run as nobody when the test runs as root (who may read and write anything), else as the
// test's own user; exit code 99 when the user could not be changed.
// The program is run from a copy in the test's own folder: nobody may be unable to reach the
// checkout (a clone in a 0700 home folder).
MakeResult MakeAsAnotherUser(const QString& folder, const QStringList& args) {
    const QString program = folder + "/abacore-drill";
    if (!QFile::exists(program) && !QFile::copy(QStringLiteral(ABACORE_EXECUTABLE), program))
        return {99, {}, "could not copy the program"};
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOther |
                                       QFileDevice::ReadOther);
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setChildProcessModifier([] {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
             setresuid(kNobody, kNobody, kNobody) != 0))
            _exit(99);
    });
    p.start(program, QStringList{"make", "skills"} + args);
    EXPECT_TRUE(p.waitForFinished(60000)) << "did not finish"; // a hang, not a speed limit
    return {p.exitCode(), {}, QString::fromUtf8(p.readAllStandardError())};
}

// A PNG with a colour profile the PNG library warns about (too short) and shows all the same:
// an iCCP chunk put in after the signature and the header chunk.
QByteArray ProfiledPng() {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    PatternImage(8, 8).save(&buffer, "PNG");
    return png.insert(8 + 25, QByteArray::fromHex("00000011694343506963630000789c6360181e"
                                                  "000000c80001ce41d97e"));
}

} // namespace

TEST_F(MakeSheets, EachOptionShowsInTheSheet) {
    const ProgramFolder folder;
    ASSERT_TRUE(QFile::remove(folder.file("subtract.dat"))); // addition needs none
    const QStringList riddles =
        QString::fromUtf8(ReadBytes(folder.file("Riddles.dat"))).split("\r\n");
    QSet<QChar> letters;
    for (const QChar c : riddles[1].toUpper())
        if (c >= 'A' && c <= 'Z')
            letters.insert(c);
    const struct {
        QString args;
        QString file;
        QString pattern;
        int count; // how often the pattern occurs in the file; -1: at least once
    } rows[] = {
        {"skills -o w.txt", "w.txt", "^Addition Practice Worksheet\n", 1},
        {"skills -o w.txt", "w.txt", "\\b\\d+\\) ", 20},
        {"skills -o w.txt --heading Sums", "w.txt", "^Sums\n", 1},
        // A PDF key beside a text sheet: the PDF is drawn all the same.
        {"skills -o w.txt --answer-key k.pdf", "k.pdf", "\\A%PDF", 1},
        {"skills -o w.txt --skills div,sub --remainders --negatives", "w.txt", "\\d\\) ", -1},
        {"squares -o s.txt --count 15", "s.txt", "^Directions", 1},
        {"squares -o s.txt --first-square-filled", "s.txt", "first square has been filled", 1},
        {"squares -o s.txt", "s.txt", "first square has been filled", 0},
        // The squares ignore the second range, which no subtraction could use.
        {"squares -o s.txt --skills sub --first 0..50 --second 90..99", "s.txt", "^Directions", 1},
        // The PDF path substitutes the fonts the window does: a fixed pitch for the squares.
        {"squares --count 2 -o p.pdf", "p.pdf", "/BaseFont */[A-Z+]*[A-Za-z-]*Mono", -1},
        {"matching -o l.rtf --large-print", "l.rtf", "\\\\fs33\\\\", -1},
        // Any number of cards, under no heading: the cards are cut apart.
        {"cards -o c.txt --count 150", "c.txt", "\\S\n\n\n\n", 150},
        {"cards -o c.txt", "c.txt", "\\A\n", 1},
        {"riddle -o r.txt --folder " + folder.path(), "r.txt",
         "^Riddle: " + QRegularExpression::escape(riddles[0]) + "\n", 1},
        // The key answers each letter of the punch line once.
        {"riddle -o r.txt --answer-key k.txt --folder " + folder.path(), "k.txt",
         "^ \\d+\\)  [A-Z]=  ", static_cast<int>(letters.size())},
        {"riddle -o r.txt --riddle Why? --punchline Yes", "r.txt", "^Riddle: Why\\?\n", 1},
        {"riddle -o r.txt --riddle Why? --punchline A-tie", "r.txt", "\\d\\)  Letter: [AETI]", 4},
        {"words -o p.txt --folder " + folder.path(), "p.txt", "^Directions", 1},
        {"crossword -o p.txt --count 30", "p.txt", "^ \\d+\\) \\d+ \\+ \\d+ =$", 30},
        // The crossword's ranges reach 1000 unless told otherwise.
        {"crossword -o p.txt --count 30", "p.txt", "\\d\\d\\d \\+", -1},
        {"crossword -o p.txt --count 0 --answer-key k.txt", "p.txt", "^Across:\n\nDown:\n\n$", 1},
        {"crossword -o p.txt --count 0 --answer-key k.txt", "k.txt", "^\\.{27}$", 19},
    };
    for (const auto& row : rows) {
        QFile::remove(file(row.file));
        const MakeResult r = make(row.args);
        ASSERT_EQ(r.exitCode, 0) << row.args.toStdString() << ": " << r.err.toStdString();
        const int count = Count(text(row.file), row.pattern);
        EXPECT_TRUE(row.count < 0 ? count > 0 : count == row.count)
            << row.args.toStdString() << ": " << count << " times " << row.pattern.toStdString();
    }
}

// A fixed seed repeats every byte of every format: under another file name (a PDF is titled with
// its sheet's heading), in any time zone, with Qt's hash tables salted afresh, without a display,
// and with nothing from the platform on the terminal.
TEST_F(MakeSheets, AFixedSeedRepeatsEveryByteOfEveryFormat) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_HASH_SEED");
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
        env.remove(name);
    env.insert("QT_QPA_PLATFORM", "xcb");
    const QString runs[] = {
        "skills --skills add,sub,div --remainders --style bracket,horizontal,vertical --count 50 "
        "-o @.rtf --answer-key @k.rtf",
        "skills --skills add,div -o @.pdf --answer-key @k.pdf",
        "crossword --skills add,mul --count 25 -o @.pdf --answer-key @k.pdf",
        "crossword -o @.ipuz",
    };
    const char* zones[] = {"UTC", "Asia/Kolkata", "America/New_York"};
    for (int run = 0; run < 4; ++run) {
        QStringList made[3];
        for (int zone = 0; zone < 3; ++zone) {
            env.insert("TZ", zones[zone]);
            const QString stem = QStringLiteral("%1%2").arg(run).arg(zone);
            const QStringList args = QString(runs[run]).replace('@', stem).split(' ');
            const MakeResult r = RunProgram(QStringList{"make"} + args + QStringList{"--seed", "9"},
                                            dir.path(), env);
            ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
            EXPECT_EQ(r.err, "");
            for (const QString& name : args.filter(stem))
                made[zone] << bytes(name).toBase64();
            EXPECT_EQ(made[zone], made[0]) << runs[run].toStdString() << " in " << zones[zone];
        }
    }
    EXPECT_TRUE(bytes("00.rtf").startsWith("{\\rtf1"));
    EXPECT_TRUE(HasPdfTitle(bytes("10.pdf"), "Math Skills Practice Worksheet"));
    EXPECT_TRUE(HasPdfTitle(bytes("10k.pdf"), "Math Skills Practice Worksheet (Answer Key)"));
    ASSERT_EQ(make("crossword -o other.ipuz --seed 10").exitCode, 0);
    EXPECT_NE(bytes("other.ipuz"), bytes("30.ipuz"));
}

// A4 as asked with --paper, or as the system says without it; Letter where nothing says A4.
TEST_F(MakeSheets, SheetsAreMadeOnThePaperAskedFor) {
    for (const bool option : {true, false}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!option)
            env.insert("PAPERSIZE", "a4");
        const QString args = option ? "--paper a4" : "--seed 1";
        const MakeResult r = RunProgram(
            QString("make skills --count 60 -o s.pdf --answer-key k.rtf " + args).split(' '),
            dir.path(), env);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QString pdf = text("s.pdf");
        EXPECT_EQ(Count(pdf, "/MediaBox \\[0 0 595\\.0+ 842\\.0+\\]"), 3) << option;
        EXPECT_TRUE(bytes("k.rtf").contains("\\paperw11906\\paperh16838\\margl864"));
    }
    ASSERT_EQ(make("skills -o l.rtf").exitCode, 0);
    EXPECT_TRUE(bytes("l.rtf").contains("\\paperw12240\\paperh15840"));
    EXPECT_EQ(make("skills -o l.rtf --paper a3").err,
              "abacore-drill: --paper takes a4 or letter.\n");
}

// Past about 2,900 pages one laid-out document runs out of room: the cards beyond it were lost
// (or the whole file came out blank) while make said it had worked. Every page holds whole
// cards, two or three as they fit, and together they are all the cards asked for.
TEST_F(MakeSheets, ALongCardPdfHoldsEveryCard) {
    constexpr int kCards = 8094; // the fewest that came out blank
    const MakeResult r = make("cards --seed 1 -o c.pdf --count " + QString::number(kCards));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString printed = PdfText(file("c.pdf"));
    if (printed.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QStringList pages = printed.split('\f');
    if (pages.last().trimmed().isEmpty())
        pages.removeLast();
    int cards = 0;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const int onPage = Count(pages[i], "^ *\\d+ *\\+ *\\d+ +\\d+ *$");
        // The last page holds what is left, or only the blank lines that end the last card.
        EXPECT_TRUE(onPage == 2 || onPage == 3 || i + 1 == pages.size())
            << "page " << i + 1 << " holds " << onPage << " cards";
        cards += onPage;
    }
    EXPECT_EQ(cards, kCards);
}

TEST_F(MakeSheets, AnEarlierSheetTheUserMayWriteButNotReadIsReplacedWithItsKey) {
    ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0777), 0);
    ASSERT_TRUE(WriteBytes(file("unreadable.txt"), "earlier"));
    ASSERT_EQ(chmod(file("unreadable.txt").toLocal8Bit().constData(), 0202), 0);
    const MakeResult r = MakeAsAnotherUser(
        dir.path(), {"-o", file("unreadable.txt"), "--answer-key", file("key.txt")});
    if (r.exitCode == 99)
        GTEST_SKIP() << "cannot run as another user";
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(ReadBytes(file("unreadable.txt")).startsWith("Addition Practice Worksheet"));
    EXPECT_TRUE(ReadBytes(file("key.txt")).contains("Answer Key"));
}

TEST_F(MakeSheets, ThePictureHeadsTheWorksheetBelowTheHeadingInEveryFormat) {
    WritePicture(file("owl.jpg"), 96, 72, "jpeg");
    const QString common = "skills --seed 3 --picture owl.jpg -o ";
    ASSERT_EQ(make(common + "w.rtf --answer-key k.rtf").exitCode, 0);
    const auto pictures = ReadRtfPictures(bytes("w.rtf").toStdString());
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(QByteArray::fromStdString(pictures[0].bytes), bytes("owl.jpg"));
    EXPECT_EQ(pictures[0].paragraph, 1u);
    EXPECT_TRUE(ReadRtfPictures(bytes("k.rtf").toStdString()).empty());

    // Only our words on the terminal: the library's note on the profile is not for the user.
    WriteBytes(file("profiled.png"), ProfiledPng());
    const MakeResult profiled = make("skills --picture profiled.png -o p.pdf");
    EXPECT_EQ(profiled.exitCode, 0);
    EXPECT_EQ(profiled.err, "");
}

// A file name is bytes, and any byte but '/' may be in it: a name that is not UTF-8, in each
// option that takes a file, leads to that file and no other (read as text it would lose its
// bytes to U+FFFD, and two such names would be one), and a refusal shows its bytes escaped.
TEST_F(MakeSheets, FileNamesThatAreNotUtf8AreKeptByteForByte) {
    namespace fs = std::filesystem;
    const fs::path at = dir.path().toStdString();
    const ProgramFolder program;
    fs::create_directory_symlink(program.path().toStdString(), at / "program\xff");
    WritePicture(file("owl.jpg"), 8, 8, "jpeg");
    fs::rename(at / "owl.jpg", at / "owl\xff.jpg");
    WriteBytes(file("class.txt"), "Amira\nTom\n");
    fs::rename(at / "class.txt", at / "class\xff.txt");
    WriteBytes(file(QStringLiteral("notes\uFFFD.rtf")), "the teacher's notes");
    const MakeResult r = makeInShell(
        R"sh(exec "$0" make riddle --folder "$(printf 'program\377')" --picture "$(printf )sh"
        R"sh('owl\377.jpg')" --names "$(printf 'class\377.txt')" -o "$(printf 'notes\377.rtf')" )sh"
        R"sh(--answer-key "$(printf 'notes\376.txt')")sh");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto read = [&](const char* name) {
        std::ifstream in(at / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_NE(read("notes\xff.rtf").find("Name: Tom "), std::string::npos);
    EXPECT_NE(read("notes\xfe.txt").find("Version 2 of 2"), std::string::npos);
    EXPECT_EQ(ReadBytes(file(QStringLiteral("notes\uFFFD.rtf"))), "the teacher's notes");

    const MakeResult refused =
        makeInShell(R"sh(exec "$0" make skills -o "$(printf 'gone\377/x.txt')")sh");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(R"(gone\xFF/x.txt)") && refused.err.contains(R"(\xNN)"))
        << refused.err.toStdString();
}

// The code printed last on a sheet makes it and its key again byte for byte in every format
// (with the heading given again), a class set's version alone; --no-code leaves it off.
TEST_F(MakeSheets, TheCodeOnASheetMakesItAndItsKeyAgain) {
    const struct {
        QString choices, sheet, key, heading;
    } runs[] = {
        {"skills --skills add,div --heading Fractions", "pdf", "rtf", " --heading Fractions"},
        {"crossword --skills add,mul", "pdf", "txt", ""},
        {"matching --large-print", "html", "txt", ""},
    };
    for (const auto& run : runs) {
        ASSERT_EQ(make(run.choices + " --seed 77 -o c.txt").exitCode, 0);
        const QString code = QString::fromUtf8(bytes("c.txt")).section(' ', -1);
        const QString files = " -o a." + run.sheet + " --answer-key k." + run.key;
        ASSERT_EQ(make(run.choices + " --seed 77" + files).exitCode, 0);
        const MakeResult again = make("--code " + code + run.heading + " -o b." + run.sheet +
                                      " --answer-key j." + run.key);
        ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
        EXPECT_EQ(bytes("b." + run.sheet), bytes("a." + run.sheet)) << run.choices.toStdString();
        EXPECT_EQ(bytes("j." + run.key), bytes("k." + run.key)) << run.choices.toStdString();
    }
    ASSERT_EQ(make("words --copies 3 -o set.txt --answer-key keys.txt").exitCode, 0);
    const QList<QByteArray> sheets = bytes("set.txt").split('\f'),
                            keys = bytes("keys.txt").split('\f');
    const QString second = QString::fromUtf8(sheets[1]).trimmed().section(' ', -1);
    ASSERT_EQ(make("--code " + second + " -o v.txt --answer-key vk.txt").exitCode, 0);
    EXPECT_EQ(bytes("v.txt") + "\n", sheets[1]);
    EXPECT_EQ(bytes("vk.txt") + "\n", keys[1]);
    ASSERT_EQ(make("skills --no-code -o n.txt").exitCode, 0);
    EXPECT_FALSE(bytes("n.txt").contains("Sheet code"));
}
