#pragma once
// The About box: name, version, and where a teacher's own riddles and word problems go. It closes
// on "OK" and by itself as soon as the user turns to another window, and deletes itself when
// closed.

#include "core/program_folder.h"

#include <QDialog>

namespace abacore {

struct AppContext;

class AboutForm final : public QDialog {
    Q_OBJECT
public:
    // `folders` hold the background picture and the data files the box tells about.
    explicit AboutForm(const DataFolders& folders, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

// Shows the About box of the run over `parent`.
void ShowAboutBox(AppContext& context, QWidget* parent);

} // namespace abacore
