#include "worksheet/word_problems.h"

#include "../shell/temp_folder.h"
#include "ranges_request.h"
#include "worksheet/generation_error.h"
#include "worksheet/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace abacore;

namespace {

WorksheetRequest Words(Skill skill, double firstMin, double firstMax, double secondMin,
                       int16_t secondMax, int16_t count) {
    WorksheetRequest r =
        RangesRequest(skill, firstMin, firstMax, secondMin, secondMax, false, 0, count);
    r.ActivityType = Activity::WordProblems;
    return r;
}

void Check(WorksheetRequest& r, std::initializer_list<Skill> skills) {
    r.SkillMode = Skill::Mixed;
    r.MixedSkills = true;
    for (Skill s : skills)
        r.SkillChecked[static_cast<size_t>(s)] = true;
}

// Stories that say which skill and which story they are, and show both numbers.
WordTemplates Tagged(int perSkill) {
    WordTemplates t;
    for (int k = 1; k <= 4; ++k)
        for (int i = 1; i <= perSkill; ++i)
            t.bySkill[static_cast<size_t>(k)].push_back(std::string("S").append(
                std::to_string(k) + " T" + std::to_string(i) + " A=[1] B=[2]"));
    return t;
}

struct Sheet {
    Document document;
    std::string answers;
};

Sheet Make(WorksheetRequest& r, const WordTemplates& templates, uint64_t seed = 1) {
    Sheet sheet;
    RandomSource random(seed);
    GenerationState state;
    MakeWordProblems(r, random, DrawLimits{}, templates, state, sheet.document);
    sheet.answers = state.AnswerText;
    return sheet;
}

// One story as printed, read back: "N)   S<skill> T<story> A=<a> B=<b>".
struct Story {
    int number = 0, skill = 0, story = 0;
    double a = 0, b = 0;
};

std::vector<Story> Stories(const Document& d) {
    std::vector<Story> out;
    std::istringstream in(d.plainText());
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        Story s;
        EXPECT_EQ(std::sscanf(line.c_str(), "%d)   S%d T%d A=%lf B=%lf", &s.number, &s.skill,
                              &s.story, &s.a, &s.b),
                  5)
            << line;
        EXPECT_EQ(line.find('['), std::string::npos) << line; // every placeholder filled
        out.push_back(s);
    }
    return out;
}

std::string Answer(int number, Skill skill, double a, double b, bool remainders) {
    std::string text = "\n" + NumberText(number) + ")  ";
    switch (skill) {
    case Skill::Addition:
        return text + NumberText(a + b);
    case Skill::Subtraction:
        return text + NumberText(a - b);
    case Skill::Multiplication:
        return text + NumberText(a * b);
    default:
        text += NumberText(std::trunc(a / b));
        if (remainders && std::fmod(a, b) != 0)
            text +=
                " Remainder " + NumberText(std::fmod(a, b)) + "   (or:" + NumberText(a / b) + ")";
        return text;
    }
}

} // namespace

TEST(WordProblems, NumberedStoriesInTimesNewRomanAndTheirAnswers) {
    WorksheetRequest r = Words(Skill::Addition, 11, 12, 4, 5, 3);
    WordTemplates t;
    t.bySkill[1] = {"Sam had [1] marbles and won [2] more. How many marbles does he have now?"};
    t.bySkill[1].resize(3, t.bySkill[1][0]);
    Document d;
    d.SetFontName("Courier New");
    d.SetBold(true);
    RandomSource random(3);
    GenerationState state;
    MakeWordProblems(r, random, DrawLimits{}, t, state, d);
    const std::string story =
        "Sam had 12 marbles and won 5 more. How many marbles does he have now?\n\n\n";
    EXPECT_EQ(d.plainText(), "\n\n1)   " + story + "2)   " + story + "3)   " + story);
    EXPECT_EQ(state.AnswerText, "\n 1)   17\n 2)   17\n 3)   17");
    for (const Paragraph& p : d.paragraphs())
        for (const auto& run : p.runs)
            EXPECT_EQ(run.format.fontName, "Times New Roman");
}

