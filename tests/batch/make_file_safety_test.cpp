// The make command checks everything before it writes anything, and what it says is safe to
// print.
#include "file_bytes.h"
#include "run_make.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace abacore;

namespace {

MakeResult Make(const QStringList& args) {
    return RunMake(QStringList{"skills"} + args);
}
using MakeFileSafety = MakeTest;

} // namespace

TEST_F(MakeFileSafety, ARefusedCommandLeavesEveryExistingFileAsItWas) {
    ASSERT_TRUE(WriteBytes(file("sheet.pdf"), "the teacher's sheet"));
    ASSERT_TRUE(WriteBytes(file("sheet.txt"), "the teacher's text"));
    ASSERT_TRUE(QFile::link(file("sheet.txt"), file("alias.txt")));
    const QStringList refused[] = {
        {"-o", file("sheet.pdf"), "--answer-key", file("key.doc")},
        {"-o", file("sheet.pdf"), "--answer-key", file("missing/key.txt")},
        // The same file under another spelling, and through a link.
        {"-o", file("sheet.txt"), "--answer-key", dir.path() + "/./sheet.txt"},
        {"-o", file("sheet.txt"), "--answer-key", file("alias.txt")},
        {"-o", file("sheet.pdf"), "--count", "5", "--count", "6"},
    };
    for (const QStringList& args : refused) {
        const MakeResult r = Make(args);
        EXPECT_NE(r.exitCode, 0) << args.join(' ').toStdString();
        EXPECT_EQ(ReadBytes(file("sheet.pdf")), "the teacher's sheet");
        EXPECT_EQ(ReadBytes(file("sheet.txt")), "the teacher's text");
    }
    EXPECT_TRUE(Make({"-o", file("sheet.txt"), "--answer-key", file("alias.txt")})
                    .err.contains("same file"));
    EXPECT_TRUE(
        Make({"-o", file("x.txt"), "--count", "5", "--count", "6"}).err.contains("--count"));
    EXPECT_TRUE(Make({"-o", file("x.txt"), "-o", file("y.txt")}).err.contains("--output"));
    EXPECT_TRUE(Make({"-o", file("sheet.pdf"), "--answer-key", file("missing/key.txt")})
                    .err.contains("does not exist"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
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
