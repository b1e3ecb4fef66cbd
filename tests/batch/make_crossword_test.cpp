// `make crossword`, run as a script would run it: the puzzle as text, .ipuz and PDF, the key as
// text and PDF, all from one seeded crossword, and the names it refuses before writing.
#include "file_bytes.h"
#include "run_make.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace abacore;

namespace {

MakeResult runMake(const QStringList& args) {
    return RunMake(QStringList{"crossword"} + args);
}

using MakeCrossword = MakeTest;

const QRegularExpression kEntryLine(QStringLiteral("^ (\\d+)\\) (\\d+) \\+ (\\d+) =$"));

} // namespace

// The clue list holds the count asked for; the ranges reach 1000 unless told otherwise.
TEST_F(MakeCrossword, TheListHoldsTheCountAskedForAndTheDefaultRangesReachAThousand) {
    ASSERT_EQ(runMake({"--seed", "11", "--count", "30", "-o", file("p.txt")}).exitCode, 0);

    const QStringList list = QString::fromUtf8(ReadBytes(file("p.txt"))).split('\n');
    EXPECT_EQ(list.front(), "Across:");
    EXPECT_TRUE(list.contains("Down:"));
    int entries = 0;
    int largest = 0;
    for (const QString& line : list)
        if (const auto m = kEntryLine.match(line); m.hasMatch()) {
            ++entries;
            largest = std::max({largest, m.captured(2).toInt(), m.captured(3).toInt()});
        }
    EXPECT_EQ(entries, 30);
    EXPECT_GT(largest, 100);
}

TEST_F(MakeCrossword, AFixedSeedRepeatsEveryByteOfEveryFormat) {
    // A PDF is titled with the puzzle's heading, not its file's name: other names, the same bytes.
    for (const QString folder : {"a", "b"}) {
        ASSERT_TRUE(QDir(dir.path()).mkdir(folder));
        const QString stem = folder + "/" + folder;
        const MakeResult r = runMake({"--seed", "5", "--skills", "add,mul", "--count", "25", "-o",
                                      file(stem + ".pdf"), "--answer-key", file(stem + "k.pdf")});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        ASSERT_EQ(runMake({"--seed", "5", "-o", file(stem + ".ipuz")}).exitCode, 0);
    }
    for (const char* name : {".pdf", "k.pdf", ".ipuz"})
        EXPECT_EQ(ReadBytes(file(QString("a/a") + name)), ReadBytes(file(QString("b/b") + name)))
            << name;
    EXPECT_TRUE(ReadBytes(file("a/a.pdf")).startsWith("%PDF"));
    ASSERT_EQ(runMake({"--seed", "6", "-o", file("c.ipuz")}).exitCode, 0);
    EXPECT_NE(ReadBytes(file("a/a.ipuz")), ReadBytes(file("c.ipuz")));
}

TEST_F(MakeCrossword, RefusesWhatItCannotWriteBeforeWritingAnything) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"-o", file("p.rtf")}, ".pdf, .ipuz, .txt or .html"},
        {{"-o", file("p.html"), "--copies", "2"}, "An .html file holds one puzzle"},
        {{"-o", file("p.pdf"), "--answer-key", file("k.ipuz")}, "answer key"},
        {{"-o", file("p.pdf"), "--answer-key", file("p.pdf")}, "same file"},
        {{"-o", file("p.txt"), "--count", "42"}, "limit of 41"},
        {{"-o", file("p.txt"), "--first", "0..50"}, "Invalid entry"},
        {{"-o", file("p.txt"), "--answer-key", file("no/such/k.txt")}, "k.txt"},
        // Products of nine and ten digits: the builder gives up.
        {{"-o", file("p.txt"), "--skills", "mul", "--first", "10000..32767", "--second",
          "10000..32767", "--count", "41"},
         "Failed. Unable to create this puzzle. Please try raising the minimum"},
    };
    for (const auto& [args, message] : cases) {
        const MakeResult r = runMake(args);
        EXPECT_EQ(r.exitCode, args.contains(file("no/such/k.txt")) ? 1 : 2)
            << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(message)) << r.err.toStdString();
        EXPECT_TRUE(files().isEmpty()) << files().join(' ').toStdString();
    }
    // A count of 0 makes an empty puzzle.
    ASSERT_EQ(
        runMake({"--count", "0", "-o", file("empty.txt"), "--answer-key", file("k.txt")}).exitCode,
        0);
    EXPECT_EQ(ReadBytes(file("empty.txt")), "Across:\n\nDown:\n\n");
    QByteArray emptyGrid;
    for (int y = 0; y < 19; ++y)
        emptyGrid += QByteArray(27, '.') + '\n';
    EXPECT_EQ(ReadBytes(file("k.txt")), emptyGrid);
}
