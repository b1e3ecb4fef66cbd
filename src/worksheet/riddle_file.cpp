#include "worksheet/riddle_file.h"

#include "core/atomic_file.h"
#include "worksheet/data_file.h"

namespace abacore {

namespace {

std::vector<Riddle> RiddlesOf(std::vector<std::string> lines) {
    std::vector<Riddle> riddles;
    riddles.reserve(lines.size() / 2);
    for (size_t i = 0; i + 1 < lines.size(); i += 2)
        riddles.push_back({std::move(lines[i]), std::move(lines[i + 1])});
    return riddles;
}

} // namespace

std::vector<Riddle> ParseRiddles(std::string_view bytes) {
    return RiddlesOf(DataFileLines(DataFileText(bytes)));
}

RiddleFile ReadRiddleFile(const DataFolders& folders) {
    const std::filesystem::path path = DataFilePath(folders, kRiddleFileName);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return {RiddleFileStatus::Missing, {}};
    if (!std::filesystem::is_regular_file(path, ec))
        return {RiddleFileStatus::Unreadable, {}};
    try {
        std::vector<std::string> lines = DataFileLines(DataFileText(ReadWholeFile(path)));
        if (const auto line = FirstTooLongLine(lines))
            return {RiddleFileStatus::LineTooLong, {}, *line};
        return {RiddleFileStatus::Read, RiddlesOf(std::move(lines))};
    } catch (const ReadError&) {
        return {RiddleFileStatus::Unreadable, {}};
    }
}

std::optional<std::string> RiddleFileNotice(const RiddleFile& file) {
    const std::string name(kRiddleFileName);
    const std::string ownRiddle = " You can still type a riddle and its punch line of your own.";
    switch (file.status) {
    case RiddleFileStatus::Missing:
        return "The riddle file \"" + name +
               "\" is missing from the program folder, so there are no riddles to choose from." +
               ownRiddle;
    case RiddleFileStatus::Unreadable:
        return "The riddle file \"" + name + "\" could not be read." + ownRiddle;
    case RiddleFileStatus::LineTooLong:
        return TooLongLineText("riddle file", name, file.tooLongLine) +
               " Shorten it to choose from the file's riddles." + ownRiddle;
    case RiddleFileStatus::Read:
        if (file.riddles.empty())
            return "The riddle file \"" + name + "\" holds no riddles." + ownRiddle;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace abacore
