#pragma once
// Byte-exact file helpers for the window, bridge and batch tests.

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace abacore {

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Whether a PDF that Qt printed carries `title`, the print job's name, in its information.
inline bool HasPdfTitle(const QByteArray& pdf, const QString& title) {
    QByteArray expected = "/Title (\xFE\xFF";
    for (const QChar c : title)
        for (const char b : {char(c.unicode() >> 8), char(c.unicode() & 0xFF)}) {
            if (b == '(' || b == ')' || b == '\\')
                expected += '\\';
            expected += b;
        }
    return pdf.contains(expected + ')');
}

// A PDF's text laid out as printed, pages separated by form feeds; empty without pdftotext.
inline QString PdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {"-layout", "-enc", "UTF-8", path, "-"});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace abacore
