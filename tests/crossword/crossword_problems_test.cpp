#include "crossword/crossword_problems.h"

#include "core/generation_error.h"
#include "crossword_request.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <string>

using namespace abacore;

namespace {

// "12 + 7 =" worked out as the crossword does (the whole quotient), as text; the sign too.
std::string AnswerOf(const std::string& clue, std::string& sign) {
    std::istringstream in(clue);
    double a = 0, b = 0;
    std::string equals;
    in >> a >> sign >> b >> equals;
    EXPECT_TRUE(in && equals == "=" && in.peek() == EOF) << clue;
    const double answer = sign == "+"   ? a + b
                          : sign == "-" ? a - b
                          : sign == "x" ? a * b
                                        : std::trunc(a / b);
    return std::to_string(static_cast<long long>(answer));
}

} // namespace

TEST(CrosswordProblems, EveryClueMatchesItsAnswerAndDivisionWithRemaindersIsNeverRedrawn) {
    RandomSource random(11);
    WorksheetRequest r = EverySkillRequest(100);
    std::set<std::string> signs;
    bool zeroQuotient = false, negative = false;
    for (int round = 0; round < 20; ++round) {
        MakeCrosswordProblems(r, CrosswordRules(), random);
        ASSERT_EQ(r.CrosswordCount, 100);
        for (int i = 1; i <= 100; ++i) {
            std::string sign;
            EXPECT_EQ(r.CrosswordAnswers[i], AnswerOf(r.CrosswordClues[i], sign));
            signs.insert(sign);
            zeroQuotient = zeroQuotient || (sign == "\u00F7" && r.CrosswordAnswers[i] == "0");
            negative = negative || r.CrosswordAnswers[i][0] == '-';
        }
    }
    EXPECT_EQ(signs, (std::set<std::string>{"+", "-", "x", "\u00F7"}));
    // A first number below the second gives 0; differences go negative when allowed.
    EXPECT_TRUE(zeroQuotient && negative);

    r = CrosswordRequest(Skill::Addition, 11, 12, 6, 7, 1); // draws 12 and 7 only
    MakeCrosswordProblems(r, CrosswordRules(), random);
    EXPECT_EQ(r.CrosswordClues[1] + "|" + r.CrosswordAnswers[1], "12 + 7 =|19");
}

TEST(CrosswordProblems, ARefusedCountLeavesTheEarlierSet) {
    RandomSource random(13);
    WorksheetRequest r = CrosswordRequest(Skill::Addition, 0, 100, 0, 100, 5);
    MakeCrosswordProblems(r, CrosswordRules(), random);
    const auto clues = r.CrosswordClues;
    r.ProblemCount = 101;
    EXPECT_THROW(MakeCrosswordProblems(r, CrosswordRules(), random), GenerationError);
    EXPECT_EQ(r.CrosswordCount, 5);
    EXPECT_EQ(r.CrosswordClues, clues);
}

TEST(CrosswordProblems, ReplacementContinuesTheSequenceWhileTheSetIsReseeded) {
    // From a clock-seeded source, two copies part ways at the first re-seed (which mixes in
    // the clock) and stay together without one.
    const RandomSource source;
    WorksheetRequest r = CrosswordRequest(Skill::Mixed, 0, 1'000'000, 0, 30000, 10);
    r.MixedSkills = true;
    r.SkillChecked = {false, true, false, true, false};
    WorksheetRequest s = r;
    RandomSource a = source, b = source;
    MakeCrosswordProblems(r, CrosswordRules(), a);
    MakeCrosswordProblems(s, CrosswordRules(), b);
    EXPECT_NE(r.CrosswordClues, s.CrosswordClues);

    std::set<std::string> signs;
    b = a;
    for (int i = 0; i < 50; ++i) {
        const std::string answer = ReplaceCrosswordProblem(r, CrosswordRules(), a, 3);
        EXPECT_EQ(answer, ReplaceCrosswordProblem(s, CrosswordRules(), b, 3));
        std::string sign;
        EXPECT_EQ(answer, AnswerOf(r.CrosswordClues[3], sign));
        EXPECT_EQ(answer, r.CrosswordAnswers[3]);
        signs.insert(sign); // the skill is picked again
    }
    EXPECT_EQ(signs, (std::set<std::string>{"+", "x"}));
    EXPECT_EQ(r.CrosswordCount, 10);
}
