#include "crossword/screens/crossword_handover.h"

#include "crossword/grid_builder.h"
#include "crossword/screens/cross_print.h"
#include "maker/version_maker.h"
#include "ui/app_context.h"
#include "ui/dialogs.h"
#include "wizard/screen_flow.h"

#include <QApplication>
#include <utility>

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
    MakeOutcome result = [&] {
        const BusyPointer busy;
        // On the request itself: the builder window reads its problem set back.
        const std::optional<SheetAgain> again = std::exchange(context.again, std::nullopt);
        return again ? MakeCodedSheet(request, context.random, again->seed, again->version)
                     : MakeCodedSheet(request, context.random);
    }();
    if (auto* made = std::get_if<MadeVersions>(&result)) {
        request.KeepTyped = false;
        return new CrossPrint(context, std::move(made->puzzles.front()));
    }
    const MakeFailure& failure = std::get<MakeFailure>(result);
    if (failure.kind != MakeFailureKind::GaveUp) {
        // Back where the teacher typed, with what they typed, as every other activity does.
        context.dialogs.message(current, QStringLiteral("Hey!"),
                                QString::fromStdString(failure.message));
        request.KeepTyped = true;
        return context.navigator.windowFor(ScreenAfterRefusal(request.ActivityType), current);
    }
    context.dialogs.message(current, QString::fromUtf8(CrosswordText::kFailedTitle),
                            QString::fromStdString(failure.message));
    return context.navigator.windowFor(Screen::MainMenu, current);
}

} // namespace abacore
