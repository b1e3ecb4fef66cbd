// Runs the real executable's `make` command, as a user or a script would.
#include "file_bytes.h"
#include "run_make.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace abacore;
using MakeCommand = MakeTest;

TEST_F(MakeCommand, DefaultsAreTwentyAdditionsAndAFixedSeedRepeatsEveryByte) {
    ASSERT_EQ(RunMake({"skills", "-o", file("w.txt"), "--answer-key", file("k.txt")}).exitCode, 0);
    const QString sheet = QString::fromUtf8(ReadBytes(file("w.txt")));
    EXPECT_TRUE(sheet.contains("20) ") && !sheet.contains("21) ")); // heading: make activities

    const QStringList options = QString("skills --skills add,sub,div --remainders --style "
                                        "bracket,horizontal,vertical --seed 42 --count 50")
                                    .split(' ');
    for (const QString name : {"a", "b"}) {
        const QStringList out{"-o", file(name + ".rtf"), "--answer-key", file(name + "k.rtf")};
        ASSERT_EQ(RunMake(options + out).exitCode, 0);
    }
    EXPECT_TRUE(ReadBytes(file("a.rtf")).startsWith("{\\rtf1"));
    EXPECT_EQ(ReadBytes(file("a.rtf")), ReadBytes(file("b.rtf")));
    EXPECT_EQ(ReadBytes(file("ak.rtf")), ReadBytes(file("bk.rtf")));
}

TEST_F(MakeCommand, RefusesWhatTheWizardRefusesWritingNothingButMakesRareExactDivisions) {
    const std::pair<const char*, const char*> cases[] = {
        {"--skills add,div --style bracket",
         "Brackets are fine for division, but you have also chosen other skills. Please choose "
         "an additional style."},
        {"--first 50..10", "The maximum value must be higher or equal to the minimum."},
        {"--skills fractions", "Unknown skill"},
        {"--count abc", "whole number"},
        {"--remainders", "division"},
        {"--skills sub --first 0..10 --second 50..60", "Subtraction"},
        {"--bogus", "bogus"},
    };
    for (const auto& [args, message] : cases) {
        const MakeResult r =
            RunMake(QStringList{"skills", "-o", file("x.rtf")} + QString(args).split(' '));
        EXPECT_EQ(r.exitCode, 2) << args;
        EXPECT_TRUE(r.err.contains(message)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(file("x.rtf"))) << args;
    }
    EXPECT_EQ(RunMake({"skills", "-o", file("w.doc")}).exitCode, 2);
    EXPECT_EQ(RunMake({"skills"}).exitCode, 2);
    const MakeResult r = RunMake({"skills", "--skills", "div", "--first", "0..32767", "--second",
                                  "1..32767", "--seed", "3", "-o", file("d.txt")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
}

TEST_F(MakeCommand, EveryOptionTheHelpNamesIsUnderstoodAndAnUnknownActivityIsRefused) {
    const QString text = HelpText();
    const QRegularExpression option(QStringLiteral("^  (?:-\\w, )?--([a-z-]+)( \\S+)?"),
                                    QRegularExpression::MultilineOption);
    int seen = 0;
    for (auto it = option.globalMatch(text); it.hasNext(); ++seen) {
        const auto m = it.next();
        if (m.captured(1) == "folder" || m.captured(1) == "help")
            continue;
        QStringList args{"skills", "--" + m.captured(1)};
        if (!m.captured(2).isEmpty())
            args << "x";
        const MakeResult r = RunMake(args);
        EXPECT_FALSE(r.err.contains("Unknown option")) << r.err.toStdString();
    }
    EXPECT_GE(seen, 12);
    const MakeResult unknown = RunMake({"shapes", "-o", file("x.txt")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("shapes")) << unknown.err.toStdString();
}

// PDFs need no display, and the platform's own notes stay out of the command's output. A PDF is
// titled with its sheet's heading, whatever the file is called.
TEST_F(MakeCommand, APdfWithASeedRepeatsEveryByteUnderAnyNameInAnyTimeZoneWithoutADisplay) {
    // Each run salts Qt's hash tables afresh and reads the clock in its own zone.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_HASH_SEED");
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
        env.remove(name);
    env.insert("QT_QPA_PLATFORM", "xcb");
    std::vector<QByteArray> sheets, keys;
    for (const char* zone : {"UTC", "Asia/Kolkata", "America/New_York", "UTC"}) {
        env.insert("TZ", zone);
        const QString name = QString::number(sheets.size());
        const MakeResult r = RunMake({"skills", "--skills", "add,div", "--seed", "9", "-o",
                                      file(name + ".pdf"), "--answer-key", file(name + "k.pdf")},
                                     env);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, "");
        sheets.push_back(ReadBytes(file(name + ".pdf")));
        keys.push_back(ReadBytes(file(name + "k.pdf")));
    }
    EXPECT_TRUE(sheets[0].startsWith("%PDF") && keys[0].startsWith("%PDF"));
    for (size_t i = 1; i < sheets.size(); ++i) {
        EXPECT_EQ(sheets[0], sheets[i]) << i;
        EXPECT_EQ(keys[0], keys[i]) << i;
    }
    const QString info = QStandardPaths::findExecutable("pdfinfo");
    if (info.isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed";
    for (const auto& [name, title] :
         {std::pair{"0.pdf", "Math Skills Practice Worksheet"},
          std::pair{"0k.pdf", "Math Skills Practice Worksheet (Answer Key)"}}) {
        QProcess p;
        p.start(info, {file(name)});
        p.waitForFinished(30000);
        EXPECT_TRUE(
            QString::fromUtf8(p.readAllStandardOutput())
                .contains(QRegularExpression("^Title: +" + QRegularExpression::escape(title) + "$",
                                             QRegularExpression::MultilineOption)))
            << name;
    }
}
