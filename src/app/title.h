#pragma once
// The main menu: the first window of the program and the one every "Go Back" chain ends in.
// Each time it is shown it prepares the program's surroundings (background, program folder,
// settings file, QuickWord setting, worksheets folder), then offers the seven activities and a
// toolbar with the QuickWord option, the About box and Quit.

#include "core/worksheet_request.h"

#include <QImage>
#include <QMainWindow>
#include <future>

namespace abacore {

struct AppContext;

class Title final : public QMainWindow {
    Q_OBJECT
public:
    explicit Title(AppContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runOpeningSequence();
    void chooseActivity(Activity activity);
    void openQuickWordOption();
    void openAbout();
    void openSheetCode();

    AppContext& m_context;
    // The background picture, decoded in the background while the window is made.
    std::future<QImage> m_picture;
};

} // namespace abacore
