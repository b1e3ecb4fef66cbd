#include "clipart/screens/add_pic.h"

#include "clipart/folder_listing.h"
#include "clipart/picture_messages.h"
#include "core/failure.h"
#include "core/program_folder.h"
#include "core/utf8.h"
#include "core/worksheet_request.h"
#include "ui/app_context.h"
#include "ui/dialogs.h"
#include "ui/qt_text.h"
#include "ui/screen_helpers.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

namespace abacore {

namespace {

constexpr int kPreviewSide = 220;

// File names are bytes on this system; Qt shows them in the locale's encoding (losing the bytes
// that are not UTF-8, so a name is only shown this way, never used).
QString FromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A name kept beside the one shown: Qt shows a byte that is not UTF-8 as U+FFFD, which would not
// lead back to the file.
std::string Bytes(const QVariant& kept) {
    return kept.toByteArray().toStdString();
}

QLabel* MakeLabel(const char* name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// The picture types Qt can read here, by their file extensions.
std::vector<std::string> ReadableFormats() {
    std::vector<std::string> formats;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        formats.push_back(format.toLower().toStdString());
    return formats;
}

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setMinimumWidth(button->sizeHint().width() + 16);
    return button;
}

} // namespace

AddPic::AddPic(AppContext& context, Receiver receiver, QWidget* parent, std::vector<Drive> drives)
    : QDialog(parent), m_context(context), m_receiver(std::move(receiver)),
      m_drives(std::move(drives)), m_types(PictureTypes(ReadableFormats())) {
    setObjectName(QStringLiteral("AddPic"));
    setWindowTitle(QStringLiteral("Add A Picture"));

    m_driveList = new QComboBox(this);
    m_driveList->setObjectName(QStringLiteral("Drive1"));
    for (const Drive& drive : m_drives)
        m_driveList->addItem(FromPath(drive.label), FromPath(drive.path));
    // The way down to the folder on show, and the folders in it, as an opened-out tree.
    m_folderList = new QTreeWidget(this);
    m_folderList->setObjectName(QStringLiteral("Dir1"));
    m_folderList->setHeaderHidden(true);
    m_folderList->setRootIsDecorated(false);
    m_folderList->setItemsExpandable(false);
    m_folderList->setIndentation(12);
    m_fileList = new QListWidget(this);
    m_fileList->setObjectName(QStringLiteral("File1"));
    // The types of picture on offer, each with its filter.
    m_typeList = new QComboBox(this);
    m_typeList->setObjectName(QStringLiteral("PictureType"));
    m_typeList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_typeList->setMinimumContentsLength(16);
    m_typeList->setAccessibleName(QStringLiteral("Picture type"));
    for (const PictureType& type : m_types)
        m_typeList->addItem(QText(type.label()), QText(type.pattern));
    if (!m_types.empty())
        m_pattern = m_types.front().pattern;
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("Image1"));
    m_preview->setFixedSize(kPreviewSide, kPreviewSide);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->hide();
    m_add = MakeButton("Command1", QStringLiteral("Add This Picture"), this);
    m_add->setEnabled(false);
    QPushButton* cancel = MakeButton("Command2", QStringLiteral("Cancel"), this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setHorizontalSpacing(14);
    grid->addWidget(MakeLabel("Label3", QStringLiteral("Change Drive:"), this), 0, 0);
    grid->addWidget(m_driveList, 1, 0);
    grid->addWidget(MakeLabel("Label1", QStringLiteral("File Location:"), this), 2, 0);
    grid->addWidget(m_folderList, 3, 0);
    grid->addWidget(MakeLabel("Label2", QStringLiteral("Pictures Available:"), this), 0, 1);
    grid->addWidget(m_fileList, 1, 1, 3, 1);
    grid->addWidget(m_typeList, 4, 1);
    // The preview's place stays free while it is hidden, so the lists do not jump.
    auto* previewArea = new QWidget(this);
    previewArea->setFixedSize(kPreviewSide, kPreviewSide);
    grid->addWidget(previewArea, 1, 2, 3, 1, Qt::AlignTop);
    grid->addWidget(m_preview, 1, 2, 3, 1, Qt::AlignTop);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    // Each list is read out by the caption above it.
    for (const auto& [control, captionName] :
         {std::pair<QWidget*, const char*>{m_driveList, "Label3"},
          {m_folderList, "Label1"},
          {m_fileList, "Label2"}}) {
        auto* caption = findChild<QLabel*>(QString::fromLatin1(captionName));
        caption->setBuddy(control);
        control->setAccessibleName(caption->text().remove(QLatin1Char(':')));
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_add);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 5, 0, 1, 3);

