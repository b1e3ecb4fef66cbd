#pragma once
// The Paper menu: A4 or Letter, one of them ticked. A choice is remembered in the program folder
// (the teacher's own) for every later sheet and every later start, and takes effect at once.

#include <functional>

class QMenu;
class QWidget;

namespace abacore {

struct AppContext;

// Adds the menu to `parent`, a menu of `window`; `changed` is called after the request's paper
// changed.
QMenu* AddPaperMenu(QMenu* parent, QWidget* window, AppContext& context,
                    std::function<void()> changed);

} // namespace abacore
