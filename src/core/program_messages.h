#pragma once
// Every text the program shows outside the wizard and the worksheets: captions of its message boxes
// and their messages, in one place so the windows and the tests use the very same words.

#include <string>
#include <string_view>

namespace abacore {

namespace ProgramText {

inline constexpr const char* kErrorTitle = "Error!";
inline constexpr const char* kMissingFiles =
    "Some required files cannot be found by the program. This could have been caused if the "
    "program's directory has been changed or if some files have been deleted. Please re-install "
    "the program to correct these errors.";

inline constexpr const char* kThankYouTitle = "Thank you!";
inline constexpr const char* kThankYou =
    "Thank you for installing Abacore: Drill! Be sure to check out the <QuickWord> feature which "
    "will open your worksheets and puzzles directly in Microsoft Word! Click the <QuickWord> "
    "button on the main menu to set it up if you are interested.";

inline constexpr const char* kCrosswordHelpTitle = "Crossword Help.";
inline constexpr const char* kCrosswordHelp =
    "Crossword Help: Your Crosswords will turn out much better if your choose a higher range of "
    "numbers (for example, 1 to 1000). Also, creation time varies depending on the number of "
    "problems you request and the speed of your computer. Expect a delay of about a second per "
    "problem.";

inline constexpr const char* kFindProgramTitle = "Find the program";
inline constexpr const char* kFindProgram = "Enter the path of your word processor program.";
inline constexpr const char* kFindWordTitle = "Find Word processor";

inline constexpr const char* kEnableQuickWordTitle = "Enable QuickWord option?";
inline std::string EnableQuickWordQuestion(std::string_view programPath) {
    std::string text = "Do you want to set ";
    text.append(programPath).append(" as your default word processor for Abacore?");
    return text;
}

inline constexpr const char* kSuccessTitle = "Success!";
inline constexpr const char* kSuccess =
    "Change Successful. You must now restart Abacore:Drill for the change to take effect.";
inline constexpr const char* kRestartTitle = "Restart";
inline constexpr const char* kRestart =
    "You must now restart Abacore:Drill for the change to take effect.";

// Our own: the worksheets folder could not be made, and the settings could not be saved.
inline constexpr const char* kOopsTitle = "Oops!";
inline std::string WorksheetsFolderProblem(std::string_view folder, std::string_view reason) {
    std::string text = "The worksheets folder ";
    text.append(folder).append(" could not be created (").append(reason);
    text.append("). Worksheets cannot be saved until it exists.");
    return text;
}
inline std::string SettingsNotSaved(std::string_view reason) {
    std::string text = "The QuickWord setting could not be saved. ";
    text.append(reason).append(" The settings file was not changed.");
    return text;
}

// Our own: a sheet or a class set took more memory than the computer has.
inline constexpr const char kOutOfMemory[] =
    "The computer ran out of memory. Ask for fewer problems or versions, or close other programs "
    "and try again.";

// Our own, in the About box: how a teacher uses riddles and word problems of their own. An
// installed copy's files are read-only, so its users edit a copy in their own folder, which is
// read first.
inline std::string OwnDataFilesNote(std::string_view programFolder, std::string_view shipped) {
    const std::string files = "Riddles.dat or the word problems files (add.dat, subtract.dat, "
                              "multiply.dat, divide.dat)";
    std::string text = "Riddles and word problems of your own: ";
    if (shipped.empty())
        return text.append("edit ")
            .append(files)
            .append(" in the program folder \"")
            .append(programFolder)
            .append("\".");
    return text.append("copy ")
        .append(files)
        .append(" from \"")
        .append(shipped)
        .append("\" into \"")
        .append(programFolder)
        .append("\" and edit the copy; your copy is used instead.");
}

// Our own: the per-user program folder of an installed copy could not be set up.
inline std::string UserFolderProblem(std::string_view reason) {
    std::string text = "Your Abacore folder could not be set up. ";
    return text.append(reason);
}

} // namespace ProgramText

} // namespace abacore
