#pragma once
// A temporary program folder for a test, with the shipped data files copied in. The current
// folder stays where it is: the program must find its files through the folder it is given.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace abacore {

class ProgramFolder {
public:
    explicit ProgramFolder(bool withData = true) {
        EXPECT_TRUE(m_dir.isValid());
        if (withData) {
            const QDir data(QStringLiteral(ABACORE_SOURCE_DIR "/data"));
            for (const QString& name : data.entryList(QDir::Files))
                QFile::copy(data.filePath(name), m_dir.filePath(name));
        }
    }

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace abacore
