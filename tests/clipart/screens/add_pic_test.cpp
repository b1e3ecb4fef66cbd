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
        WritePicture(folder.file("f.png"), 30, 20, "png");
        WriteBytes(folder.file("fake.bmp"), "A text file with a picture's name.\n");
        QDir(folder.path()).mkpath("art");
        WritePicture(folder.file("art/d.bmp"), 20, 20, "bmp");
        open();
        window->show();
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
    static QLabel* preview(AddPic* w) { return w->findChild<QLabel*>("Image1"); }
    static QPushButton* add(AddPic* w) { return w->findChild<QPushButton*>("Command1"); }
    static bool previewShown(AddPic* w) { return preview(w)->isVisibleTo(w); }

    QImage bitmap;
};

} // namespace

// Listing by type and letter case and the drives are the clipart logic's; here, what the
// window does with them.
TEST_F(AddPicTest, TypeFolderAndDriveChangeTheListAndHideThePreviewABadFileIsNamed) {
    AddPic* pic = clipart(body());
    ASSERT_TRUE(pic);
    button("Clipart")->trigger(); // one picture window at a time
    EXPECT_EQ(window->findChildren<AddPic*>().size(), 1);
    auto* types = pic->findChild<QComboBox*>("PictureType");
    types->setCurrentIndex(types->findText("PNG (*.png)"));
    EXPECT_EQ(Items(files(pic)), QStringList{"f.png"});
    types->setCurrentIndex(0);

    Click(files(pic), "fake.bmp");
    ASSERT_EQ(app.dialogs.titles(), QStringList{"Oops!"});
    EXPECT_TRUE(app.dialogs.shown.back().text.contains("fake.bmp"));
    EXPECT_FALSE(previewShown(pic) || add(pic)->isEnabled());

    Click(files(pic), "a.bmp");
    EXPECT_EQ(preview(pic)->pixmap().size(), QSize(120, 80));
    Click(pic->findChild<QTreeWidget*>("Dir1"), "art");
    EXPECT_EQ(Items(files(pic)), QStringList{"d.bmp"});
    EXPECT_FALSE(previewShown(pic) || add(pic)->isEnabled());
    auto* drives = pic->findChild<QComboBox*>("Drive1");
    const int root = drives->findText("/", Qt::MatchExactly);
    drives->setCurrentIndex(root);
    Q_EMIT drives->activated(root);
    EXPECT_EQ(pic->folder(), "/");
}

// A file that stopped being a picture after its click, and Cancel, change nothing; a good
// picture goes in where the insertion point stood and stays through the view switch.
TEST_F(AddPicTest, OnlyAnAddedReadablePictureGoesInAtTheInsertionPoint) {
    const QString before = quizBox()->toPlainText();
    QPointer<AddPic> pic = clipart(body());
    Click(files(pic), "f.png");
    WriteBytes(folder.file("f.png"), "no longer a picture");
    add(pic)->click();
    ASSERT_EQ(app.dialogs.titles(), QStringList{"Error:"});
    EXPECT_EQ(quizBox()->toPlainText(), before);
    EXPECT_FALSE(quizBox()->document()->isModified());

    pic = clipart(0);
    Click(files(pic), "a.bmp");
    pic->findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(quizBox()->toPlainText(), before);

    const int at = body();
    pic = clipart(at);
    Click(files(pic), "a.bmp");
    add(pic)->click();
    EXPECT_TRUE(pic.isNull() || !pic->isVisible());
    button("Answers")->trigger();
    button("Worksheet")->trigger();
    EXPECT_EQ(quizBox()->toPlainText(),
              before.left(at) + QChar::ObjectReplacementCharacter + before.mid(at));
    QTextCursor image(quizBox()->document());
    image.setPosition(at + 1);
    ASSERT_TRUE(image.charFormat().isImageFormat());
    const QImage shown = quizBox()
                             ->document()
                             ->resource(QTextDocument::ImageResource,
                                        QUrl(image.charFormat().toImageFormat().name()))
                             .value<QImage>();
    EXPECT_TRUE(SamePixels(shown, bitmap));
    EXPECT_EQ(app.dialogs.shown.size(), 1u);
}
