#include "../../worksheet/screens/quiz_form_fixture.h"
#include "clipart/screens/add_pic.h"
#include "test_pictures.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace abacore;

namespace {

QStringList Items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text().trimmed();
    return out;
}

// A click on the entry, as with the mouse.
void Click(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list->scrollToItem(found[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found[0]).center());
}

// One click on a folder of the folder list, as with the mouse.
void Click(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    tree->scrollToItem(found.back());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(found.back()).center());
}

class AddPicTest : public QuizFormTest {
protected:
    void SetUp() override {
        QuizFormTest::SetUp();
        bitmap = WritePicture(folder.file("a.bmp"), 120, 80, "bmp");
        WritePicture(folder.file("B.BMP"), 10, 10, "bmp");
        WritePicture(folder.file("c.jpg"), 64, 48, "jpeg");
        WritePicture(folder.file("e.ico"), 16, 16, "ico");
        WritePicture(folder.file("f.png"), 30, 20, "png");
        WriteBytes(folder.file("fake.bmp"), "A text file with a picture's name.\n");
        WriteBytes(folder.file("notes.txt"), "notes\n");
        QDir(folder.path()).mkpath("art/old");
        WritePicture(folder.file("art/d.bmp"), 20, 20, "bmp");
    }

    // Clicks "Clipart" with the worksheet's insertion point at `position`.
    AddPic* clipart(int position) {
        QTextCursor cursor = quizBox()->textCursor();
        cursor.setPosition(position);
        quizBox()->setTextCursor(cursor);
        button("Clipart")->trigger();
        return window->findChild<AddPic*>();
    }
    static QListWidget* files(AddPic* w) { return w->findChild<QListWidget*>("File1"); }
    static QTreeWidget* folders(AddPic* w) { return w->findChild<QTreeWidget*>("Dir1"); }
    static QComboBox* drives(AddPic* w) { return w->findChild<QComboBox*>("Drive1"); }
    static QComboBox* types(AddPic* w) { return w->findChild<QComboBox*>("PictureType"); }
    static QLabel* preview(AddPic* w) { return w->findChild<QLabel*>("Image1"); }
    static QPushButton* add(AddPic* w) { return w->findChild<QPushButton*>("Command1"); }
    static bool previewShown(AddPic* w) { return preview(w)->isVisibleTo(w); }

    QImage bitmap;
};

} // namespace

TEST_F(AddPicTest, OpensOnTheProgramFolderOffersEveryPictureAndPreviewsAClickedFile) {
    open();
    window->show();
    AddPic* pic = clipart(body());
    ASSERT_TRUE(pic);
    EXPECT_TRUE(pic->isVisible());
    EXPECT_TRUE(app.request.ClipArtForWorksheet);
    button("Clipart")->trigger(); // one picture window at a time
    EXPECT_EQ(window->findChildren<AddPic*>().size(), 1);

    EXPECT_EQ(pic->folder(), folder.path().toStdString());
    const QStringList pictures{"a.bmp", "B.BMP", "c.jpg", "e.ico", "f.png", "fake.bmp"};
    EXPECT_EQ(Items(files(pic)), pictures);
    // One type at a time, its filter in sight.
    EXPECT_EQ(types(pic)->currentText().left(15), "All pictures (*");
    const int png = types(pic)->findText("PNG (*.png)");
    ASSERT_GE(png, 0);
    types(pic)->setCurrentIndex(png);
    EXPECT_EQ(Items(files(pic)), QStringList{"f.png"});
    types(pic)->setCurrentIndex(0);
    EXPECT_EQ(Items(files(pic)), pictures);
    // The program folder chosen in the folder list, its folders below it.
    EXPECT_EQ(folders(pic)->currentItem()->text(0), QDir(folder.path()).dirName());
    EXPECT_FALSE(previewShown(pic) || add(pic)->isEnabled());

    // A file that is no picture is reported and cannot be added.
    Click(files(pic), "fake.bmp");
    ASSERT_EQ(app.dialogs.titles(), QStringList{"Oops!"});
    EXPECT_TRUE(app.dialogs.shown.back().text.contains("fake.bmp"));
    EXPECT_FALSE(previewShown(pic) || add(pic)->isEnabled());

    Click(files(pic), "a.bmp");
    EXPECT_TRUE(previewShown(pic) && add(pic)->isEnabled());
    EXPECT_EQ(preview(pic)->pixmap().size(), QSize(120, 80));

    // One click opens another folder and hides the preview until a file is clicked again.
    Click(folders(pic), "art");
    EXPECT_EQ(pic->folder(), folder.file("art").toStdString());
    EXPECT_EQ(Items(files(pic)), QStringList{"d.bmp"});
    EXPECT_FALSE(previewShown(pic) || add(pic)->isEnabled());
    Click(files(pic), "d.bmp");
    EXPECT_TRUE(previewShown(pic));
    // So does another drive.
    const int root = drives(pic)->findText("/", Qt::MatchExactly);
    ASSERT_GE(root, 0);
    drives(pic)->setCurrentIndex(root);
    Q_EMIT drives(pic)->activated(root);
    EXPECT_EQ(pic->folder(), "/");
    EXPECT_FALSE(previewShown(pic) || add(pic)->isEnabled());
    EXPECT_EQ(app.dialogs.shown.size(), 1u);
}

