// `make` for the activities beyond the skills sheet, through the real executable: each sheet in
// every format, each activity's own options and limits, and the files they read.
#include "file_bytes.h"
#include "program_folder_fixture.h"
#include "run_make.h"
#include "worksheet/data_file.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace abacore;

namespace {

class MakeActivities : public MakeTest {
protected:
    QString text(const QString& name) const { return QString::fromUtf8(ReadBytes(file(name))); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    // Makes the sheet as text and returns it; an empty text when make refused.
    QString sheet(const QString& activity, const QStringList& options = {}) {
        QFile::remove(file("s.txt"));
        const MakeResult r = RunMake(QStringList{activity, "-o", file("s.txt")} + options);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return text("s.txt");
    }
    // The message of a refused command, which must have written nothing.
    QString refusal(const QString& activity, const QStringList& options) {
        const QStringList before = files();
        const MakeResult r = RunMake(QStringList{activity, "-o", file("x.rtf")} + options);
        EXPECT_EQ(r.exitCode, 2) << activity.toStdString() << " "
                                 << options.join(' ').toStdString();
        EXPECT_EQ(files(), before);
        return r.err;
    }
};

int Count(const QString& text, const QString& pattern) {
    return static_cast<int>(
        text.count(QRegularExpression(pattern, QRegularExpression::MultilineOption)));
}

} // namespace

// Each sheet in the three formats, with its default heading and its answer key; the cards have
// no key, and asking for one is refused.
TEST_F(MakeActivities, EachActivityMakesTextRtfAndPdfWithItsKey) {
    const std::pair<const char*, const char*> activities[] = {
        {"skills", "Addition Practice Worksheet"},
        {"riddle", "Addition Solve-The-Riddle Worksheet"},
        {"squares", "Addition Math Squares"},
        {"words", "Addition Word Problems Worksheet"},
        {"matching", "Addition Value-Matching Worksheet"},
        {"cards", ""},
    };
    for (const auto& [activity, heading] : activities) {
        SCOPED_TRACE(activity);
        const bool key = *heading != '\0';
        for (const QString format : {"txt", "rtf", "pdf"}) {
            QStringList args{activity, "--seed", "4", "-o", file("w." + format)};
            if (key)
                args << "--answer-key" << file("k." + format);
            const MakeResult r = RunMake(args);
            ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
            EXPECT_EQ(r.err, "");
            const QByteArray sheet = ReadBytes(file("w." + format));
            const QByteArray answers = ReadBytes(file("k." + format));
            const QByteArray start = format == "txt"   ? QByteArray(heading) + "\n"
                                     : format == "rtf" ? QByteArray("{\\rtf1")
                                                       : QByteArray("%PDF");
            EXPECT_TRUE(sheet.startsWith(start)) << sheet.left(60).toStdString();
            EXPECT_EQ(answers.startsWith(start), key);
            if (format == "txt" && key) {
                EXPECT_TRUE(answers.startsWith(QByteArray(heading) + "\nAnswer Key\n\n"));
            }
            QFile::remove(file("k." + format));
        }
    }
    EXPECT_TRUE(refusal("cards", {"--answer-key", file("k.rtf")}).contains("no answer key"));
}

TEST_F(MakeActivities, OptionsOfAnotherActivityAndCountsBeyondTheLimitsAreRefused) {
    EXPECT_TRUE(refusal("words", {"--first-square-filled"})
                    .contains("--first-square-filled does not apply to make words"));
    EXPECT_TRUE(refusal("squares", {"--riddle", "Q", "--punchline", "A"})
                    .contains("--riddle does not apply to make squares"));
    EXPECT_TRUE(refusal("matching", {"--style", "vertical"}).contains("--style does not apply"));
    EXPECT_TRUE(refusal("riddle", {"--count", "5"}).contains("takes no --count"));
    EXPECT_TRUE(refusal("riddle", {"--riddle", "Why?"}).contains("go together"));
    EXPECT_TRUE(refusal("riddle", {"--punchline", "A tie!"}).contains("go together"));
    // A word no page can hold would take minutes to print; no riddle comes near the limit.
    const QString tooLong(kLongestTextLine + 1, 'x');
    EXPECT_TRUE(
        refusal("riddle", {"--riddle", tooLong, "--punchline", "A"}).contains("(--riddle)"));
    EXPECT_TRUE(
        refusal("riddle", {"--riddle", "Q", "--punchline", tooLong}).contains("(--punchline)"));

    const std::tuple<const char*, int, const char*> limits[] = {
        {"squares", 15, "There is a limit of 15 Math Squares for this activity."},
        {"words", 20, "There is a limit of 20 Word Problems for this activity."},
        {"matching", 25, "There is a limit of 25 problems for this activity."},
    };
    for (const auto& [activity, limit, message] : limits) {
        EXPECT_TRUE(refusal(activity, {"--count", QString::number(limit + 1)}).contains(message))
            << activity;
        EXPECT_EQ(
            RunMake({activity, "--count", QString::number(limit), "-o", file("s.txt")}).exitCode, 0)
            << activity;
    }
    // The cards are cut apart: any number of them.
    const QString cards = sheet("cards", {"--count", "150", "--seed", "2"});
    EXPECT_EQ(Count(cards, "\\S\n\n\n\n"), 150);
}

// The same checks as the screens, on the ranges each activity uses.
TEST_F(MakeActivities, RangesEachActivityCannotUseAreRefusedWithWhatToChange) {
    EXPECT_TRUE(refusal("squares", {"--skills", "div", "--first", "1..30000"})
                    .contains("Lower the first number's largest value"));
    EXPECT_TRUE(refusal("matching", {"--second", "5..6"}).contains("strictly between"));
    EXPECT_TRUE(
        refusal("riddle", {"--first", "0..1", "--second", "0..1"}).contains("different letters"));
    // The squares ignore the second range, which no subtraction could use.
    EXPECT_FALSE(
        sheet("squares", {"--skills", "sub", "--first", "0..50", "--second", "90..99"}).isEmpty());
}

TEST_F(MakeActivities, TheRiddleIsTheFilesFirstOrTheOneTyped) {
    const ProgramFolder folder;
    const QStringList lines =
        QString::fromUtf8(ReadBytes(folder.file("Riddles.dat"))).split("\r\n");
    ASSERT_GE(lines.size(), 2);
    const QString first =
        sheet("riddle", {"--folder", folder.path(), "--answer-key", file("k.txt")});
    EXPECT_TRUE(first.contains("Riddle: " + lines[0] + "\n"));
    QSet<QChar> letters;
    for (const QChar c : lines[1].toLower())
        if (c >= 'a' && c <= 'z')
            letters.insert(c);
    EXPECT_EQ(Count(text("k.txt"), "^ \\d+\\)  [A-Z]=  "), letters.size());

    const QString typed = sheet("riddle", {"--riddle", "What did the tie say?", "--punchline",
                                           "A tie!", "--answer-key", file("k.txt")});
    EXPECT_TRUE(typed.contains("Riddle: What did the tie say?\n"));
    EXPECT_EQ(Count(typed, "\\d\\)  Letter: [AETI]"), 4);
    EXPECT_EQ(Count(text("k.txt"), "^ \\d+\\)  [AETI]=  "), 4);

    // A line too long to print, named, is the message; so is a missing file.
    WriteBytes(folder.file("Riddles.dat"), "Q\r\nA\r\n" + QByteArray(kLongestTextLine + 1, 'x'));
    EXPECT_TRUE(refusal("riddle", {"--folder", folder.path()})
                    .contains("Line 3 of the riddle file \"Riddles.dat\" is longer than"));

    ASSERT_TRUE(QFile::remove(folder.file("Riddles.dat")));
    const QString missing = refusal("riddle", {"--folder", folder.path()});
    EXPECT_TRUE(missing.contains("\"Riddles.dat\" is missing") && missing.contains("--punchline"))
        << missing.toStdString();
    EXPECT_TRUE(sheet("riddle", {"--folder", folder.path(), "--riddle", "Q", "--punchline", "Yes"})
                    .contains("3)  Letter: "));
}

TEST_F(MakeActivities, SquaresFillTheirFirstCellOnlyWhenAsked) {
    const QString plain = sheet("squares", {"--seed", "6"});
    const QString filled = sheet("squares", {"--seed", "6", "--first-square-filled"});
    const QString started = "The first square has been filled in to get you started.";
    EXPECT_FALSE(plain.contains(started));
    EXPECT_TRUE(filled.contains(started));
    // Six squares, two to a band: the top-left cell holds a number only when filled.
    const QString cell = QString::fromUtf8("\u2502 \\d[\\d ]{7}\u2502"); // nine wide
    EXPECT_EQ(Count(plain, cell), 0);
    EXPECT_EQ(Count(filled, cell), 6);
}

// The stories come from the program folder: a missing or short file is named, nothing written.
TEST_F(MakeActivities, WordProblemsNameTheTemplateFileTheyLack) {
    const ProgramFolder folder;
    ASSERT_TRUE(QFile::remove(folder.file("subtract.dat")));
    EXPECT_FALSE(sheet("words", {"--folder", folder.path()}).isEmpty()); // addition needs none
    EXPECT_TRUE(refusal("words", {"--folder", folder.path(), "--skills", "add,sub"})
                    .contains("subtract.dat"));
    ASSERT_TRUE(WriteBytes(folder.file("divide.dat"), "Share [1] by [2].\r\n"));
    EXPECT_TRUE(refusal("words", {"--folder", folder.path(), "--skills", "div", "--count", "3"})
                    .contains("divide.dat"));
}

// The PDF path substitutes the fonts the window does: the stacked cards and the squares come
// out in a fixed-pitch font that has the box line.
TEST_F(MakeActivities, PdfsSetTheCardsAndSquaresInFixedPitchFonts) {
    const QRegularExpression baseFont(QStringLiteral("/BaseFont */([A-Za-z+-]+)"));
    for (const QStringList& args :
         {QStringList{"cards", "--style", "vertical"}, QStringList{"squares", "--count", "2"}}) {
        ASSERT_EQ(RunMake(args + QStringList{"--seed", "3", "-o", file("p.pdf")}).exitCode, 0);
        const QString pdf = QString::fromLatin1(ReadBytes(file("p.pdf")));
        QStringList fonts;
        for (auto it = baseFont.globalMatch(pdf); it.hasNext();)
            fonts << it.next().captured(1);
        EXPECT_FALSE(fonts.filter("Mono").isEmpty()) << fonts.join(' ').toStdString();
        if (args[0] == "squares") {
            EXPECT_TRUE(PdfText(file("p.pdf")).contains(QString::fromUtf8("\u2502")));
        }
    }
}

// Past about 2,900 pages one laid-out document runs out of room: the cards beyond it were lost
// (or the whole file came out blank) while make said it had worked. Every page holds whole
// cards, two or three as they fit, and together they are all the cards asked for.
TEST_F(MakeActivities, ALongCardPdfHoldsEveryCard) {
    constexpr int kCards = 8094; // the fewest that came out blank
    const MakeResult r =
        RunMake({"cards", "--count", QString::number(kCards), "--seed", "1", "-o", file("c.pdf")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString text = PdfText(file("c.pdf"));
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QStringList pages = text.split('\f');
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
