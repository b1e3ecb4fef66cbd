#include "worksheet/riddle_choice.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace abacore;

// Walking to either end and beyond, from any riddle of any file size: every riddle is shown
// once on the way, in order, and each step past an end beeps without moving. Without riddles
// every step beeps and shows nothing.
TEST(RiddleChoice, StepsVisitEveryRiddleInOrderAndBeepOnlyPastAnEnd) {
    for (int count = 1; count <= 6; ++count) {
        for (int start = 0; start < count; ++start) {
            for (const int step : {+1, -1}) {
                int index = start;
                std::vector<int> shown;
                int beeps = 0;
                for (int press = 0; press < count + 2; ++press) {
                    const RiddleStep s = StepRiddle(index, step, count);
                    ASSERT_TRUE(s.show);
                    if (s.pastEnd) {
                        EXPECT_EQ(s.index, index);
                        ++beeps;
                    } else {
                        EXPECT_EQ(s.index, index + step);
                        shown.push_back(s.index);
                    }
                    index = s.index;
                }
                const int end = step > 0 ? count - 1 : 0;
                EXPECT_EQ(index, end);
                EXPECT_EQ(static_cast<int>(shown.size()), std::abs(end - start));
                EXPECT_EQ(beeps, count + 2 - std::abs(end - start));
            }
        }
    }
    for (const int step : {+1, -1}) {
        const RiddleStep s = StepRiddle(0, step, 0);
        EXPECT_EQ(std::tie(s.index, s.pastEnd, s.show), std::tuple(0, true, false)) << step;
    }
}

// Whatever the boxes hold is taken as it is, and the count follows the punch line whatever an
// earlier request left in it.
TEST(RiddleChoice, ContinueStoresTheBoxesAsTheyAreAndCountsTheDistinctLetters) {
    WorksheetRequest request;
    request.ProblemCount = 100;
    ApplyRiddleChoice(request, "  What do you call a sleeping bull? ", "A bull-dozer! Bull.");
    EXPECT_EQ(request.RiddleQuestion, "  What do you call a sleeping bull? ");
    EXPECT_EQ(request.PunchLine, "A bull-dozer! Bull.");
    EXPECT_EQ(request.ProblemCount, 9); // a b u l d o z e r

    ApplyRiddleChoice(request, "", "\xC3\xA9t\xC3\xA9 42");
    EXPECT_EQ(request.RiddleQuestion, "");
    EXPECT_EQ(request.PunchLine, "\xC3\xA9t\xC3\xA9 42");
    EXPECT_EQ(request.ProblemCount, 1);
    ApplyRiddleChoice(request, "Why?", "");
    EXPECT_EQ(request.ProblemCount, 0);
}
