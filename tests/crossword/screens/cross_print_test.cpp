// The crossword builder window: its clue list, the background choice, the answer display, the
// print sequence and the export, driven the way a user drives them.
#include "clipart/screens/add_pic.h"
#include "crossword/clue_lists.h"
#include "crossword/crossword_messages.h"
#include "crossword_fixture.h"
#include "file_bytes.h"
#include "test_pictures.h"

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

using namespace abacore;

// The window lists the clues; "View Puzzle" shows the answer display until a click or a key. A
// colour hides the picture and the "Choose picture..." button; the picture option shows both
// again, on white, with the picture chosen earlier. Exit ends the program.
TEST(CrossPrint, ViewPuzzleBackgroundOptionsAndExit) {
    BuilderWindow b;
    EXPECT_EQ(b.get<QTextEdit>("Box1")->toPlainText(),
              QString::fromStdString(BuilderListText(b.page)));
    CrossWord& display = b.display();
    EXPECT_FALSE(display.isVisible());
    b.click("Command1");
    ASSERT_TRUE(display.isVisible());
    QTest::mouseClick(&display, Qt::LeftButton, {}, QPoint(display.width() / 2, 10));
    EXPECT_FALSE(display.isVisible());
    b.click("Command1");
    ASSERT_TRUE(display.isVisible());
    QTest::keyClick(&display, Qt::Key_Space);
    EXPECT_FALSE(display.isVisible());

    display.resize(546, 450);
    auto* choose = b.get<QPushButton>("Command4");
    auto* preview = b.get<CrosswordView>("PuzzlePreview");
    // An option by its caption, as a user clicks it.
    b.click("ColorLabel_7");
    EXPECT_EQ(PixelOf(*preview, {1, 1}), QColor(255, 0, 255));
    b.click("Coloroption_8");
    EXPECT_TRUE(choose->isVisible());
    EXPECT_EQ(PixelOf(display, {1, 1}), QColor(Qt::white));

    // "Choose picture...": the picture window, the crossword's picture types in the program
    // folder; the picture clicked and added, as a user does.
    QImage red(64, 48, QImage::Format_RGB32);
    red.fill(QColor(200, 0, 0));
    ASSERT_TRUE(red.save(b.folder.file("red.bmp")));
    choose->click();
    auto* pic = b.window->findChild<AddPic*>();
    ASSERT_TRUE(pic && pic->isVisible());
    auto* files = pic->findChild<QListWidget*>("File1");
    const auto found = files->findItems("red.bmp", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualItemRect(found[0]).center());
    pic->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(PixelOf(*preview, {1, 1}), QColor(200, 0, 0));

    b.click("ColorLabel_2"); // Grey
    EXPECT_FALSE(choose->isVisible());
    EXPECT_EQ(PixelOf(display, {1, 1}), QColor(192, 192, 192));
    b.click("Coloroption_8");
    EXPECT_EQ(PixelOf(display, {1, 1}), QColor(200, 0, 0)) << "the picture is kept";
    // Leaving would discard a puzzle not printed or exported: Esc and Quit ask first, No
    // preselected, and No stays.
    b.app.dialogs.answers = {false, true};
    QTest::keyClick(b.window.get(), Qt::Key_Escape);
    EXPECT_TRUE(b.app.navigator.opened.empty());
    b.click("Command3");
    EXPECT_EQ(b.app.dialogs.titles(), QStringList(2, "Discard Puzzle?"));
    EXPECT_EQ(b.app.dialogs.shown.front().preselected, DefaultAnswer::No);
    EXPECT_TRUE(b.app.navigator.quitRequested);
}

