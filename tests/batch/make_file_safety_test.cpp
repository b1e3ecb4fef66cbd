// The make command checks everything before it writes anything, writes the sheet and its key
// together or not at all, and what it says is safe to print.
#include "file_bytes.h"
#include "file_size_limit.h"
#include "run_make.h"

#include <QDir>
#include <QFile>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace abacore;

namespace {

MakeResult Make(const QStringList& args) {
    return RunMake(QStringList{"skills"} + args);
}

// make run as nobody when the test runs as root (who may read and write anything), else as the
// test's own user; exit code 99 when the user could not be changed.
MakeResult MakeAsAnotherUser(const QStringList& args) {
    QProcess p;
    p.setChildProcessModifier([] {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
             setresuid(kNobody, kNobody, kNobody) != 0))
            _exit(99);
    });
    p.start(QStringLiteral(ABACORE_EXECUTABLE), QStringList{"make", "skills"} + args);
    EXPECT_TRUE(p.waitForFinished(60000)) << "did not finish"; // a hang, not a speed limit
    return {p.exitCode(), {}, QString::fromUtf8(p.readAllStandardError())};
}

using MakeFileSafety = MakeTest;

} // namespace

TEST_F(MakeFileSafety, ARefusedCommandLeavesEveryExistingFileAsItWasAndSaysWhy) {
    ASSERT_TRUE(WriteBytes(file("sheet.pdf"), "the teacher's sheet"));
    ASSERT_TRUE(WriteBytes(file("sheet.txt"), "the teacher's text"));
    ASSERT_TRUE(QFile::link(file("sheet.txt"), file("alias.txt")));
    const struct {
        QStringList args;
        int exitCode;
        QString said;
    } rows[] = {
        {{"-o", file("sheet.pdf"), "--answer-key", file("key.doc")}, 2, "key.doc"},
        {{"-o", file("sheet.html"), "--answer-key", file("key.html")}, 2, "answer key"},
        {{"-o", file("sheet.pdf"), "--answer-key", file("missing/key.txt")}, 1, "does not exist"},
        // The same file under another spelling, and through a link.
        {{"-o", file("sheet.txt"), "--answer-key", dir.path() + "/./sheet.txt"}, 2, "same file"},
        {{"-o", file("sheet.txt"), "--answer-key", file("alias.txt")}, 2, "same file"},
        {{"-o", file("sheet.pdf"), "--count", "5", "--count", "6"}, 2, "--count"},
        {{"-o", file("x.txt"), "-o", file("y.txt")}, 2, "--output"},
    };
    for (const auto& row : rows) {
        const MakeResult r = Make(row.args);
        EXPECT_EQ(r.exitCode, row.exitCode) << row.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(row.said)) << r.err.toStdString();
        EXPECT_EQ(ReadBytes(file("sheet.pdf")), "the teacher's sheet");
        EXPECT_EQ(ReadBytes(file("sheet.txt")), "the teacher's text");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
}

TEST_F(MakeFileSafety, AnEarlierSheetTheUserMayWriteButNotReadIsReplacedWithItsKey) {
    ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0777), 0);
    ASSERT_TRUE(WriteBytes(file("unreadable.txt"), "earlier"));
    ASSERT_EQ(chmod(file("unreadable.txt").toLocal8Bit().constData(), 0202), 0);
    const MakeResult r =
        MakeAsAnotherUser({"-o", file("unreadable.txt"), "--answer-key", file("key.txt")});
    if (r.exitCode == 99)
        GTEST_SKIP() << "cannot run as another user";
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(ReadBytes(file("unreadable.txt")).startsWith("Addition Practice Worksheet"));
    EXPECT_TRUE(ReadBytes(file("key.txt")).contains("Answer Key"));
}

TEST_F(MakeFileSafety, AKeyPastTheFileSizeLimitLeavesTheSheetAsItWas) {
    const QByteArray large(1 << 20, 'e'); // larger than the limit: it could not be put back
    ASSERT_TRUE(WriteBytes(file("large.txt"), large));
    ASSERT_TRUE(QFile::link("made.txt", file("dangling.txt")));
    for (const QString sheet : {"large.txt", "dangling.txt"}) {
        MakeResult r;
        {
            // The one-problem sheet fits under the limit, the key's PDF does not.
            const FileSizeLimit limit(4096);
            r = Make({"--count", "1", "-o", file(sheet), "--answer-key", file("key.pdf")});
        }
        EXPECT_EQ(r.exitCode, 1) << sheet.toStdString();
        EXPECT_TRUE(r.err.contains(file("key.pdf") + ": the file would be larger"))
            << r.err.toStdString();
    }
    EXPECT_TRUE(ReadBytes(file("large.txt")) == large);
    EXPECT_EQ(QFile::symLinkTarget(file("dangling.txt")), file("made.txt"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{"dangling.txt", "large.txt"}));
}

TEST_F(MakeFileSafety, UserTextIsEchoedWithItsControlCharactersEscaped) {
    const MakeResult r = Make({"-o", file("x.txt"), "--skills", "add\x1b[31m,sub"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(r.err.contains(QChar(0x1b))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("\\x1B[31m")) << r.err.toStdString();
}

TEST_F(MakeFileSafety, HeadingsUpToTheLimitAreMadeLongerOnesRefused) {
    const QString longest(200, QChar(u'é'));
    EXPECT_EQ(Make({"-o", file("a.txt"), "--heading", longest}).exitCode, 0);
    const MakeResult r = Make({"-o", file("b.txt"), "--heading", longest + "x"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("200 characters")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(file("b.txt")));
}
