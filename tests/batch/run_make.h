#pragma once
// Runs the real executable's `make` command, as a user or a script would.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <gtest/gtest.h>

namespace abacore {

struct MakeResult {
    int exitCode = -1;
    QString err;
};

inline MakeResult
RunMake(const QStringList& args,
        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ABACORE_EXECUTABLE), QStringList{"make"} + args);
    EXPECT_TRUE(p.waitForFinished(60000)) << "make did not finish"; // a hang, not a speed limit
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace abacore