// Yes, a PDF file chosen in the print dialog, Yes: the puzzle and its key in two files and the
// message naming them. No, Cancel in the print dialog or a file the printer cannot write print
// nothing. The window stays open either way (the puzzle can be exported too); Esc leaves without
// a question only once it is printed.
TEST(CrossPrint, PrintsThePuzzleAndOnRequestItsKeyOrStaysOpenWhenRefused) {
    QTemporaryDir dir;
    const QStringList printed{"Confirm Print", "Answer Key?", "Puzzle printed."};
    const struct {
        std::deque<bool> answers;
        QString file; // empty: Cancel in the print dialog
        QStringList titles;
    } cases[] = {
        {{false}, "", {"Confirm Print"}},
        {{true}, "", {"Confirm Print"}},
        {{true}, "missing/p.pdf", {"Confirm Print", "Oops!"}},
        {{true, false}, "only.pdf", printed},
        {{true, true}, "puzzle.pdf", printed},
    };
    CrosswordPage page;
    QString said; // the last case's last message
    for (const auto& c : cases) {
        BuilderWindow b;
        b.app.dialogs.answers = c.answers;
        if (!c.file.isEmpty())
            b.app.dialogs.printToPdf = {dir.filePath(c.file)};
        b.click("Command2");
        EXPECT_EQ(b.app.dialogs.titles(), c.titles) << c.file.toStdString();
        EXPECT_TRUE(b.app.navigator.opened.empty() && b.window->isVisible());
        page = b.page;
        said = b.app.dialogs.shown.back().text;
        b.app.dialogs.answers = {false};
        QTest::keyClick(b.window.get(), Qt::Key_Escape);
        const bool wasPrinted = c.titles == printed;
        EXPECT_EQ(b.app.navigator.opened.size(), wasPrinted ? 1u : 0u) << c.file.toStdString();
        EXPECT_EQ(b.app.dialogs.titles().size(), c.titles.size() + (wasPrinted ? 0 : 1));
    }
    EXPECT_TRUE(said.contains("\"puzzle.pdf\" and \"puzzle(Answer Key).pdf\""))
        << said.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("only(Answer Key).pdf")));
    // Each job is named after the sheet, as a print queue lists it.
    EXPECT_TRUE(HasPdfTitle(ReadBytes(dir.filePath("puzzle.pdf")), "Sums for Friday"));
    EXPECT_TRUE(HasPdfTitle(ReadBytes(dir.filePath("puzzle(Answer Key).pdf")),
                            "Sums for Friday (Answer Key)"));
    const QString puzzle = PdfText(dir.filePath("puzzle.pdf"));
    if (puzzle.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    // The key's cells are read pixel by pixel in crossword_pages_test.
    for (const auto* list : {&page.across, &page.down})
        for (const ClueEntry& entry : *list)
            EXPECT_TRUE(puzzle.contains(QString::fromStdString(entry.clue))) << entry.clue;
}

// The writers' bytes are the batch command's tests'; here the window picks the form by the name
// chosen, offers the sheet's name and reports a file it cannot write.
TEST(CrossPrint, ExportsThePuzzleAsPdfIpuzOrWebPageAndSaysWhyAFileCannotBeWritten) {
    BuilderWindow b;
    QTemporaryDir dir;
    const struct {
        QString chosen, written, title;
        QByteArray begins;
    } cases[] = {
        {"both", "both.pdf", "Puzzle Saved", "%PDF"}, // no extension: a PDF
        {"puzzle.ipuz", "puzzle.ipuz", "Puzzle Saved", "{"},
        {"puzzle.html", "puzzle.html", "Puzzle Saved", "<!DOCTYPE html>"},
        {"gone/puzzle.ipuz", "gone/puzzle.ipuz", "Oops!", ""},
    };
    for (const auto& c : cases) {
        b.app.dialogs.files = {dir.filePath(c.chosen)};
        b.app.dialogs.answers = {true};
        b.click("ExportButton");
        EXPECT_EQ(b.app.dialogs.titles().back(), c.title) << c.chosen.toStdString();
        EXPECT_EQ(ReadBytes(dir.filePath(c.written)).left(c.begins.size()), c.begins)
            << c.chosen.toStdString();
    }
    EXPECT_TRUE(
        b.app.dialogs.ofKind("saveFile").back().arguments.front().endsWith("/Sums for Friday.pdf"));
    EXPECT_TRUE(b.app.dialogs.shown.back().text.contains("gone"));
    EXPECT_TRUE(b.window->isVisible());
    QTest::keyClick(b.window.get(), Qt::Key_Escape); // exported: nothing to ask
    EXPECT_EQ(b.app.navigator.opened.size(), 1u);
    EXPECT_NE(b.app.dialogs.titles().back(), "Discard Puzzle?");
    if (const QString text = PdfText(dir.filePath("both.pdf")); !text.isEmpty()) {
        EXPECT_EQ(text.count("Sums for Friday"), 2) << "the puzzle and its key";
    }
}
