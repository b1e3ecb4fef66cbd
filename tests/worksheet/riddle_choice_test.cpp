#include "worksheet/riddle_choice.h"

#include "worksheet/data_file.h"

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

// Back after a refused sheet the screen shows the request's riddle, not the file's first, and the
// arrows go on from its place in the file; a riddle of the teacher's own stands before the first.
TEST(RiddleChoice, BackAfterARefusalTheTypedRiddleIsShownWhereItStands) {
    const std::vector<Riddle> file{{"Q1", "A1"}, {"Q2", "A2"}, {"Q3", "A3"}};
    WorksheetRequest request;
    request.KeepTyped = true;
    const std::pair<Riddle, int> cases[] = {{{"Q2", "A2"}, 1}, {{"Q2", "A clock!"}, -1}};
    for (const auto& [typed, index] : cases) {
        request.RiddleQuestion = typed.question;
        request.PunchLine = typed.punchLine;
        const RiddleOpening kept = OpenRiddleScreen(request, file);
        EXPECT_EQ(std::tie(kept.index, kept.shown), std::tuple(index, typed)) << typed.punchLine;
    }
    EXPECT_EQ(OpenRiddleScreen(request, {}).shown, (Riddle{"Q2", "A clock!"}));
    // From before the first: "Next Riddle" shows the first, "Previous Riddle" beeps.
    const RiddleStep next = StepRiddle(-1, +1, 3), previous = StepRiddle(-1, -1, 3);
    EXPECT_EQ(std::tie(next.index, next.pastEnd, next.show), std::tuple(0, false, true));
    EXPECT_EQ(std::tie(previous.pastEnd, previous.show), std::tuple(true, false));
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

// A riddle or punch line may be as long as a data-file line, counted in characters; longer
// ones are refused naming the box.
TEST(RiddleChoice, TextsLongerThanAFileLineAreRefusedNamingTheBox) {
    std::string accents;
    for (int i = 0; i < kLongestTextLine; ++i)
        accents += "\xC3\xA9";
    EXPECT_FALSE(RiddleTextRefusal("riddle", accents));
    const auto refusal = RiddleTextRefusal("punch line", accents + "x");
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find("punch line"), std::string::npos) << *refusal;
}
