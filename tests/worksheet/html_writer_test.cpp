#include "document/html_page.h"

#include "core/random_source.h"
#include "ranges_request.h"
#include "worksheet/html_writer.h"
#include "worksheet/worksheet_builder.h"

#include <gtest/gtest.h>
#include <regex>

using namespace abacore;

// The page's script hashes with the same function; tests/html checks it on the same texts.
TEST(HtmlPage, AnswersAreHashedAsFnv1aOfNumberQuestionRoleAndEntry) {
    EXPECT_EQ(Fnv1a("3|Zo\xC3\xAB's \xF0\x9F\x8D\x8E|letter|B"), 0x4ebfb831u);
    EXPECT_EQ(AnswerHash(7, "12 \xC3\xB7 3 =", "remainder", "0"), "040b44b8");
}

// What the page shows is what the script reads back and hashes: one line of well-formed text.
TEST(HtmlPage, TextIsOneLineOfWellFormedUtf8WithMarkupEscaped) {
    struct Row {
        const char* name;
        std::string text;
        std::string html;
    };
    const Row rows[] = {
        {"line breaks and tabs", "a\r\nb\tc", "a  b c"},
        {"control characters", std::string("x\x01y\x7F", 4), "x y "},
        {"a broken byte", "caf\xC3", "caf\xEF\xBF\xBD"},
        {"a noncharacter", "\xEF\xBF\xBF", "\xEF\xBF\xBD"},
        {"markup", "<b>Tom & \"Jo\"</b>", "&lt;b&gt;Tom &amp; &quot;Jo&quot;&lt;/b&gt;"},
        {"other characters stay", "Zo\xC3\xAB \xC3\xB7 \xF0\x9F\x8D\x8E",
         "Zo\xC3\xAB \xC3\xB7 \xF0\x9F\x8D\x8E"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(HtmlText(row.text), row.html) << row.name;
}

// Answers far from every number of the problems (five digits from a 1, the problems' numbers
// four digits): none may appear anywhere in the page, and the problems come in order.
TEST(WorksheetHtml, HoldsEveryProblemInOrderAndNoAnswerAsText) {
    for (const Activity activity : {Activity::SkillsPractice, Activity::WordProblems}) {
        for (uint64_t seed = 1; seed <= 10; ++seed) {
            WorksheetRequest r = RangesRequest(Skill::Addition, 5000, 9000, 5000, 9000, false,
                                               StyleBit::kHorizontal, 12);
            r.ActivityType = activity;
            r.Heading = "Sums <big>";
            r.ProgramFolder = ABACORE_SOURCE_DIR "/data";
            RandomSource random(seed);
            const WorksheetDocuments documents = BuildWorksheet(r, random);
            const WebVersion version{"", "", &documents.content};
            const std::string page = WorksheetHtml({&version, 1}, nullptr);
            SCOPED_TRACE("activity " + std::to_string(static_cast<int>(activity)) + ", seed " +
                         std::to_string(seed));
            std::smatch leak;
            EXPECT_FALSE(std::regex_search(page, leak, std::regex("\\b1\\d{4}\\b"))) << leak.str();
            EXPECT_NE(page.find("<h1>Sums &lt;big&gt;</h1>"), std::string::npos);
            ASSERT_EQ(documents.content.problems.size(), 12u);
            size_t at = 0;
            for (size_t k = 0; k < 12 && at != std::string::npos; ++k) {
                const std::string n = std::to_string(k + 1);
                at = page.find("data-n=\"" + n + "\"><span class=\"num\">" + n +
                                   ")</span> <span class=\"q\">" +
                                   HtmlText(documents.content.problems[k].question),
                               at);
                EXPECT_NE(at, std::string::npos) << "problem " << n;
            }
        }
    }
}
