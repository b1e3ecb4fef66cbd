// Class sets through the real executable: every activity's versions on their own pages, each
// labelled, all different, each key answering its own version; and a class list's names.
#include "run_make.h"

#include <QRegularExpression>

using namespace abacore;

namespace {

using MakeClassSet = MakeTest;

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

} // namespace

// Every activity as plain text, the skills also as rich text and PDF.
TEST_F(MakeClassSet, EveryActivityMakesThreeLabelledVersionsWithTheirKeys) {
    const QString skills = "skills --count 6";
    std::vector<std::pair<QString, QString>> runs{{skills, "rtf"}, {skills, "pdf"}};
    for (const QString& activity :
         QStringList{skills, "riddle", "squares --count 3", "words --count 4", "cards --count 4",
                     "matching --count 5", "crossword --count 8"})
        runs.emplace_back(activity, "txt");
    for (const auto& [activity, format] : runs) {
        SCOPED_TRACE((activity + " " + format).toStdString());
        QStringList names{"s." + format};
        if (!activity.startsWith("cards"))
            names << "k." + format;
        const QString keyOption = names.size() > 1 ? " --answer-key " + names.back() : QString();
        const MakeResult r = make(activity + " --copies 3 --seed 5 -o " + names[0] + keyOption);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        for (const QString& name : names) {
            // Each version once, in order, each from a new page, no two alike.
            const QString all = format == "pdf" ? PdfText(file(name)) : text(name);
            if (format == "rtf") {
                EXPECT_EQ(bytes(name).count("\\page\n\\pard"), 2) << name.toStdString();
            }
            const QStringList pages = all.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
            for (int k = 1; k <= 3 && !all.isEmpty(); ++k) { // empty: no pdftotext here
                EXPECT_EQ(all.count(Label(k)), 1) << name.toStdString() << " " << k;
                if (format == "rtf")
                    continue;
                ASSERT_EQ(pages.size(), 3) << name.toStdString();
                EXPECT_TRUE(pages[k - 1].contains(Label(k))) << k;
                for (int j = 1; j < k; ++j)
                    EXPECT_NE(QString(pages[k - 1]).remove(Label(k)),
                              QString(pages[j - 1]).remove(Label(j)))
                        << j << k;
            }
        }
        // Each key answers its own version: the sums of the sheet's problems are in its key
        // (the skills key's "n)   sum" lines; the crossword's grid rows, for the across clues).
        const bool crossword = activity.startsWith("crossword");
        if (format != "txt" || (activity != skills && !crossword))
            continue;
        const QStringList sheets = text("s.txt").split(QLatin1Char('\f'));
        const QStringList keys = text("k.txt").split(QLatin1Char('\f'));
        for (int k = 0; k < 3; ++k) {
            const auto sums = Sums(crossword ? sheets[k].section("Down", 0, 0) : sheets[k]);
            ASSERT_FALSE(sums.empty());
            for (const auto& [number, sum] : sums)
                EXPECT_TRUE((keys[k] + "\n")
                                .contains(crossword
                                              ? QString::number(sum)
                                              : QStringLiteral("%1)   %2\n").arg(number).arg(sum)))
                    << activity.toStdString() << " version " << k << " problem " << number;
        }
    }
}

// A class list's names, accented and not Latin at all, go on the Name line and the key, in order.
TEST_F(MakeClassSet, NamesFromAClassList) {
    const QByteArray names = "Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m\r\n\r\n\xE6\x9D\x8E\xE5\xB0\x8F"
                             "\xE9\xBE\x8D\n\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0\n";
    ASSERT_TRUE(WriteBytes(file("class.txt"), names));
    const MakeResult r = make("words --names class.txt --count 3 -o s.txt --answer-key k.txt");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList pupils =
        QString::fromUtf8(names).split(QRegularExpression("\\s*\n\\s*"), Qt::SkipEmptyParts);
    const QStringList sheets = text("s.txt").split(QLatin1Char('\f'));
    const QStringList keys = text("k.txt").split(QLatin1Char('\f'));
    ASSERT_EQ(sheets.size(), 3);
    ASSERT_EQ(keys.size(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(sheets[k].contains("Name: " + pupils[k] + " ")) << k;
        EXPECT_TRUE(
            keys[k].contains(pupils[k] + QStringLiteral(" \u2013 Version %1 of 3").arg(k + 1)))
            << k;
    }
}
