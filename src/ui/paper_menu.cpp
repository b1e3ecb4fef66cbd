#include "ui/paper_menu.h"

#include "core/failure.h"
#include "core/utf8.h"
#include "core/worksheet_request.h"
#include "ui/app_context.h"
#include "ui/dialogs.h"
#include "ui/qt_text.h"

#include <QActionGroup>
#include <QMenu>
#include <utility>

namespace abacore {

QMenu* AddPaperMenu(QMenu* parent, QWidget* window, AppContext& context,
                    std::function<void()> changed) {
    QMenu* menu = parent->addMenu(QStringLiteral("Pape&r"));
    menu->setObjectName(QStringLiteral("Paper"));
    auto* group = new QActionGroup(menu);
    const std::pair<Paper, QString> choices[] = {
        {Paper::A4, QStringLiteral("&A4 (210 x 297 mm)")},
        {Paper::Letter, QStringLiteral("&Letter (8.5 x 11 in)")}};
    for (const auto& [paper, caption] : choices) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("Paper_") + QText(std::string(PaperName(paper))));
        action->setCheckable(true);
        action->setChecked(context.request.PaperSize == paper);
        group->addAction(action);
        QObject::connect(
            action, &QAction::triggered, menu, [&context, changed, paper = paper, window] {
                if (context.request.PaperSize == paper)
                    return;
                context.request.PaperSize = paper;
                changed();
                try {
                    RememberPaper(context.request.ProgramFolder, paper);
                } catch (const Failure& e) {
                    context.dialogs.message(
                        window, QStringLiteral("Oops!"),
                        QStringLiteral("The paper is used now, but could not be remembered for the "
                                       "next start. %1")
                            .arg(QText(WithBadBytesEscaped(e.what()))));
                }
            });
    }
    return menu;
}

} // namespace abacore
