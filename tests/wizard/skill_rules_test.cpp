#include "request_for.h"

#include <gtest/gtest.h>

using namespace abacore;

TEST(SkillQuestions, WhichActivitiesAskAboutRemaindersAndNegatives) {
    for (int a = 1; a <= 7; ++a) {
        WorksheetRequest r = RequestFor(static_cast<Activity>(a), {1, 1, 1, 1});
        EXPECT_EQ(AsksRemainders(r), a == 1 || a == 3 || a == 5) << "activity " << a;
        EXPECT_EQ(AsksNegatives(r), a != 4 && a != 7) << "activity " << a;
        ApplySkillChoice(r, {1, 0, 1, 0});
        EXPECT_FALSE(AsksRemainders(r)) << "no division, activity " << a;
        EXPECT_FALSE(AsksNegatives(r)) << "no subtraction, activity " << a;
    }
}
