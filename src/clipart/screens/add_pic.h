#pragma once
// The picture window "Add A Picture": the user picks a drive, a folder and a picture file, sees
// it, and "Add This Picture" hands it to the window that opened this one. The file list offers
// every type of picture that can be read, or the one type chosen below it (clipart/
// picture_pattern.h); one click on a folder opens it. A file that cannot be shown is reported
// when it is clicked and cannot be added; a file that fails when it is added gives the "Error:"
// message, and the opener stays as it was.

#include "clipart/drive_list.h"
#include "clipart/picture_pattern.h"
#include "ui/app_context.h"
#include "ui/picture_loader.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeWidget;

namespace abacore {

struct AppContext;

class AddPic final : public QDialog {
    Q_OBJECT
public:
    using Receiver = PictureReceiver;

    // Opens on the program folder, listing all pictures. `drives` are the drives to list
    // (SystemDrives() by default).
    AddPic(AppContext& context, Receiver receiver, QWidget* parent = nullptr,
           std::vector<Drive> drives = SystemDrives());

    // The folder on show in the folder and file lists.
    const std::string& folder() const { return m_folder; }

private:
    void chooseDrive(int index);
    void showFolder(const std::string& folder);
    void chooseFile(QListWidgetItem* item);
    void addPicture();
    void hidePreview();
    void listFiles();

    AppContext& m_context;
    Receiver m_receiver;
    std::vector<Drive> m_drives;
    std::vector<PictureType> m_types;
    std::string m_pattern;
    std::string m_folder;
    std::string m_chosen; // full path of the clicked file, once it could be shown
    QComboBox* m_driveList = nullptr;
    QTreeWidget* m_folderList = nullptr;
    QListWidget* m_fileList = nullptr;
    QComboBox* m_typeList = nullptr;
    QLabel* m_preview = nullptr;
    QPushButton* m_add = nullptr;
};

// What an opener calls: shows the picture window over `parent`, which it keeps from other
// input until the window closes. An open picture window of `parent` is brought to the front
// instead of opening a second one.
AddPic* OpenPictureWindow(AppContext& context, QWidget* parent, AddPic::Receiver receiver);

} // namespace abacore
