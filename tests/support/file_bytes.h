#pragma once
// Byte-exact file helpers for the window, bridge and batch tests.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>

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

// Every word of a PDF with its box on its page, to a hundredth of a point (how a line's glyphs
// are moved to may differ in the last digits); empty without pdftotext.
inline QString PdfWords(const QByteArray& pdf) {
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    QTemporaryFile file;
    if (tool.isEmpty() || !file.open() || file.write(pdf) != pdf.size() || !file.flush())
        return {};
    QProcess process;
    process.start(tool, {"-bbox", "-enc", "UTF-8", file.fileName(), "-"});
    process.waitForFinished(30000);
    QString words;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (!line.contains("<word") && !line.contains("<page"))
            continue;
        QString rounded = line;
        static const QRegularExpression number("\"(-?\\d+\\.\\d+)\"");
        for (auto match = number.globalMatch(line); match.hasNext();) {
            const QString value = match.next().captured(1);
            rounded.replace('"' + value + '"',
                            '"' + QString::number(value.toDouble(), 'f', 2) + '"');
        }
        words += rounded + '\n';
    }
    return words;
}

} // namespace abacore
