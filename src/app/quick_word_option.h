#pragma once
// The QuickWord option screen: switches the QuickWord feature on with a chosen word processor,
// or off, by rewriting line 3 of the settings file, and then ends the program so that the new
// setting is read at the next start.

#include "core/settings_file.h"

#include <QDialog>
#include <filesystem>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;

namespace abacore {

struct AppContext;

class QuickWordOption final : public QDialog {
    Q_OBJECT
public:
    explicit QuickWordOption(AppContext& context, QWidget* parent = nullptr);

    // False when the settings file could not be read; the user has been told and the program
    // is ending, so the screen should not be shown.
    bool isUsable() const { return m_usable; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checksClicked();
    void confirm();
    bool writeSettings();

    AppContext& m_context;
    QCheckBox* m_checks = nullptr;
    QLabel* m_label1 = nullptr;
    std::filesystem::path m_file;
    SettingsLines m_lines;
    std::string m_rememberedPath;
    std::optional<QString> m_chosenProgram; // what the file dialog returned last
    bool m_usable = false;
};

} // namespace abacore