TEST(WordProblems, OneSkillNeverRepeatsAStoryAndTheKeyMatchesEveryStory) {
    for (Skill skill :
         {Skill::Addition, Skill::Subtraction, Skill::Multiplication, Skill::Division}) {
        for (bool remainders : {false, true}) {
            for (uint64_t seed = 1; seed <= 40; ++seed) {
                WorksheetRequest r = Words(skill, 0, 60, 0, 12, 20);
                r.AllowRemainders = remainders;
                const Sheet sheet = Make(r, Tagged(20), seed);
                const std::vector<Story> stories = Stories(sheet.document);
                ASSERT_EQ(stories.size(), 20u);
                std::set<int> used;
                std::string expected;
                for (size_t i = 0; i < stories.size(); ++i) {
                    const Story& s = stories[i];
                    EXPECT_EQ(s.number, static_cast<int>(i) + 1);
                    EXPECT_EQ(s.skill, static_cast<int>(skill));
                    used.insert(s.story);
                    expected += Answer(s.number, skill, s.a, s.b, remainders);
                }
                EXPECT_EQ(used.size(), 20u) << "seed " << seed;
                EXPECT_EQ(sheet.answers, expected);
            }
        }
    }
}

TEST(WordProblems, MixedSkillsTakeEachStoryFromItsOwnSkillAndMayRepeatIt) {
    WorksheetRequest r = Words(Skill::Mixed, 0, 30, 0, 30, 20);
    Check(r, {Skill::Addition, Skill::Subtraction});
    std::map<int, int> skills;
    std::set<std::pair<int, int>> seen;
    bool repeated = false;
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        const Sheet sheet = Make(r, Tagged(3), seed);
        std::string expected;
        for (const Story& s : Stories(sheet.document)) {
            ++skills[s.skill];
            repeated = repeated || !seen.insert({seed * 100 + s.skill, s.story}).second;
            expected += Answer(s.number, static_cast<Skill>(s.skill), s.a, s.b, false);
        }
        EXPECT_EQ(sheet.answers, expected);
    }
    EXPECT_EQ(skills.size(), 2u);
    EXPECT_GT(skills[1], 0);
    EXPECT_GT(skills[2], 0);
    EXPECT_TRUE(repeated); // three stories a skill cannot fill twenty problems otherwise
}

TEST(WordProblems, DifferencesStayAtZeroOrAboveWhateverAnEarlierRequestAllowed) {
    WorksheetRequest r = Words(Skill::Subtraction, 0, 10, 0, 10, 20);
    r.AllowNegatives = true; // left by an earlier skills sheet: this sheet never asks
    for (uint64_t seed = 1; seed <= 50; ++seed)
        for (const Story& s : Stories(Make(r, Tagged(20), seed).document))
            EXPECT_GE(s.a, s.b);
    EXPECT_TRUE(r.AllowNegatives); // the stored answer is kept for later requests

    // The check counts without negatives too: these ranges cannot make a story.
    const TempFolder folder;
    WriteBytes(folder.path() / "subtract.dat", "[1] - [2]\r\n");
    WorksheetRequest impossible = Words(Skill::Subtraction, 0, 5, 10, 20, 1);
    impossible.AllowNegatives = true;
    EXPECT_THROW(CheckWordProblemsCanBeMade(impossible, folder.path()), GenerationError);
    impossible.SecondMin = 0;
    const WordProblemsSetup setup = CheckWordProblemsCanBeMade(impossible, folder.path());
    EXPECT_EQ(setup.templates.forSkill(Skill::Subtraction), std::vector<std::string>{"[1] - [2]"});
}

TEST(WordProblems, TooFewStoriesAreRefusedBeforeAnythingIsWritten) {
    WorksheetRequest r = Words(Skill::Multiplication, 0, 10, 0, 10, 20);
    Document d;
    RandomSource random(1);
    GenerationState state;
    try {
        MakeWordProblems(r, random, DrawLimits{}, Tagged(19), state, d);
        ADD_FAILURE() << "no error";
    } catch (const GenerationError& e) {
        EXPECT_NE(std::string(e.what()).find("\"multiply.dat\" holds 19 stories"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(d.plainText(), "");
    // A skill without a file of its own (none chosen) is refused the same way.
    WorksheetRequest none = Words(Skill::None, 0, 10, 0, 10, 1);
    EXPECT_THROW(MakeWordProblems(none, random, DrawLimits{}, Tagged(19), state, d),
                 GenerationError);
    EXPECT_EQ(d.plainText(), "");
}
