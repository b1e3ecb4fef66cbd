#include "document/file_words.h"

namespace abacore {

std::string AnswerKeyTitle(std::string_view heading) {
    return std::string(heading) + " (Answer Key)";
}

std::string QuotedList(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? " and " : ", ";
        text += "\"" + names[i] + "\"";
    }
    return text;
}

} // namespace abacore
