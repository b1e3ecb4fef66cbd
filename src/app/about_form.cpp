#include "app/about_form.h"

#include "app/brand_label.h"
#include "core/program_messages.h"
#include "core/worksheet_request.h"
#include "ui/app_context.h"
#include "ui/screen_helpers.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace abacore {

AboutForm::AboutForm(const DataFolders& folders, QWidget* parent) : QDialog(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About Abacore--Drill"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(4);
    layout->addWidget(MakeBrandLabel("Label1", QStringLiteral("Abacore"), 30, true, false, this));
    layout->addWidget(
        MakeBrandLabel("Label2", QStringLiteral("-Drill Edition-"), 15, false, true, this));
    layout->addSpacing(8);
    layout->addWidget(
        MakeBrandLabel("Label5", QStringLiteral("Version 1.0"), 11, false, false, this));
    layout->addSpacing(8);
    auto* note = new QLabel(QString::fromStdString(ProgramText::OwnDataFilesNote(
                                folders.own.string(), folders.shipped.string())),
                            this);
    note->setObjectName(QStringLiteral("DataFilesNote"));
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse); // the folder names can be copied
    QFont small = note->font();
    small.setPointSize(8);
    note->setFont(small);
    layout->addWidget(note);
    layout->addStretch(1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    ok->setFixedWidth(90);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    setFixedSize(360, 320);
    SetBackgroundPicture(this, folders);
    CentreOnScreen(this);
}

bool AboutForm::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    // The box is only a glance: it goes away once the user turns to another window.
    if (event->type() == QEvent::WindowDeactivate && isVisible())
        close();
    return handled;
}

void ShowAboutBox(AppContext& context, QWidget* parent) {
    // The box deletes itself when it closes.
    auto* about = new AboutForm(DataFoldersOf(context.request), parent);
    about->show();
}

} // namespace abacore
