#include "crossword/screens/crossword_handover.h"

#include "crossword/crossword_problems.h"
#include "crossword/grid_builder.h"
#include "crossword/screens/cross_print.h"
#include "shell/screens/screen_factory.h"
#include "ui/dialogs.h"
#include "worksheet/generation_error.h"

namespace abacore {

QWidget* MakeCrosswordScreen(AppContext& context, QWidget* current) {
    WorksheetRequest& request = context.request;
    DrawLimits limits;
    try {
        limits = MakeCrosswordProblems(request, context.random);
    } catch (const GenerationError& e) {
        context.dialogs.message(current, QStringLiteral("Hey!"), QString::fromUtf8(e.what()));
        return MakeScreen(Screen::ChooseMinMax, context, current);
    }
    try {
        const CrosswordGrid grid = BuildGrid(request, context.random, limits);
        return new CrossPrint(context, MakeCrosswordPage(grid, request));
    } catch (const GenerationError& e) {
        context.dialogs.message(current, QString::fromUtf8(CrosswordText::FailedTitle),
                                QString::fromUtf8(e.what()));
        return MakeScreen(Screen::MainMenu, context, current);
    }
}

} // namespace abacore
