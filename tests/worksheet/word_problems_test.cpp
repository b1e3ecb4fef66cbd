#include "worksheet/word_problems.h"

#include "core/generation_error.h"
#include "ranges_request.h"
#include "temp_folder.h"
#include "worksheet/activity_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <string>

using namespace abacore;

static const ProblemRules kWords = RowOf(Activity::WordProblems).problemRules;

namespace {

WorksheetRequest Words(Skill skill, double firstMax, int16_t secondMax, int16_t count,
                       std::initializer_list<Skill> mixed = {}) {
    return WithSkills(RangesRequest(skill, 0, firstMax, 0, secondMax, false, 0, count), mixed);
}

// Stories that tell their skill and number and show both numbers: "S<skill> T<n> [1] [2]".
WordTemplates Tagged(int perSkill) {
    WordTemplates t;
    for (int k = 1; k <= 4; ++k)
        for (int n = 1; n <= perSkill; ++n)
            t.bySkill[static_cast<size_t>(k)].push_back(
                std::string("S").append(std::to_string(k) + " T" + std::to_string(n) + " [1] [2]"));
    return t;
}

struct Story {
    int skill = 0, template_ = 0;
    double a = 0, b = 0, answer = 0;
};

// Makes a sheet and reads each story back as the sheet records it for the pupil (the printed
// text and key are NumberedStoriesInTimesNewRomanWithTheirAnswers's): both placeholders filled.
std::vector<Story> Make(WorksheetRequest& r, const WordTemplates& t, uint64_t seed) {
    Document d;
    RandomSource random(seed);
    GenerationState state;
    MakeWordProblems(r, random, kWords, DrawLimits{}, t, state, d);
    std::vector<Story> stories;
    for (const SheetProblem& p : state.Content.problems) {
        Story& s = stories.emplace_back();
        EXPECT_EQ(
            std::sscanf(p.question.c_str(), "S%d T%d %lf %lf", &s.skill, &s.template_, &s.a, &s.b),
            4)
            << p.question;
        s.answer = std::stod(p.answer);
    }
    EXPECT_EQ(stories.size(), static_cast<size_t>(r.ProblemCount));
    return stories;
}

double Operate(int skill, double a, double b) {
    return skill == 1 ? a + b : skill == 2 ? a - b : skill == 3 ? a * b : std::trunc(a / b);
}

} // namespace

TEST(WordProblems, NumberedStoriesInTimesNewRomanWithTheirAnswers) {
    WorksheetRequest r = RangesRequest(Skill::Addition, 11, 12, 4, 5, false, 0, 2);
    WordTemplates t;
    t.bySkill[1].assign(2, "Sam had [1] marbles and won [2] more. How many marbles now?");
    Document d;
    d.SetFontName("Courier New");
    RandomSource random(3);
    GenerationState state;
    MakeWordProblems(r, random, kWords, DrawLimits{}, t, state, d);
    const std::string story = "Sam had 12 marbles and won 5 more. How many marbles now?\n\n\n";
    EXPECT_EQ(d.plainText(), "\n\n1)   " + story + "2)   " + story);
    EXPECT_EQ(state.AnswerText, "\n 1)   17\n 2)   17");
    for (const Paragraph& p : d.paragraphs())
        for (const auto& run : p.runs)
            EXPECT_EQ(run.format.fontName, "Times New Roman");
}

// One skill never repeats a story; mixed skills take each story from a fresh copy of its skill's
// list (two stories a skill: twenty problems need each again and again). Differences stay at zero
// or above whatever an earlier request allowed, and the request keeps what it allowed.
TEST(WordProblems, StoriesComeFromTheirSkillsListAndEveryAnswerFitsItsStory) {
    for (int k = 1; k <= 5; ++k) { // 5: addition and subtraction mixed
        const bool mixed = k == 5;
        std::set<int> skills;
        for (uint64_t seed = 1; seed <= 30; ++seed) {
            WorksheetRequest r =
                mixed ? Words(Skill::Mixed, 30, 30, 20, {Skill::Addition, Skill::Subtraction})
                      : Words(static_cast<Skill>(k), 30, 12, 20);
            r.AllowRemainders = seed % 2 == 0;
            r.AllowNegatives = true;
            std::set<int> used;
            for (const Story& s : Make(r, Tagged(mixed ? 2 : 20), seed)) {
                EXPECT_EQ(s.answer, Operate(s.skill, s.a, s.b));
                EXPECT_GE(s.answer, 0);
                skills.insert(s.skill);
                used.insert(s.template_);
            }
            EXPECT_EQ(used.size(), mixed ? 2u : 20u) << "skill " << k << " seed " << seed;
            EXPECT_TRUE(r.AllowNegatives);
        }
        EXPECT_EQ(skills, (mixed ? std::set<int>{1, 2} : std::set<int>{k}));
    }
}

// The check counts without negatives too: first numbers below every second number.
TEST(WordProblems, TheCheckCountsWithoutNegatives) {
    const TempFolder folder;
    WriteBytes(folder.path() / "subtract.dat", "[1] - [2]\r\n");
    WorksheetRequest impossible = RangesRequest(Skill::Subtraction, 0, 5, 10, 20, false, 0, 1);
    impossible.AllowNegatives = true;
    EXPECT_THROW(CheckWordProblemsCanBeMade(impossible, kWords, {folder.path()}), GenerationError);
}
