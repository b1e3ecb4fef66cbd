#include "ui/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace abacore {

namespace {

// A message box is only as wide as its text and buttons, and window managers cut a title that
// does not fit beside their own icon and buttons ("Oops!" became "O..."). The box sizes itself
// when shown, so the room goes into its layout as an empty item as wide as the title needs.
void MakeRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont font = box.font();
    font.setBold(true); // title bars tend to use a bold face, and a larger one
    font.setPointSizeF(font.pointSizeF() * 1.2);
    const QFontMetrics metrics(font);
    // The frame's icon and its three buttons, with some space between them.
    const int decorations = 6 * (metrics.height() + 6);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + decorations;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void QtDialogs::message(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    MakeRoomForTitle(box);
    box.exec();
}

bool QtDialogs::question(QWidget* parent, const QString& title, const QString& text,
                         DefaultAnswer preselected) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    MakeRoomForTitle(box);
    box.setDefaultButton(preselected == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
    // The questions cannot be cancelled: Escape answers No.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::input(QWidget* parent, const QString& title,
                                        const QString& prompt, const QString& defaultText,
                                        const QString& fieldName) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // A long explanation wraps instead of widening the box past a small screen.
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setWordWrap(true);
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 60);
    }
    // A prompt that explains is read after the field's name, not as its name at every focus;
    // the dialog links its prompt to the field as it lays itself out on showing.
    QTimer::singleShot(0, &dialog, [&dialog, &fieldName, &prompt] {
        if (auto* field = dialog.findChild<QLineEdit*>()) {
            field->setAccessibleName(fieldName);
            field->setAccessibleDescription(prompt);
        }
        for (auto* label : dialog.findChildren<QLabel*>())
            label->setBuddy(nullptr);
    });
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtDialogs::openFile(QWidget* parent, const QString& title,
                                           const QString& filter, const QString& startFolder) {
    const QString path = QFileDialog::getOpenFileName(parent, title, startFolder, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtDialogs::saveFile(QWidget* parent, const QString& title,
                                           const QString& filter, const QString& suggestedPath) {
    const QString path = QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

namespace {

// Qt's preview leaves its pages, its zoom and its page number unnamed and its toolbar out of the
// Tab order with no keys: they are named, the toolbar's buttons join the Tab order, and its
// commands get keys (said in their tips, which readers give as descriptions).
void MakeReadable(QPrintPreviewDialog& dialog) {
    const std::pair<const char*, QKeySequence> keys[] = {
        {"First page", QKeySequence(Qt::CTRL | Qt::Key_Home)},
        {"Previous page", QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        {"Next page", QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        {"Last page", QKeySequence(Qt::CTRL | Qt::Key_End)},
        {"Zoom in", QKeySequence(QKeySequence::ZoomIn)},
        {"Zoom out", QKeySequence(QKeySequence::ZoomOut)},
        {"Fit page", QKeySequence(Qt::CTRL | Qt::Key_0)},
        {"Print", QKeySequence(QKeySequence::Print)},
    };
    for (QAction* action : dialog.findChildren<QAction*>())
        for (const auto& [text, key] : keys)
            if (action->text() == QLatin1String(text)) {
                action->setShortcut(key);
                action->setToolTip(QStringLiteral("%1 (%2)").arg(
                    action->text(), key.toString(QKeySequence::NativeText)));
            }
    if (auto* tools = dialog.findChild<QToolBar*>()) {
        tools->setAccessibleName(QStringLiteral("Preview tools"));
        for (auto* button : tools->findChildren<QToolButton*>())
            button->setFocusPolicy(Qt::TabFocus);
        // The button that shows the tools a narrow window has no room for.
        if (auto* more = tools->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
            more->setAccessibleName(QStringLiteral("More tools"));
    }
    if (auto* zoom = dialog.findChild<QComboBox*>()) {
        zoom->setAccessibleName(QStringLiteral("Zoom"));
        if (zoom->lineEdit())
            zoom->lineEdit()->setAccessibleName(zoom->accessibleName());
    }
    QLineEdit* pageNumber = nullptr;
    for (auto* field : dialog.findChildren<QLineEdit*>())
        if (field->accessibleName().isEmpty()) {
            field->setAccessibleName(QStringLiteral("Page number"));
            pageNumber = field;
        }
    if (auto* pages = dialog.findChild<QPrintPreviewWidget*>()) {
        pages->setAccessibleName(QStringLiteral("Pages"));
        for (auto* part : pages->findChildren<QWidget*>())
            part->setAccessibleName(pages->accessibleName());
        // The count beside the field ("/ 2") is a label tied to nothing: the field says it.
        if (pageNumber)
            QObject::connect(pages, &QPrintPreviewWidget::previewChanged, pageNumber,
                             [pages, pageNumber] {
                                 const int count = pages->pageCount();
                                 pageNumber->setAccessibleDescription(
                                     count == 1 ? QStringLiteral("of 1 page")
                                                : QStringLiteral("of %1 pages").arg(count));
                             });
    }
}

} // namespace

void QtDialogs::printPreview(QWidget* parent, QPrinter& printer,
                             const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    MakeReadable(dialog);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* p) { paint(p); });
    dialog.exec();
}

void QtDialogs::beep() {
    QApplication::beep();
}

bool QtDialogs::startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace abacore
