#include "wizard/skill_rules.h"
#include "wizard/style_rules.h"

#include <gtest/gtest.h>

namespace {

WorksheetRequest withSkills(const std::array<bool, 4>& ticked) {
    WorksheetRequest r;
    r.ActivityType = Activity::SkillsPractice;
    ApplySkillChoice(r, ticked);
    return r;
}

} // namespace

TEST(StyleSamples, SingleSkillsUseTheirOwnSign) {
    const StyleSamples add = SampleTexts(withSkills({true, false, false, false}));
    EXPECT_EQ(add.horizontal, "12 + 3=");
    EXPECT_EQ(add.vertical, "   12      + 3");
    EXPECT_EQ(add.bracketed, "3 ) 12");
    EXPECT_EQ(SampleTexts(withSkills({false, false, true, false})).horizontal, "12 x 3=");
    EXPECT_EQ(SampleTexts(withSkills({false, false, false, true})).vertical, "   12      \u00F7 3");
}

TEST(StyleSamples, MixedSkillsPreferDivisionThenAdditionThenSubtraction) {
    EXPECT_EQ(SampleTexts(withSkills({true, true, false, false})).horizontal, "12 + 3=");
    EXPECT_EQ(SampleTexts(withSkills({true, true, false, false})).vertical, "   12      + 3");
    EXPECT_EQ(SampleTexts(withSkills({false, true, true, false})).horizontal, "12 - 3=");
    EXPECT_EQ(SampleTexts(withSkills({false, true, true, false})).vertical, "   12      - 3");
    EXPECT_EQ(SampleTexts(withSkills({true, false, true, true})).horizontal, "12 \u00F7 3=");
    EXPECT_EQ(RepresentativeSkill(withSkills({false, true, true, true})), Skill::Division);
}

TEST(StyleChoice, BracketOfferedOnlyWithDivision) {
    EXPECT_FALSE(OffersBracket(withSkills({true, true, true, false})));
    EXPECT_TRUE(OffersBracket(withSkills({false, false, false, true})));
    EXPECT_TRUE(OffersBracket(withSkills({true, false, false, true})));
}

TEST(StyleChoice, StyleIsTheSumOfTheTickedBits) {
    EXPECT_EQ(ProblemStyleOf({true, false, false}), 1);
    EXPECT_EQ(ProblemStyleOf({true, true, false}), 3);
    EXPECT_EQ(ProblemStyleOf({false, true, true}), 6);
    EXPECT_EQ(ProblemStyleOf({true, true, true}), 7);
}

TEST(StyleChoice, BracketAloneRefusedOnlyForMixedSkills) {
    EXPECT_FALSE(StyleRefusal(withSkills({false, false, false, true}), 1));
    const WorksheetRequest mixed = withSkills({true, false, false, true});
    EXPECT_EQ(StyleRefusal(mixed, 1),
              "Brackets are fine for division, but you have also chosen other "
              "skills. Please choose an additional style.");
    EXPECT_FALSE(StyleRefusal(mixed, 3));
    EXPECT_FALSE(StyleRefusal(mixed, 4));
}
