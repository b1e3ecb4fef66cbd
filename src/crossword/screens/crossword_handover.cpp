#include "crossword/screens/crossword_handover.h"

#include "crossword/crossword_problems.h"
#include "crossword/grid_builder.h"
#include "crossword/screens/cross_print.h"
#include "ui/app_context.h"
#include "ui/dialogs.h"
#include "worksheet/generation_error.h"

#include <QApplication>
#include <optional>
#include <string>

namespace abacore {

namespace {

// The build runs to its end inside the click that asked for it; the pointer says so meanwhile.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

QWidget* MakeCrosswordScreen(AppContext& context, QWidget* current) {
    WorksheetRequest& request = context.request;
    bool problemsMade = false;
    std::optional<CrosswordPage> page;
    std::string failure;
    {
        const BusyPointer busy;
        try {
            const DrawLimits limits = MakeCrosswordProblems(request, context.random);
            problemsMade = true;
            page = MakeCrosswordPage(BuildGrid(request, context.random, limits), request);
        } catch (const GenerationError& e) {
            failure = e.what();
        }
    }
    if (page)
        return new CrossPrint(context, std::move(*page));
    if (!problemsMade) {
        context.dialogs.message(current, QStringLiteral("Hey!"), QString::fromStdString(failure));
        return context.navigator.windowFor(Screen::ChooseMinMax, current);
    }
    context.dialogs.message(current, QString::fromUtf8(CrosswordText::kFailedTitle),
                            QString::fromStdString(failure));
    return context.navigator.windowFor(Screen::MainMenu, current);
}

} // namespace abacore
