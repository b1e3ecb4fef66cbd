#pragma once
// A temporary program folder for a test: the shipped data files copied in, and made the
// current folder for the test's lifetime.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace abacore {

class ProgramFolder {
public:
    explicit ProgramFolder(bool withData = true) : m_previous(QDir::currentPath()) {
        EXPECT_TRUE(m_dir.isValid());
        if (withData) {
            const QDir data(QStringLiteral(ABACORE_SOURCE_DIR "/data"));
            for (const QString& name : data.entryList(QDir::Files))
                QFile::copy(data.filePath(name), m_dir.filePath(name));
        }
        QDir::setCurrent(m_dir.path());
    }
    ~ProgramFolder() { QDir::setCurrent(m_previous); }

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

} // namespace abacore
