#pragma once
// The About box: name and version. It closes on "OK" and by itself as soon as the user turns
// to another window, and deletes itself when closed.

#include <QDialog>

#include <string>

namespace abacore {

class AboutForm final : public QDialog {
    Q_OBJECT
public:
    // `programFolder` holds the background picture.
    explicit AboutForm(const std::string& programFolder, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

} // namespace abacore
