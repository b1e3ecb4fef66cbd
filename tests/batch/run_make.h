#pragma once
// Runs the real executable as a user or a script would: `make` in a temporary folder, so that
// file names are relative to it, or an option such as --help whose output is read.

#include "file_bytes.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace abacore {

struct MakeResult {
    int exitCode = -1;
    QString out, err;
};

// `program` is the executable unless given (the shell, for arguments that are not text).
inline MakeResult
RunProgram(const QStringList& args, const QString& folder = QDir::currentPath(),
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
           const QString& program = QStringLiteral(ABACORE_EXECUTABLE)) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << "did not finish"; // a hang, not a speed limit
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// What --help (or --man) prints.
inline QString HelpText(const QString& option = QStringLiteral("--help")) {
    const MakeResult r = RunProgram({option});
    EXPECT_EQ(r.exitCode, 0) << option.toStdString();
    return r.out;
}

// A test with a temporary folder that make runs in.
class MakeTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    // `args` are split at spaces; `last`, when given, is one more argument as it stands (an
    // empty one too).
    MakeResult make(const QString& args, const std::optional<QString>& last = {}) {
        QStringList list = QStringList{"make"} + args.split(' ');
        if (last)
            list << *last;
        return RunProgram(list, dir.path());
    }
    // `script` run by the shell in the folder, "$0" the executable: a QStringList carries only
    // text, and a file name may hold any byte (printf '\377' makes one).
    MakeResult makeInShell(const QString& script) {
        return RunProgram({"-c", script, QStringLiteral(ABACORE_EXECUTABLE)}, dir.path(),
                          QProcessEnvironment::systemEnvironment(), QStringLiteral("/bin/sh"));
    }
    QString file(const QString& name) const { return dir.filePath(name); }
    QByteArray bytes(const QString& name) const { return ReadBytes(file(name)); }
    QString text(const QString& name) const { return QString::fromUtf8(bytes(name)); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

} // namespace abacore