    connect(m_driveList, &QComboBox::activated, this, &AddPic::chooseDrive);
    // One click opens a folder, as Enter does. The click rebuilds the list, so the second click
    // of a double click lands on a new item and only selects it.
    const auto openFolder = [this](QTreeWidgetItem* item) {
        if (item)
            showFolder(Bytes(item->data(0, Qt::UserRole)));
    };
    connect(m_folderList, &QTreeWidget::itemClicked, this, openFolder);
    connect(m_folderList, &QTreeWidget::itemActivated, this, openFolder);
    connect(m_typeList, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_pattern = ToPath(m_typeList->itemData(index).toString());
        hidePreview();
        listFiles();
    });
    connect(m_fileList, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { chooseFile(item); });
    connect(m_add, &QPushButton::clicked, this, &AddPic::addPicture);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    resize(720, 440);
    SetBackgroundPicture(this, DataFoldersOf(context.request));
    CentreOnScreen(this);

    // The program folder is the current folder; without one, the first drive (home).
    std::string start = context.request.ProgramFolder;
    if (start.empty() && !m_drives.empty())
        start = m_drives.front().path;
    if (!m_drives.empty())
        m_driveList->setCurrentIndex(static_cast<int>(DriveOf(m_drives, start)));
    showFolder(start);
}

void AddPic::chooseDrive(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_drives.size())
        return;
    showFolder(m_drives[static_cast<size_t>(index)].path);
}

void AddPic::showFolder(const std::string& folder) {
    hidePreview();
    const int driveIndex = m_driveList->currentIndex();
    const std::string drive = driveIndex >= 0 && static_cast<size_t>(driveIndex) < m_drives.size()
                                  ? m_drives[static_cast<size_t>(driveIndex)].path
                                  : std::string("/");
    const std::vector<FolderEntry> entries = FolderListing(drive, folder);
    m_folder = folder;
    m_folderList->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parent = nullptr;
    for (const FolderEntry& entry : entries) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_folderList);
        item->setText(0, FromPath(entry.name));
        item->setIcon(0, entry.open ? open : closed);
        item->setData(0, Qt::UserRole, QByteArray::fromStdString(entry.path));
        if (entry.open) {
            m_folder = entry.path; // the last open folder is the one on show
            parent = item;
        }
    }
    m_folderList->expandAll();
    if (parent) {
        m_folderList->setCurrentItem(parent);
        m_folderList->scrollToItem(parent);
    }
    listFiles();
}

void AddPic::listFiles() {
    m_fileList->blockSignals(true);
    m_fileList->clear();
    for (const std::string& name : MatchingFiles(m_folder, m_pattern)) {
        auto* item = new QListWidgetItem(FromPath(name), m_fileList);
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    }
    m_fileList->setCurrentRow(-1);
    m_fileList->setToolTip(QText(m_pattern));
    m_fileList->blockSignals(false);
}

void AddPic::hidePreview() {
    m_preview->hide();
    m_preview->clear();
    m_chosen.clear();
    m_add->setEnabled(false);
}

void AddPic::chooseFile(QListWidgetItem* item) {
    hidePreview();
    if (!item)
        return;
    const std::string path = JoinPath(m_folder, Bytes(item->data(Qt::UserRole)));
    try {
        const LoadedPicture loaded = LoadPicture(path);
        m_preview->setPixmap(QPixmap::fromImage(
            loaded.image.width() > kPreviewSide || loaded.image.height() > kPreviewSide
                ? loaded.image.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio,
                                      Qt::SmoothTransformation)
                : loaded.image));
    } catch (const Failure& e) {
        m_context.dialogs.message(this, QText(kPreviewFailedTitle),
                                  QText(PreviewFailedMessage(WithBadBytesEscaped(e.what()))));
        return;
    }
    m_preview->show();
    m_chosen = path;
    m_add->setEnabled(true);
}

void AddPic::addPicture() {
    if (m_chosen.empty())
        return;
    try {
        // Read again: the file may have changed since it was clicked.
        m_receiver(LoadPicture(m_chosen));
    } catch (const Failure&) {
        m_context.dialogs.message(this, QText(kPictureErrorTitle), QText(kPictureErrorText));
    }
    close();
}

AddPic* OpenPictureWindow(AppContext& context, QWidget* parent, AddPic::Receiver receiver) {
    for (AddPic* open : parent->findChildren<AddPic*>(Qt::FindDirectChildrenOnly))
        if (open->isVisible()) {
            open->raise();
            open->activateWindow();
            return open;
        }
    auto* window = new AddPic(context, std::move(receiver), parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
    return window;
}

} // namespace abacore
