#include "worksheet/riddle_choice.h"

#include "worksheet/data_file.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace abacore;

// From any place in files of any size, and from before the first (a riddle of the teacher's
// own): a step inside the file shows its neighbour; a step past an end beeps and stays put.
TEST(RiddleChoice, StepsMoveOneRiddleAndBeepOnlyPastAnEnd) {
    for (int count = 0; count <= 4; ++count) {
        for (int index = -1; index < std::max(count, 1); ++index) {
            for (const int step : {+1, -1}) {
                const RiddleStep s = StepRiddle(index, step, count);
                const bool inside = index + step >= 0 && index + step < count;
                EXPECT_EQ(std::tie(s.index, s.pastEnd), std::tuple(inside ? index + step : index,
                                                                   !inside))
                    << count << " riddles, from " << index << " by " << step;
                EXPECT_EQ(s.show, inside || (index >= 0 && index < count));
            }
        }
    }
}

// Back after a refused sheet the screen shows the request's riddle, not the file's first, at its
// place in the file, or before the first when it is the teacher's own.
TEST(RiddleChoice, BackAfterARefusalTheTypedRiddleIsShownWhereItStands) {
    const std::vector<Riddle> file{{"Q1", "A1"}, {"Q2", "A2"}, {"Q3", "A3"}};
    WorksheetRequest request;
    EXPECT_EQ(OpenRiddleScreen(request, file).shown, file[0]);
    request.KeepTyped = true;
    const std::pair<Riddle, int> cases[] = {{{"Q2", "A2"}, 1}, {{"Q2", "A clock!"}, -1}};
    for (const auto& [typed, index] : cases) {
        request.RiddleQuestion = typed.question;
        request.PunchLine = typed.punchLine;
        const RiddleOpening kept = OpenRiddleScreen(request, file);
        EXPECT_EQ(std::tie(kept.index, kept.shown), std::tuple(index, typed)) << typed.punchLine;
    }
    EXPECT_EQ(OpenRiddleScreen(request, {}).shown, (Riddle{"Q2", "A clock!"}));
}

// Whatever the boxes hold is taken as it is, and the count follows the punch line whatever an
// earlier request left in it. A box may hold as many characters as a data-file line.
TEST(RiddleChoice, ContinueStoresTheBoxesAsTheyAreAndCountsTheDistinctLetters) {
    WorksheetRequest request;
    request.ProblemCount = 100;
    ApplyRiddleChoice(request, "  What do you call a sleeping bull? ", "A bull-dozer! Bull.");
    EXPECT_EQ(request.RiddleQuestion, "  What do you call a sleeping bull? ");
    EXPECT_EQ(request.PunchLine, "A bull-dozer! Bull.");
    EXPECT_EQ(request.ProblemCount, 9); // a b u l d o z e r
    ApplyRiddleChoice(request, "Why?", "\xC3\xA9t\xC3\xA9 42");
    EXPECT_EQ(request.ProblemCount, 1);

    std::string accents;
    for (int i = 0; i < kLongestTextLine; ++i)
        accents += "\xC3\xA9";
    EXPECT_FALSE(RiddleTextRefusal("riddle", accents));
    const auto refusal = RiddleTextRefusal("punch line", accents + "x");
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find("punch line"), std::string::npos) << *refusal;
}