// The picture goes in where the insertion point stood, shows in the editor and stays through
// the view switches (the bridge tests carry it on to the saved file; the crossword's window
// receives it in cross_print_test).
TEST_F(AddPicTest, TheAddedPictureIsInTheWorksheetAtTheInsertionPoint) {
    open();
    window->show();
    const QString before = quizBox()->toPlainText();
    const int at = body();
    QPointer<AddPic> pic = clipart(at);
    Click(files(pic), "a.bmp");
    add(pic)->click();
    EXPECT_TRUE(pic.isNull() || !pic->isVisible());
    EXPECT_TRUE(app.dialogs.shown.empty());

    EXPECT_EQ(quizBox()->toPlainText(),
              before.left(at) + QChar::ObjectReplacementCharacter + before.mid(at));
    EXPECT_EQ(quizBox()->textCursor().position(), at + 1);
    EXPECT_TRUE(quizBox()->document()->isModified());
    QTextCursor image(quizBox()->document());
    image.setPosition(at + 1);
    ASSERT_TRUE(image.charFormat().isImageFormat());
    const QImage shown = quizBox()
                             ->document()
                             ->resource(QTextDocument::ImageResource,
                                        QUrl(image.charFormat().toImageFormat().name()))
                             .value<QImage>();
    EXPECT_TRUE(SamePixels(shown, bitmap));

    button("Answers")->trigger();
    button("Worksheet")->trigger();
    EXPECT_EQ(quizBox()->toPlainText(),
              before.left(at) + QChar::ObjectReplacementCharacter + before.mid(at));
}

TEST_F(AddPicTest, AFileThatFailsWhenAddedGivesTheErrorMessageAndChangesNothing) {
    open();
    window->show();
    const QString before = quizBox()->toPlainText();
    QPointer<AddPic> pic = clipart(body());
    Click(files(pic), "a.bmp");
    ASSERT_TRUE(add(pic)->isEnabled());
    // The file turns into something else between the click and "Add This Picture".
    WriteBytes(folder.file("a.bmp"), "no longer a picture");
    add(pic)->click();
    ASSERT_EQ(app.dialogs.titles(), QStringList{"Error:"});
    EXPECT_TRUE(pic.isNull() || !pic->isVisible());
    EXPECT_EQ(quizBox()->toPlainText(), before);
    EXPECT_FALSE(quizBox()->document()->isModified());

    // Cancel changes nothing either.
    pic = clipart(0);
    Click(files(pic), "B.BMP");
    pic->findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(quizBox()->toPlainText(), before);
}
