#include "request_for.h"
#include "wizard/style_rules.h"

#include <gtest/gtest.h>

using namespace abacore;

TEST(StyleSamples, SignOfTheSkillOrOfDivisionThenAdditionThenSubtraction) {
    const std::pair<std::array<bool, 4>, std::string> cases[] = {
        {{1, 0, 0, 0}, "+"}, {{0, 0, 1, 0}, "x"}, {{0, 0, 0, 1}, "\u00F7"},
        {{1, 1, 0, 0}, "+"}, {{0, 1, 1, 0}, "-"}, {{1, 0, 1, 1}, "\u00F7"},
    };
    for (const auto& [ticked, sign] : cases) {
        const WorksheetRequest r = RequestFor(Activity::SkillsPractice, ticked);
        const StyleSamples samples = SampleTexts(r);
        EXPECT_EQ(samples.horizontal, "12 " + sign + " 3=") << sign;
        EXPECT_EQ(samples.vertical, "   12      " + sign + " 3") << sign;
        EXPECT_EQ(samples.bracketed, "3 ) 12");
        EXPECT_EQ(OffersBracket(r), ticked[3]) << sign;
    }
}

TEST(StyleChoice, StyleBitsAndTheRefusalOfTheBracketAloneForMixedSkills) {
    EXPECT_EQ(ProblemStyleOf({true, false, false}), 1);
    EXPECT_EQ(ProblemStyleOf({false, true, true}), 6);
    EXPECT_FALSE(StyleRefusal(RequestFor(Activity::SkillsPractice, {0, 0, 0, 1}), 1));
    const WorksheetRequest mixed = RequestFor(Activity::SkillsPractice, {1, 0, 0, 1});
    EXPECT_EQ(StyleRefusal(mixed, 1), StyleText::kBracketAloneRefusal);
    EXPECT_FALSE(StyleRefusal(mixed, 3));
    EXPECT_FALSE(StyleRefusal(mixed, 4));
}
