// Runs the real executable's `make` command, as a user or a script would.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

Result runMake(const QStringList& args,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ABACORE_EXECUTABLE), QStringList{"make"} + args);
    // A safety net against a hang, not a speed requirement.
    EXPECT_TRUE(p.waitForFinished(60000)) << "make did not finish";
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class MakeCommand : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file(const QString& name) const { return dir.filePath(name); }
};

} // namespace

TEST_F(MakeCommand, HelpListsEveryOption) {
    const Result r = runMake({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* option : {"--output", "--answer-key", "--skills", "--remainders",
                               "--negatives", "--style", "--first", "--second", "--heading",
                               "--count", "--seed", "--folder"})
        EXPECT_TRUE(r.out.contains(QLatin1String(option))) << option;
}

TEST_F(MakeCommand, DefaultSheetIsTwentyAdditionsWithTheDefaultHeading) {
    const Result r = runMake({"skills", "-o", file("w.txt"), "--answer-key", file("k.txt"),
                              "--seed", "7"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString sheet = QString::fromUtf8(readFile(file("w.txt")));
    const QString key = QString::fromUtf8(readFile(file("k.txt")));
    EXPECT_TRUE(sheet.startsWith("Addition Practice Worksheet\n"));
    EXPECT_TRUE(sheet.contains("20) "));
    EXPECT_FALSE(sheet.contains("21) "));
    EXPECT_TRUE(key.startsWith("Addition Practice Worksheet\nAnswer Key\n\n"));
    EXPECT_EQ(key.count('\n'), 3 + 20);
}

TEST_F(MakeCommand, AFixedSeedGivesByteIdenticalFiles) {
    const QStringList options{"skills", "--skills", "add,sub,div", "--remainders", "--style",
                              "bracket,horizontal,vertical", "--seed", "42", "--count", "50"};
    ASSERT_EQ(runMake(options + QStringList{"-o", file("a.rtf"), "--answer-key", file("ak.rtf")})
                  .exitCode, 0);
    ASSERT_EQ(runMake(options + QStringList{"-o", file("b.rtf"), "--answer-key", file("bk.rtf")})
                  .exitCode, 0);
    EXPECT_TRUE(readFile(file("a.rtf")).startsWith("{\\rtf1"));
    EXPECT_EQ(readFile(file("a.rtf")), readFile(file("b.rtf")));
    EXPECT_EQ(readFile(file("ak.rtf")), readFile(file("bk.rtf")));
}

TEST_F(MakeCommand, RefusesWhatTheWizardRefusesWithItsMessages) {
    struct Case {
        QStringList args;
        QString message;
    };
    const std::vector<Case> cases{
        {{"--skills", "add,div", "--style", "bracket"},
         "Brackets are fine for division, but you have also chosen other skills. Please choose "
         "an additional style."},
        {{"--skills", "add", "--style", "bracket"}, "only for division"},
        {{"--first", "50..10"}, "The maximum value must be higher or equal to the minimum."},
        {{"--skills", "div", "--second", "0..10"}, "Invalid entry..."},
        {{"--first", "0..40000"}, "Invalid entry..."},
        {{"--skills", "fractions"}, "Unknown skill"},
        {{"--count", "abc"}, ""},
        {{"--remainders"}, "division"},
    };
    for (const Case& c : cases) {
        const Result r = runMake(QStringList{"skills", "-o", file("x.rtf")} + c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(file("x.rtf"))) << c.args.join(' ').toStdString();
    }
}

TEST_F(MakeCommand, RangesThatCannotMakeTheProblemsStopWithAMessageNamingTheSkill) {
    const Result sub = runMake({"skills", "--skills", "sub", "--first", "0..10", "--second",
                                "50..60", "-o", file("s.rtf")});
    EXPECT_EQ(sub.exitCode, 2);
    EXPECT_TRUE(sub.err.contains("Subtraction")) << sub.err.toStdString();
    EXPECT_FALSE(QFile::exists(file("s.rtf")));

    // Rare per draw (about one pair in three thousand divides evenly), but possible: made.
    const Result div = runMake({"skills", "--skills", "div", "--first", "0..32767", "--second",
                                "1..32767", "--seed", "3", "-o", file("d.txt")});
    EXPECT_EQ(div.exitCode, 0) << div.err.toStdString();
}

TEST_F(MakeCommand, AFailedWriteExitsOneAndLeavesNoPartialFile) {
    const Result missing = runMake({"skills", "-o", file("no/such/folder/w.rtf")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.isEmpty());

    // A folder in the way of the file: the rename fails after the bytes were written.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.rtf"));
    const Result taken = runMake({"skills", "-o", file("taken.rtf")});
    EXPECT_EQ(taken.exitCode, 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0)
        << "a temporary file was left behind";
}

TEST_F(MakeCommand, PdfNeedsNoDisplay) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    const Result r =
        runMake({"skills", "--seed", "1", "-o", file("w.pdf"), "--answer-key", file("k.pdf")}, env);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(readFile(file("w.pdf")).startsWith("%PDF"));
    EXPECT_TRUE(readFile(file("k.pdf")).startsWith("%PDF"));
}

TEST_F(MakeCommand, UnknownExtensionAndMissingOutputAreUserErrors) {
    EXPECT_EQ(runMake({"skills", "-o", file("w.doc")}).exitCode, 2);
    EXPECT_EQ(runMake({"skills"}).exitCode, 2);
    EXPECT_EQ(runMake({"skills", "--bogus", "-o", file("w.rtf")}).exitCode, 2);
}
