#include "ui/chosen_file.h"

#include "core/failure.h"

#include <QFile>

namespace abacore {

namespace fs = std::filesystem;

fs::path ChosenFilePath(const QString& chosen) {
    const QByteArray encoded = QFile::encodeName(chosen);
    if (!chosen.contains(QChar::ReplacementCharacter))
        return encoded.toStdString();
    fs::path found;
    for (const fs::path& part : fs::path(encoded.toStdString())) {
        const QString shown = QFile::decodeName(QByteArray::fromStdString(part.string()));
        fs::path match = part; // a new name, typed as it stands
        if (shown.contains(QChar::ReplacementCharacter)) {
            int matches = 0;
            std::error_code unreadable;
            for (fs::directory_iterator it(found.empty() ? fs::path(".") : found, unreadable), end;
                 !unreadable && it != end; it.increment(unreadable)) {
                const std::string name = it->path().filename().string();
                if (QFile::decodeName(QByteArray::fromStdString(name)) == shown) {
                    match = name;
                    ++matches;
                }
            }
            if (matches > 1)
                throw Failure("Cannot tell which file \"" + encoded.toStdString() +
                              "\" is: more than one name in its folder reads the same. Rename "
                              "them so that they differ in letters.");
        }
        found /= match;
    }
    return found;
}

} // namespace abacore
