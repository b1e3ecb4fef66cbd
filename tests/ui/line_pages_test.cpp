#include "core/random_source.h"
#include "file_bytes.h"
#include "ui/document_bridge.h"
#include "ui/line_pages.h"
#include "ui/page_output.h"
#include "ui/pdf_export.h"
#include "ui/text_document_pages.h"
#include "worksheet/worksheet_builder.h"

#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace abacore;

// The pages laid out line by line hold Qt's document layout's pages word for word and place for
// place: every activity and layout, both papers, large print, and a sheet long enough to be
// laid out in parts, its problems' rows kept together across page ends. The worksheet window's
// Export PDF, which lays its documents out from their models, gives the same pages.
TEST(LinePages, PutEveryWordWhereQtsDocumentLayoutPutsIt) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    struct Case {
        const char* name;
        Activity activity;
        int16_t style;
        int16_t count;
        bool largePrint = false;
        Skill skill = Skill::Mixed;
    };
    const Case cases[] = {
        {"skills, every layout", Activity::SkillsPractice, StyleBit::kAll | StyleBit::kMissing, 90},
        {"skills, large print", Activity::SkillsPractice, StyleBit::kAll, 40, true},
        {"skills in parts", Activity::SkillsPractice, StyleBit::kVertical, 1200},
        {"riddle", Activity::SecretRiddle, StyleBit::kHorizontal, 0},
        {"squares, large print", Activity::MathSquares, 0, 12, true},
        {"words, large print", Activity::WordProblems, 0, 20, true},
        {"cards", Activity::FlashCards, StyleBit::kHorizontal, 100, false, Skill::Division},
        {"matching", Activity::ValueMatching, 0, 20},
    };
    QTemporaryDir folder;
    for (const Case& c : cases)
        for (const Paper paper : {Paper::Letter, Paper::A4}) {
            WorksheetRequest r;
            r.ActivityType = c.activity;
            r.SkillMode = c.skill;
            r.MixedSkills = c.skill == Skill::Mixed;
            r.SkillChecked = {false, true, true, true, true};
            r.FirstMin = 1;
            r.FirstMax = 100;
            r.SecondMin = 1;
            r.SecondMax = 99;
            r.AllowRemainders = true;
            r.ProblemStyle = c.style;
            r.ProblemCount = c.count;
            r.LargePrint = c.largePrint;
            r.PaperSize = paper;
            r.PunchLine = "Because it had too many problems!";
            r.ProgramFolder = ABACORE_SOURCE_DIR "/data";
            RandomSource random(paper == Paper::A4 ? 2 : 1);
            const WorksheetDocuments sheet = BuildWorksheet(r, random);
            for (const Document* document : {&sheet.worksheet, &sheet.answerKey}) {
                if (document->isEmpty())
                    continue;
                SCOPED_TRACE(std::string(c.name) + (paper == Paper::A4 ? ", A4" : ", Letter") +
                             (document == &sheet.answerKey ? ", key" : ""));
                LinePages lines(*document);
                TextDocumentPages qt(*document);
                ASSERT_TRUE(LinePages::Handles(*document));
                const QString expected = PdfWords(PdfBytes({&qt}, "Sheet", paper));
                ASSERT_GT(expected.count("<page"), 0);
                EXPECT_EQ(PdfWords(PdfBytes({&lines}, "Sheet", paper)), expected);

                QTextDocument shown;
                FillTextDocument(*document, shown, paper);
                ASSERT_TRUE(ExactModel(shown).has_value());
                const QString exported = folder.filePath("exported.pdf");
                WritePdf({&shown}, exported.toStdString(), "Sheet", paper);
                EXPECT_EQ(PdfWords(ReadBytes(exported)), expected);
            }
        }
}
