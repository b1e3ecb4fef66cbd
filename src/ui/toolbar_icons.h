#pragma once
// The toolbar pictures of the main menu and the worksheet window, drawn here so the program
// needs no icon theme or image files and looks the same on every desktop.

#include <QIcon>

namespace abacore {

enum class ToolbarPicture {
    Print,
    Clipart,
    Save,
    QuickWord,
    Answers,
    Quit,
    QuickWordSetting,
    Info,
    SheetCode
};

QIcon ToolbarIcon(ToolbarPicture picture);

} // namespace abacore
