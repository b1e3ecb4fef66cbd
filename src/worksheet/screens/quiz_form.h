#pragma once
// The worksheet window. The documents are built before it opens (worksheet_builder.h); the window
// shows them in two rich-text editors, QuizBox (the worksheet) and AnswerBox (the answer key, on
// view only after the "Answers" button), with font tools acting on the worksheet. The toolbar's
// and menus' output commands live in worksheet_output.h; the rules behind the toolbar and the
// font tools in worksheet/worksheet_toolbar.h and worksheet/editing_tools.h.

#include "worksheet/save_name.h"
#include "worksheet/worksheet_builder.h"
#include "worksheet/worksheet_toolbar.h"

#include <QMainWindow>
#include <QTextCharFormat>
#include <functional>
#include <map>

class QAction;
class QComboBox;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace abacore {

struct AppContext;
struct WorksheetOutput;

class QuizForm : public QMainWindow {
    Q_OBJECT
public:
    QuizForm(AppContext& context, WorksheetDocuments documents, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QToolBar* buildToolbar();
    QWidget* buildFontTools();
    void buildMenus();
    void buildEditMenu();
    // The editor on view: the worksheet, or the answer key after "Answers".
    QTextEdit* shownEditor() const;
    // The Edit menu's commands, enabled as far as they can act on the editor on view.
    void showEditState();
    void fillToolLists();

    void onToolbarButton(ToolbarButtonId button);
    void switchView(WorksheetCommand command);
    WorksheetOutput output();

    void toggleAttribute(const std::function<bool(const QTextCharFormat&)>& has,
                         const std::function<void(QTextCharFormat&, bool)>& set);
    void applyFormat(const QTextCharFormat& format);
    void applyFontName(const QString& name);
    void applyFontSize(const QString& size);
    void applyFontColour(int index);
    void showSelectionFormat();
    void showAbout();
    // Leaving the window: true when nothing is unsaved, or the user agrees to lose it.
    bool mayDiscardEdits();

    AppContext& m_context;
    // The request the sheet was made from: a class set is made from it, whatever happens later.
    const WorksheetRequest m_openedWith;
    // The problems as they were made, for the web page.
    const SheetContent m_content;
    QTextEdit* m_quizBox = nullptr;
    QTextEdit* m_answerBox = nullptr;
    QToolBar* m_toolbar = nullptr;
    std::map<ToolbarButtonId, QAction*> m_buttons;
    QAction* m_viewButton = nullptr;
    QWidget* m_fontTools = nullptr;
    QToolButton* m_boldButton = nullptr;
    QToolButton* m_italicButton = nullptr;
    QToolButton* m_underlineButton = nullptr;
    QComboBox* m_fontName = nullptr;
    QComboBox* m_fontSize = nullptr;
    QComboBox* m_fontColour = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_cut = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_selectAll = nullptr;
    WrittenFiles m_written; // what Save and QuickWord may replace without asking
};

} // namespace abacore
