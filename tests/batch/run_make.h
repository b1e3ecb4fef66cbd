#pragma once
// Runs the real executable as a user or a script would: `make` into a temporary folder, or an
// option such as --help whose output is read.

#include "file_bytes.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace abacore {

struct MakeResult {
    int exitCode = -1;
    QString out, err;
};

inline MakeResult
RunProgram(const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ABACORE_EXECUTABLE), args);
    EXPECT_TRUE(p.waitForFinished(60000)) << "did not finish"; // a hang, not a speed limit
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

inline MakeResult
RunMake(const QStringList& args,
        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    return RunProgram(QStringList{"make"} + args, env);
}

// What --help (or --man) prints.
inline QString HelpText(const QString& option = QStringLiteral("--help")) {
    const MakeResult r = RunProgram({option});
    EXPECT_EQ(r.exitCode, 0) << option.toStdString();
    return r.out;
}

// A test with a temporary folder for make's files.
class MakeTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file(const QString& name) const { return dir.filePath(name); }
    QString text(const QString& name) const { return QString::fromUtf8(ReadBytes(file(name))); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

} // namespace abacore
