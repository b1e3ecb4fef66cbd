#include "crossword/crossword_messages.h"

namespace abacore {

std::string CrosswordPrintedMessage(std::string_view folder,
                                    const std::vector<std::string>& fileNames) {
    if (fileNames.empty())
        return CrosswordText::kSentToPrinter;
    std::string text = "The puzzle has been printed to ";
    for (size_t i = 0; i < fileNames.size(); ++i) {
        if (i > 0)
            text += i + 1 == fileNames.size() ? " and " : ", ";
        text += "\"" + fileNames[i] + "\"";
    }
    return text + " in the folder \"" + std::string(folder) + "\".";
}

std::string CrosswordExportedMessage(std::string_view path) {
    return "The puzzle has been saved as \"" + std::string(path) + "\".";
}

} // namespace abacore
