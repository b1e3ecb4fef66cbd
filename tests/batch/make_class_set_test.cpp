// Class sets through the real executable: every activity's versions on their own pages, each
// labelled, all different, each key answering its own version; a class list's names; and the
// requests that are refused before anything is written.
#include "file_bytes.h"
#include "run_make.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace abacore;

namespace {

QString Label(int k) {
    return QStringLiteral("Version %1 of 3").arg(k);
}

// "n) a + b =" problems of a text, by number, with their sums.
std::map<int, int> Sums(const QString& text) {
    std::map<int, int> sums;
    static const QRegularExpression problem(QStringLiteral(R"((\d+)\) (\d+) \+ (\d+) =)"));
    for (auto it = problem.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        sums[m.captured(1).toInt()] = m.captured(2).toInt() + m.captured(3).toInt();
    }
    return sums;
}

using MakeClassSet = MakeTest;

} // namespace

TEST_F(MakeClassSet, EveryActivityMakesThreeLabelledVersionsWithTheirKeys) {
    struct Row {
        const char* activity;
        QStringList options;
        bool key;
    };
    const Row rows[] = {
        {"skills", {"--count", "6"}, true},    {"riddle", {}, true},
        {"squares", {"--count", "3"}, true},   {"words", {"--count", "4"}, true},
        {"cards", {"--count", "4"}, false},    {"matching", {"--count", "5"}, true},
        {"crossword", {"--count", "8"}, true},
    };
    for (const Row& row : rows) {
        for (const QString format : {"txt", "rtf", "pdf"}) {
            SCOPED_TRACE(std::string(row.activity) + " " + format.toStdString());
            if (format == "rtf" && QString(row.activity) == "crossword")
                continue; // a crossword has no rich text
            QStringList args = QStringList{row.activity, "--copies",         "3", "--seed", "5",
                                           "-o",         file("s." + format)} +
                               row.options;
            if (row.key)
                args << "--answer-key" << file("k." + format);
            const MakeResult r = RunMake(args);
            ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
            QStringList names{"s." + format};
            if (row.key)
                names << "k." + format;
            for (const QString& name : names) {
                SCOPED_TRACE(name.toStdString());
                const QByteArray bytes = ReadBytes(file(name));
                // Each version once, in order, each from a new page.
                QStringList pages;
                if (format == "txt") {
                    pages = text(name).split(QLatin1Char('\f'));
                    ASSERT_EQ(pages.size(), 3);
                } else if (format == "rtf") {
                    EXPECT_EQ(bytes.count("\\page\n\\pard"), 2);
                    pages = {text(name)};
                } else {
                    const QString all = PdfText(file(name));
                    if (all.isEmpty())
                        continue; // no pdftotext here
                    for (int k = 1; k <= 3; ++k)
                        for (const QString& page : all.split(QLatin1Char('\f')))
                            if (page.contains(Label(k)))
                                pages << page;
                    ASSERT_EQ(pages.size(), 3) << all.toStdString();
                }
                const QString all = pages.join(QString());
                for (int k = 1; k <= 3; ++k) {
                    EXPECT_EQ(all.count(Label(k)), 1) << k;
                    if (pages.size() == 3) {
                        EXPECT_TRUE(pages[k - 1].contains(Label(k))) << k;
                        QString drawn = pages[k - 1];
                        drawn.remove(Label(k));
                        for (int j = 1; j < k; ++j)
                            EXPECT_NE(drawn, QString(pages[j - 1]).remove(Label(j))) << j << k;
                    }
                }
            }
        }
        // Each key answers its own version: the sums of the sheet's problems are in its key
        // (the skills key's "n)   sum" lines; the crossword's grid rows, for the across clues).
        const QString activity = row.activity;
        if (activity != "skills" && activity != "crossword")
            continue;
        const QStringList sheets = text("s.txt").split(QLatin1Char('\f'));
        const QStringList keys = text("k.txt").split(QLatin1Char('\f'));
        for (int k = 0; k < 3; ++k) {
            const std::map<int, int> sums =
                Sums(activity == "skills" ? sheets[k] : sheets[k].section("Down", 0, 0));
            ASSERT_FALSE(sums.empty()) << row.activity;
            for (const auto& [number, sum] : sums) {
                const QString answer = activity == "skills"
                                           ? QStringLiteral("%1)   %2\n").arg(number).arg(sum)
                                           : QString::number(sum);
                EXPECT_TRUE((keys[k] + "\n").contains(answer))
                    << row.activity << k << " " << number;
            }
        }
    }
}

// A class list's names, accented and not Latin at all, go on the Name line and the key, in order;
// a missing list, and every other refused class set, writes nothing.
TEST_F(MakeClassSet, NamesFromAClassListAndRefusals) {
    const QByteArray names = "Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m\r\n\r\n\xE6\x9D\x8E\xE5\xB0\x8F"
                             "\xE9\xBE\x8D\n\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0\n";
    ASSERT_TRUE(WriteBytes(file("class.txt"), names));
    const MakeResult r = RunMake({"words", "--names", file("class.txt"), "--count", "3", "-o",
                                  file("s.txt"), "--answer-key", file("k.txt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList pupils =
        QString::fromUtf8(names).split(QRegularExpression("\\s*\n\\s*"), Qt::SkipEmptyParts);
    const QStringList sheets = text("s.txt").split(QLatin1Char('\f'));
    const QStringList keys = text("k.txt").split(QLatin1Char('\f'));
    ASSERT_EQ(sheets.size(), 3);
    ASSERT_EQ(keys.size(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(sheets[k].contains("Name: " + pupils[k] + " ")) << k;
        EXPECT_TRUE(sheets[k].contains(Label(k + 1))) << k;
        EXPECT_TRUE(keys[k].contains(pupils[k] + QStringLiteral(" \u2013 ") + Label(k + 1))) << k;
    }

    const std::pair<QStringList, const char*> refused[] = {
        {{"skills", "--names", file("missing.txt")}, "missing.txt"},
        {{"skills", "--copies", "101"}, "from 1 to 100"},
        {{"skills", "--copies", "2", "--names", file("class.txt")}, "do not go together"},
        {{"crossword", "--copies", "2"}, ".pdf or .txt"},
    };
    QFile::remove(file("s.txt"));
    QFile::remove(file("k.txt"));
    const QStringList before = files();
    for (const auto& [args, message] : refused) {
        const QStringList output{"-o", file(args.contains("crossword") ? "x.ipuz" : "x.txt")};
        const MakeResult refusal = RunMake(args + output);
        EXPECT_EQ(refusal.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(refusal.err.contains(message)) << refusal.err.toStdString();
        EXPECT_EQ(files(), before) << args.join(' ').toStdString();
    }
}
