#pragma once
// The crossword builder window: the clue lists, the puzzle background (eight colours or a
// picture) with a preview of the printed grid, and the buttons to view, print or export the
// puzzle, to go back to the main menu or to quit. The window stays open after a print, so the
// same puzzle can be exported too. The crossword is built before the window opens.

#include "core/worksheet_request.h"
#include "ui/app_context.h"
#include "ui/crossword_painter.h"

#include <QWidget>
#include <array>

class QPushButton;
class QRadioButton;

namespace abacore {

class CrossWord;
class CrosswordView;

class CrossPrint final : public QWidget {
    Q_OBJECT
public:
    CrossPrint(AppContext& context, CrosswordPage page, QWidget* parent = nullptr);

    const CrosswordLook& look() const { return m_look; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildClueList();
    QWidget* buildBackgroundFrame();
    // Shows background option `selected` on the preview and the answer display.
    void applyBackground(int selected);
    void choosePicture();
    void showLook();
    void viewPuzzle();
    void printPuzzle();
    void exportPuzzle();
    // Leaving discards the puzzle, which cannot be made again: asked unless it was kept.
    bool mayDiscard();

    AppContext& m_context;
    // The request the crossword was made from: a class set is made from it.
    const WorksheetRequest m_openedWith;
    CrosswordPage m_page;
    CrosswordLook m_look;
    bool m_kept = false; // printed or exported
    std::array<QRadioButton*, 9> m_options{};
    QPushButton* m_choosePicture = nullptr;
    CrosswordView* m_preview = nullptr;
    CrossWord* m_display = nullptr;
};

} // namespace abacore
