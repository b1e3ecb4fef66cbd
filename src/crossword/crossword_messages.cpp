#include "crossword/crossword_messages.h"

#include "document/file_words.h"

namespace abacore {

std::string CrosswordPrintedMessage(std::string_view folder,
                                    const std::vector<std::string>& fileNames) {
    if (fileNames.empty())
        return CrosswordText::kSentToPrinter;
    return "The puzzle has been printed to " + QuotedList(fileNames) + " in the folder \"" +
           std::string(folder) + "\".";
}

std::string CrosswordExportedMessage(std::string_view path) {
    return "The puzzle has been saved as \"" + std::string(path) + "\".";
}

} // namespace abacore
