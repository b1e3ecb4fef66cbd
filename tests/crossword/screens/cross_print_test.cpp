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
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>

using namespace abacore;

namespace {

// Each entry line as the lists print it, without its leading blank.
QStringList EntryLines(const CrosswordPage& page) {
    QStringList lines;
    for (const auto* list : {&page.across, &page.down})
        for (const ClueEntry& entry : *list)
            lines << QString::fromStdString(EntryLine(entry.number, entry.clue)).trimmed();
    return lines;
}

int DigitCells(const CrosswordPage& page) {
    int digits = 0;
    for (const PageCell& cell : page.cells)
        digits += !cell.isEmpty() && cell.character != "-";
    return digits;
}

// "Choose picture...": the picture window over the builder window, the crossword's picture
// types in the program folder; `name` is clicked and added, as a user does.
void AddPicture(BuilderWindow& b, const QString& name) {
    b.click("Command4");
    AddPic* pic = nullptr;
    for (AddPic* open : b.window->findChildren<AddPic*>())
        if (open->isVisible())
            pic = open;
    ASSERT_TRUE(pic);
    EXPECT_TRUE(pic->isModal());
    auto* files = pic->findChild<QListWidget*>("File1");
    const auto found = files->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualItemRect(found[0]).center());
    pic->findChild<QPushButton*>("Command1")->click();
    EXPECT_FALSE(pic->isVisible());
}

} // namespace

// A colour hides the picture and the "Choose picture..." button; the picture option shows both
// again, on white, with the picture chosen earlier.
TEST(CrossPrint, BackgroundOptionsColourBothGridsAndAColourHidesThePicture) {
    BuilderWindow b;
    CrossWord& display = b.display();
    display.resize(546, 450);
    auto* choose = b.get<QPushButton>("Command4");
    auto* preview = b.get<CrosswordView>("PuzzlePreview");
    EXPECT_FALSE(choose->isVisible());

    // An option by its caption, as a user clicks it.
    b.click("ColorLabel_7");
    EXPECT_TRUE(b.get<QRadioButton>("Coloroption_7")->isChecked());
    EXPECT_EQ(PixelOf(*preview, {1, 1}), QColor(255, 0, 255));
    b.click("ColorLabel_4"); // Blue
    b.click("Coloroption_8");
    EXPECT_TRUE(choose->isVisible());
    EXPECT_EQ(PixelOf(display, {1, 1}), QColor(Qt::white));

    b.app.request.ClipArtForWorksheet = true;
    SolidPicture(b.folder.file("red.bmp"), QColor(200, 0, 0));
    AddPicture(b, "red.bmp");
    EXPECT_FALSE(b.app.request.ClipArtForWorksheet);
    EXPECT_EQ(PixelOf(display, {1, 1}), QColor(200, 0, 0));
    EXPECT_EQ(PixelOf(*preview, {1, 1}), QColor(200, 0, 0));

    b.click("ColorLabel_2"); // Grey
    EXPECT_FALSE(choose->isVisible());
    EXPECT_EQ(PixelOf(display, {1, 1}), QColor(192, 192, 192));
    b.click("Coloroption_8");
    EXPECT_EQ(PixelOf(display, {1, 1}), QColor(200, 0, 0)) << "the picture is kept";
}

// The window lists the clues; "View Puzzle" shows the answer display until a click or a key.
TEST(CrossPrint, ViewPuzzleShowsTheAnswerDisplayUntilAClickOrAKey) {
    BuilderWindow b;
    // The window fits a 1024 by 768 screen.
    EXPECT_TRUE(b.window->minimumWidth() <= 1024 && b.window->minimumHeight() <= 768 - 40);
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
}

// Yes, a PDF file chosen in the print dialog, Yes: the puzzle and its key in two files, the
// message naming them, and the main menu. No, Cancel in the print dialog or a file the printer
// cannot write leave the window open; No to the key still ends in the main menu.
TEST(CrossPrint, PrintsThePuzzleAndOnRequestItsKeyOrStaysOpenWhenRefused) {
    QTemporaryDir dir;
    const QStringList printed{"Confirm Print", "Answer Key?", "Puzzle printed."};
    const struct {
        std::deque<bool> answers;
        QString file; // empty: Cancel in the print dialog
        QStringList titles;
        size_t screensOpened;
    } cases[] = {
        {{false}, "", {"Confirm Print"}, 0},
        {{true}, "", {"Confirm Print"}, 0},
        {{true}, "missing/p.pdf", {"Confirm Print", "Oops!"}, 0},
        {{true, false}, "only.pdf", printed, 1},
        {{true, true}, "puzzle.pdf", printed, 1},
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
        EXPECT_EQ(b.app.navigator.opened.size(), c.screensOpened) << c.file.toStdString();
        page = b.page;
        said = b.app.dialogs.shown.back().text;
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
    for (const QString& line : EntryLines(page))
        EXPECT_TRUE(puzzle.contains(line)) << line.toStdString();
    // The printed grid holds the entry numbers, not the answers.
    const QString key = PdfText(dir.filePath("puzzle(Answer Key).pdf"));
    EXPECT_TRUE(key.contains("Sums for Friday"));
    EXPECT_EQ(key.count(QRegularExpression("\\d")), DigitCells(page));
}

TEST(CrossPrint, ExitEndsTheProgram) {
    BuilderWindow b;
    b.click("Command3");
    EXPECT_TRUE(b.app.navigator.quitRequested);
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
    if (const QString text = PdfText(dir.filePath("both.pdf")); !text.isEmpty()) {
        EXPECT_EQ(text.count("Sums for Friday"), 2) << "the puzzle and its key";
    }
}
