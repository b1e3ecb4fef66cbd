#pragma once
// A crossword builder window over a real, seeded crossword, in a temporary program folder.

#include "../../wizard/screens/wizard_test_helpers.h"
#include "../crossword_request.h"
#include "crossword/crossword_page.h"
#include "crossword/screens/cross_print.h"
#include "crossword/screens/crossword_view.h"
#include "maker/version_maker.h"
#include "program_folder_fixture.h"

#include <QImage>
#include <memory>
#include <string>

namespace abacore {

struct BuilderWindow {
    ProgramFolder folder;
    TestApp app;
    CrosswordPage page;
    std::unique_ptr<CrossPrint> window;

    explicit BuilderWindow(int16_t count = 12, Skill skill = Skill::Addition) {
        app.request = CrosswordRequest(skill, 0, 1000, 0, 1000, count);
        app.request.Heading = "Sums for Friday"; // not the default heading
        app.request.ProgramFolder = folder.path().toStdString();
        page = std::get<MadeVersions>(MakeVersions(app.request, app.random)).puzzles.front();
        window = std::make_unique<CrossPrint>(app.context, page);
        ShowActive(*window);
    }
    template <typename T = QWidget> T* get(const QString& name) {
        return Control<T>(*window, name);
    }
    void click(const QString& name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    CrossWord& display() { return *window->findChild<CrossWord*>(QStringLiteral("CrossWord")); }
};

// The colour of a widget's pixel as the user sees it.
inline QColor PixelOf(QWidget& widget, QPoint at) {
    return widget.grab().toImage().pixelColor(at);
}

} // namespace abacore
