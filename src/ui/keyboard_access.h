#pragma once
// What makes every window usable from the keyboard and by a screen reader, set up once for the
// whole program: a focus ring that is always on view and plain to see (a dark band with a light
// edge, so it stands out on the panels and on the background picture alike), the role
// "window" for the screens that are plain widgets, so readers announce them with their titles,
// and lists named by what they set rather than by their current entry. Return presses a focused
// tool button as Space does.

class QApplication;

namespace abacore {

void SetUpKeyboardAccess(QApplication& app);

} // namespace abacore
