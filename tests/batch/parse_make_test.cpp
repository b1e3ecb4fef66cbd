// make's arguments read in the process: each refusal with its reason and exit code, and what an
// accepted command puts in the job. What only the running program shows (the terminal, files
// left as they were, the steps after the parse) is in make_refusals_test.cpp.
#include "batch/make_parse.h"
#include "program_folder_fixture.h"
#include "run_make.h"
#include "test_pictures.h"
#include "worksheet/class_list.h"
#include "worksheet/data_file.h"

#include <sys/stat.h>

using namespace abacore;

namespace {

// make parsed in a temporary folder made the current one, as a command given there.
class ParseMake : public MakeTest {
protected:
    const ProgramFolder folder;
    const QString before = QDir::currentPath();
    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(dir.path())); }
    void TearDown() override { QDir::setCurrent(before); }
    std::variant<MakeJob, MakeRefusal> parse(const QString& args,
                                             const std::optional<QString>& last = {}) {
        std::vector<std::string> list{"make"};
        for (const QString& arg : args.split(' '))
            list.push_back(arg.toStdString());
        if (last)
            list.push_back(last->toStdString());
        return abacore::ParseMake(list, {folder.path().toStdString(), {}, {}}, Paper::Letter);
    }
};

} // namespace

TEST_F(ParseMake, RefusalsSayWhyWithTheirExitCode) {
    ASSERT_TRUE(WriteBytes(file("class.txt"), "Amira\nTom\n"));
    ASSERT_EQ(mkfifo(QFile::encodeName(file("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(WriteBytes(file("long.txt"), QByteArray(kLongestClassListBytes + 1, '\n')));
    ASSERT_FALSE(WritePicture(file("teal.bmp"), 60, 40, "bmp").isNull());
    const QString tooLong(kLongestTextLine + 1, 'x');
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
        {"skills -o sheet.pdf --count 5 --count 6", 2, "--count is given more than once"},
        {"skills -o x.txt -o y.txt", 2, "--output"},
        {"skills -o x.txt --answer-key", 2, "Name the answer key file", ""},
        {"skills -o x.txt --seed 18446744073709551616", 2, "0 to 18446744073709551615."},
        {"skills -o x.txt --heading", 2, "200 characters", QString(201, QChar(u'é'))},
        // The wizard's rules.
        {"skills -o x.rtf --remainders", 2, "only when division is among the skills"},
        {"squares -o x.txt --no-repeats", 2, "its problems keep their own rules"},
        {"skills -o x.txt --skills mul --regrouping never", 2, "addition or subtraction is"},
        {"skills -o x.txt --regrouping sometimes", 2, "any, never or always"},
        {"skills -o x.txt --facts 2,5", 2, "multiplication or division is"},
        {"skills -o x.txt --skills mul --facts 0,13", 2, "from 1 to 12, for example"},
        {"skills -o x.txt --answers 9..3", 2, "above its highest. (--answers)"},
        {"cards -o x.txt --style missing", 2, "for the skills sheet only"},
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
        // A class list is read only from an ordinary file, and never past its limits.
        {"skills -o x.txt --names .", 2, "It is a folder."},
        {"skills -o x.txt --names pipe", 2, "It is not an ordinary file."},
        {"skills -o x.txt --names long.txt", 2, "too long for a class list"},
        {"skills -o x.txt --picture teal.bmp", 2, "\"x.txt\" is a .txt file"},
        {"crossword -o r.ipuz --picture teal.bmp", 2, "is an .ipuz file"},
        {"crossword -o r.txt --answer-key rk.pdf --picture teal.bmp", 2, "is a .txt file"},
    };
    for (const auto& row : rows) {
        const auto parsed = parse(row.args, row.last);
        const auto* refusal = std::get_if<MakeRefusal>(&parsed);
        ASSERT_NE(refusal, nullptr) << row.args.toStdString();
        EXPECT_EQ(refusal->exitCode, row.exitCode) << row.args.toStdString();
        EXPECT_TRUE(QString::fromStdString(refusal->message).contains(row.said))
            << row.args.toStdString() << " said: " << refusal->message;
    }
    EXPECT_EQ(files(), (QStringList{"class.txt", "long.txt", "teal.bmp"}));
}

TEST_F(ParseMake, AnAcceptedCommandFillsTheJob) {
    ASSERT_TRUE(WriteBytes(file("class.txt"), "Amira\nTom\n"));
    const auto job = [this](const QString& args) {
        auto parsed = parse(args);
        if (const auto* refusal = std::get_if<MakeRefusal>(&parsed))
            ADD_FAILURE() << args.toStdString() << " refused: " << refusal->message;
        return std::get<MakeJob>(std::move(parsed));
    };
    const MakeJob plain = job("skills -o s.rtf");
    EXPECT_EQ(plain.request.Heading, "Addition Practice Worksheet");
    EXPECT_EQ(plain.request.ProblemCount, 20);
    EXPECT_EQ(plain.request.ProgramFolder, folder.path().toStdString());
    EXPECT_EQ(plain.output, file("s.rtf").toStdString());
    EXPECT_EQ(plain.outputFormat, FileFormat::Rtf);
    EXPECT_FALSE(plain.keyFormat || plain.seed || plain.picture || plain.needsPdf());
    EXPECT_TRUE(plain.versions.size() == 1 && !plain.versions[0].inSet());

    const MakeJob puzzle = job("crossword -o p.ipuz --answer-key k.txt --seed 7 --skills sub "
                               "--first 1..100 --second 2..150 --count 15");
    EXPECT_EQ(puzzle.request.SkillMode, Skill::Subtraction);
    EXPECT_EQ(ValueOf(puzzle.request.SecondMin), 2);
    EXPECT_EQ(puzzle.request.SecondMax, 150);
    EXPECT_EQ(puzzle.request.ProblemCount, 15);
    EXPECT_EQ(puzzle.seed, 7u);
    EXPECT_EQ(puzzle.answerKey, file("k.txt").toStdString());
    EXPECT_EQ(std::pair(puzzle.outputFormat, puzzle.keyFormat),
              std::pair(FileFormat::Ipuz, std::optional(FileFormat::Text)));

    const MakeJob named = job("words --names class.txt -o s.pdf --answer-key k.rtf --picture "
                              "teal.bmp --heading Sums");
    EXPECT_EQ(named.request.Heading, "Sums");
    EXPECT_EQ(named.picture, file("teal.bmp").toStdString()); // read when the job runs
    EXPECT_TRUE(named.needsPdf());
    ASSERT_EQ(named.versions.size(), 2u);
    EXPECT_EQ(named.versions[1].pupil, "Tom");

    EXPECT_TRUE(job("--help").help);
    EXPECT_EQ(files(), QStringList{"class.txt"});
}
