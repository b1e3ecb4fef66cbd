#include "ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>

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
                                        const QString& prompt, const QString& defaultText) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // A long explanation wraps instead of widening the box past a small screen.
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setWordWrap(true);
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 60);
    }
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

void QtDialogs::printPreview(QWidget* parent, QPrinter& printer,
                             const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
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
