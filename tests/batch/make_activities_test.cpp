// `make` for the activities beyond the skills sheet, through the real executable: each
// activity's own options and limits, the files they read, and the cards' PDF.
#include "file_bytes.h"
#include "program_folder_fixture.h"
#include "run_make.h"
#include "worksheet/data_file.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace abacore;

namespace {

class MakeActivities : public MakeTest {
protected:
    // Makes the sheet as text and returns it; an empty text when make refused.
    QString sheet(const QString& activity, const QStringList& options = {}) {
        QFile::remove(file("s.txt"));
        const MakeResult r = RunMake(QStringList{activity, "-o", file("s.txt")} + options);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return text("s.txt");
    }
    // The message of a refused command, which must have written nothing.
    QString refusal(const QString& activity, const QStringList& options,
                    const QString& output = QStringLiteral("x.rtf")) {
        const QStringList before = files();
        const MakeResult r = RunMake(QStringList{activity, "-o", file(output)} + options);
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

TEST_F(MakeActivities, OptionsOfAnotherActivityAndCountsBeyondTheLimitsAreRefused) {
    EXPECT_TRUE(refusal("cards", {"--answer-key", file("k.rtf")}).contains("no answer key"));
    EXPECT_TRUE(refusal("words", {"--first-square-filled"})
                    .contains("--first-square-filled does not apply to make words"));
    EXPECT_TRUE(refusal("squares", {"--riddle", "Q", "--punchline", "A"})
                    .contains("--riddle does not apply to make squares"));
    EXPECT_TRUE(refusal("matching", {"--style", "vertical"}).contains("--style does not apply"));
    EXPECT_TRUE(refusal("riddle", {"--count", "5"}).contains("takes no --count"));
    // An activity that never asks about remainders or negative answers says so, whatever the
    // skills; the others take the option with the skill it concerns.
    const std::tuple<const char*, const char*, const char*, const char*> never[] = {
        {"matching", "div", "--remainders", "divide evenly"},
        {"crossword", "sub", "--negatives", "never negative"},
        {"riddle", "add", "--negatives", "only when subtraction is among the skills"},
    };
    for (const auto& [activity, skills, option, reason] : never) {
        const QString message = refusal(activity, {"--skills", skills, option}, "x.txt");
        EXPECT_TRUE(message.contains(reason))
            << activity << " " << option << ": " << message.toStdString();
    }
    for (const char* activity : {"skills", "squares", "cards"})
        EXPECT_FALSE(
            sheet(activity, {"--skills", "div,sub", "--remainders", "--negatives"}).isEmpty())
            << activity;
    EXPECT_TRUE(refusal("riddle", {"--riddle", "Why?"}).contains("go together"));
    EXPECT_TRUE(refusal("riddle", {"--punchline", "A tie!"}).contains("go together"));
    // A word no page can hold would take minutes to print; no riddle comes near the limit.
    const QString tooLong(kLongestTextLine + 1, 'x');
    EXPECT_TRUE(
        refusal("riddle", {"--riddle", tooLong, "--punchline", "A"}).contains("(--riddle)"));
    EXPECT_TRUE(
        refusal("riddle", {"--riddle", "Q", "--punchline", tooLong}).contains("(--punchline)"));

    EXPECT_TRUE(refusal("squares", {"--count", "16"})
                    .contains("There is a limit of 15 Math Squares for this activity."));
    EXPECT_EQ(RunMake({"squares", "--count", "15", "-o", file("s.txt")}).exitCode, 0);
    // Large print where the layout can grow, in every format; where it cannot, the reason.
    EXPECT_TRUE(refusal("cards", {"--large-print"}).contains("as large as the page allows"));
    const MakeResult crossword = RunMake({"crossword", "--large-print", "-o", file("p.pdf")});
    EXPECT_EQ(crossword.exitCode, 2);
    EXPECT_TRUE(crossword.err.contains("fixed size")) << crossword.err.toStdString();
    EXPECT_FALSE(QFile::exists(file("p.pdf")));
    ASSERT_EQ(RunMake({"matching", "--large-print", "-o", file("l.rtf")}).exitCode, 0);
    EXPECT_TRUE(text("l.rtf").contains("\\fs33\\")) << "problems in 16.5-point type";

    // The cards are cut apart: any number of them, under no heading (they have no screen for it).
    const QString cards = sheet("cards", {"--count", "150", "--seed", "2"});
    EXPECT_TRUE(cards.startsWith(QLatin1Char('\n'))) << cards.left(40).toStdString();
    EXPECT_EQ(Count(cards, "\\S\n\n\n\n"), 150);
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

    const QString typed =
        sheet("riddle", {"--riddle", "What did the tie say?", "--punchline", "A tie!"});
    EXPECT_TRUE(typed.contains("Riddle: What did the tie say?\n"));
    EXPECT_EQ(Count(typed, "\\d\\)  Letter: [AETI]"), 4);

    // A riddle file that cannot be read is the message.
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
    // The squares ignore the second range, which no subtraction could use.
    EXPECT_FALSE(
        sheet("squares", {"--skills", "sub", "--first", "0..50", "--second", "90..99"}).isEmpty());
}

// The stories come from the program folder: a missing file is named, nothing written.
TEST_F(MakeActivities, WordProblemsNameTheTemplateFileTheyLack) {
    const ProgramFolder folder;
    ASSERT_TRUE(QFile::remove(folder.file("subtract.dat")));
    EXPECT_FALSE(sheet("words", {"--folder", folder.path()}).isEmpty()); // addition needs none
    EXPECT_TRUE(refusal("words", {"--folder", folder.path(), "--skills", "add,sub"})
                    .contains("subtract.dat"));
}

// The PDF path substitutes the fonts the window does: the squares come out in a fixed-pitch
// font that has the box line.
TEST_F(MakeActivities, PdfsSetTheSquaresInAFixedPitchFontWithTheBoxLine) {
    const MakeResult r = RunMake({"squares", "--count", "2", "--seed", "3", "-o", file("p.pdf")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, ""); // no font warnings of the platform's on the terminal
    const QString pdf = QString::fromLatin1(ReadBytes(file("p.pdf")));
    EXPECT_TRUE(
        pdf.contains(QRegularExpression(QStringLiteral("/BaseFont */[A-Z+]*[A-Za-z-]*Mono"))));
    EXPECT_TRUE(PdfText(file("p.pdf")).contains(QString::fromUtf8("\u2502")));
}

namespace {

struct PdfLine {
    QStringList words;
    double firstRight = 0; // right edge of the first word, in points
    double lastRight = 0;
};

// The lines of each page, top to bottom, as pdftotext -bbox places their words.
std::vector<std::vector<PdfLine>> PdfLines(const QString& path) {
    QProcess p;
    p.start(QStandardPaths::findExecutable("pdftotext"), {"-bbox", path, "-"});
    p.waitForFinished(60000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression item(
        QStringLiteral("<page |<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" "
                       "xMax=\"([-0-9.]+)\" yMax=\"[-0-9.]+\">([^<]*)</word>"));
    struct Word {
        double left, top, right;
        QString text;
    };
    std::vector<std::vector<Word>> words;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page"))
            words.emplace_back();
        else
            words.back().push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                                    m.captured(3).toDouble(), m.captured(4)});
    }
    std::vector<std::vector<PdfLine>> pages;
    for (auto& page : words) {
        // The words of a line have their tops within a few points, whatever their fonts (some
        // readers' boxes reach into the next line); the next line of a card starts 25 or more
        // points lower.
        std::sort(page.begin(), page.end(),
                  [](const Word& a, const Word& b) { return a.top < b.top; });
        std::vector<std::vector<Word>> lines;
        for (const Word& w : page) {
            if (lines.empty() || w.top > lines.back().front().top + 10)
                lines.emplace_back();
            lines.back().push_back(w);
        }
        pages.emplace_back();
        for (auto& line : lines) {
            std::sort(line.begin(), line.end(),
                      [](const Word& a, const Word& b) { return a.left < b.left; });
            PdfLine printed{{}, line.front().right, line.back().right};
            for (const Word& w : line)
                printed.words << w.text;
            pages.back().push_back(printed);
        }
    }
    return pages;
}

} // namespace

// A word processor lays the cards out as our PDF does: the same pages, each answer on its
// problem's line, the stacked numbers right-aligned, and long numbers at a size that fits the
// line. Skipped where LibreOffice or pdftotext is not installed.
TEST_F(MakeActivities, CardsKeepTheirLinesAndPagesInOurPdfAndInAWordProcessor) {
    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty() || QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    const QString longest = "--first 0..32767 --second 1..32767 --remainders";
    const QString cases[] = {
        "--style horizontal",
        "--style vertical",
        "--style vertical,horizontal --skills mul,div " + longest,
        "--style bracket --skills div " + longest,
        "--style bracket,horizontal,vertical --skills sub,div --negatives " + longest,
    };
    int row = 0;
    for (const QString& options : cases) {
        SCOPED_TRACE(options.toStdString());
        const QString name = "c" + QString::number(++row);
        const QStringList args = QStringList{"cards", "--count", "40", "--seed", "1"} +
                                 options.split(' ') + QStringList{"-o"};
        for (const QString format : {".txt", ".rtf", ".pdf"})
            ASSERT_EQ(RunMake(args + QStringList{file(name + format)}).exitCode, 0);
        QProcess convert;
        convert.start(office,
                      {"-env:UserInstallation=file://" + file("profile"), "--headless",
                       "--convert-to", "pdf", "--outdir", file("office"), file(name + ".rtf")});
        ASSERT_TRUE(convert.waitForFinished(180000));

        // Every line of the sheet is one printed line: nothing wraps.
        QStringList expected;
        for (const QString& line : QString::fromUtf8(ReadBytes(file(name + ".txt"))).split('\n'))
            if (!line.trimmed().isEmpty())
                expected << line.simplified().remove(' ');
        const auto ours = PdfLines(file(name + ".pdf"));
        const auto theirs = PdfLines(file("office/" + name + ".pdf"));
        EXPECT_EQ(ours.size(), theirs.size());
        for (const auto* pages : {&ours, &theirs}) {
            QStringList printed;
            for (const auto& page : *pages)
                for (const PdfLine& line : page) {
                    printed << line.words.join("");
                    // A stacked card's sign line ends under its first number.
                    static const QRegularExpression sign(QString::fromUtf8("^[-+x\u00F7]$"));
                    const auto at = &line - page.data();
                    if (at > 0 && sign.match(line.words.first()).hasMatch()) {
                        EXPECT_NEAR(line.lastRight, page[at - 1].firstRight, 1.0)
                            << line.words.join(' ').toStdString();
                    }
                }
            EXPECT_EQ(printed.join('\n').toStdString(), expected.join('\n').toStdString());
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
