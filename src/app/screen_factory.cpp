#include "app/screen_factory.h"

#include "app/title.h"
#include "clipart/screens/add_pic.h"
#include "core/worksheet_request.h"
#include "crossword/screens/crossword_handover.h"
#include "maker/version_maker.h"
#include "ui/dialogs.h"
#include "wizard/screen_flow.h"
#include "wizard/screens/choose_heading.h"
#include "wizard/screens/choose_how_many.h"
#include "wizard/screens/choose_min_max.h"
#include "wizard/screens/choose_skill.h"
#include "wizard/screens/choose_style.h"
#include "worksheet/activity_table.h"
#include "worksheet/screens/choose_riddle.h"
#include "worksheet/screens/choose_squares_option.h"
#include "worksheet/screens/flash_directions.h"
#include "worksheet/screens/quiz_form.h"

#include <utility>

namespace abacore {

namespace {

QWidget* makeWorksheet(AppContext& context, QWidget* current) {
    WorksheetRequest& request = context.request;
    const std::optional<SheetAgain> again = std::exchange(context.again, std::nullopt);
    MakeOutcome result = again
                             ? MakeCodedSheet(request, context.random, again->seed, again->version)
                             : MakeCodedSheet(request, context.random);
    if (auto* made = std::get_if<MadeVersions>(&result)) {
        auto* sheet = new QuizForm(context, std::move(made->sheets.front()));
        request.KeepTyped = false;
        return sheet;
    }
    context.dialogs.message(current, QStringLiteral("Hey!"),
                            QString::fromStdString(std::get<MakeFailure>(result).message));
    request.KeepTyped = true;
    return MakeScreen(ScreenAfterRefusal(request.ActivityType), context, current);
}

} // namespace

QWidget* MakeScreen(Screen screen, AppContext& context, QWidget* current) {
    switch (screen) {
    case Screen::MainMenu:
        return new Title(context);
    case Screen::ChooseSkill:
        return new ChooseSkill(context);
    case Screen::ChooseStyle:
        return new ChooseStyle(context);
    case Screen::ChooseMinMax:
        return new ChooseMinMax(context);
    case Screen::ChooseHeading:
        return new ChooseHeading(context);
    case Screen::ChooseHowMany:
        return new ChooseHowMany(context);
    case Screen::Worksheet:
        return makeWorksheet(context, current);
    case Screen::ChooseRiddle:
        return new ChooseRiddle(context);
    case Screen::FlashDirections:
        return new FlashDirections(context);
    case Screen::ChooseSquaresOption:
        return new ChooseSquaresOption(context);
    case Screen::Crossword:
        return MakeCrosswordScreen(context, current);
    }
    return nullptr;
}

void ShowPictureWindow(AppContext& context, QWidget* opener, PictureReceiver receiver) {
    OpenPictureWindow(context, opener, std::move(receiver));
}

} // namespace abacore
