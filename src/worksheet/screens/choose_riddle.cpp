#include "worksheet/screens/choose_riddle.h"

#include "core/program_folder.h"
#include "core/worksheet_request.h"
#include "ui/clickable_label.h"
#include "ui/dialogs.h"
#include "worksheet/riddle_choice.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace abacore {

namespace {

// The arrow picture beside "Next Riddle" (pointing right) or "Previous Riddle" (left).
QIcon arrowPicture(bool right) {
    const int side = 30;
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1565c0));
    painter.drawEllipse(1, 1, side - 2, side - 2);
    QPainterPath arrow;
    arrow.moveTo(9, 12);
    arrow.lineTo(16, 12);
    arrow.lineTo(16, 7);
    arrow.lineTo(24, 15);
    arrow.lineTo(16, 23);
    arrow.lineTo(16, 18);
    arrow.lineTo(9, 18);
    arrow.closeSubpath();
    if (!right)
        painter.setTransform(QTransform(-1, 0, 0, 1, side, 0));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    return QIcon(picture);
}

// The arrow is a flat button, so it also takes the keyboard focus and answers Space and Return.
QPushButton* arrowButton(const char* name, bool right) {
    auto* button = new QPushButton;
    button->setObjectName(name);
    button->setIcon(arrowPicture(right));
    button->setIconSize(QSize(30, 30));
    button->setFlat(true);
    // A flat button shows no focus of its own: a ring around the arrow does.
    button->setStyleSheet("QPushButton { border: 2px solid transparent; border-radius: 18px;"
                          " padding: 1px; }"
                          "QPushButton:focus { border-color: rgba(21, 101, 192, 170); }"
                          "QPushButton:pressed { background-color: rgba(21, 101, 192, 50); }");
    button->setAutoDefault(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(right ? RiddleChoiceText::kNext : RiddleChoiceText::kPrevious);
    button->setAccessibleName(button->toolTip());
    return button;
}

ClickableLabel* arrowLabel(const char* name, const char* text) {
    auto* label = new ClickableLabel(text);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.1);
    label->setFont(font);
    return label;
}

} // namespace

ChooseRiddle::ChooseRiddle(AppContext& context, QWidget* parent)
    : WizardScreen(context, Screen::ChooseRiddle, RiddleChoiceText::kCaption, QSize(620, 290),
                   parent) {
    auto* prompt = new QLabel(RiddleChoiceText::kPrompt);
    prompt->setObjectName("Label1");
    MakePromptLabel(prompt);
    contentLayout()->addWidget(prompt);
    contentLayout()->addSpacing(12);

    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(10);
    const auto addBox = [&](int row, const char* markName, const char* mark, const char* name,
                            const char* spokenName) {
        auto* label = new QLabel(mark);
        label->setObjectName(markName);
        MakePromptLabel(label);
        auto* box = new QLineEdit;
        box->setObjectName(name);
        // Read out by what it holds; the one-letter mark is left unlinked, or readers would
        // say it first.
        box->setAccessibleName(QString::fromLatin1(spokenName));
        QFont font = box->font();
        font.setPointSizeF(font.pointSizeF() * 1.1);
        box->setFont(font);
        boxes->addWidget(label, row, 0);
        boxes->addWidget(box, row, 1);
        return box;
    };
    m_riddle = addBox(0, "Label2", RiddleChoiceText::kQuestionMark, "RiddleBox", "Riddle");
    m_punchLine = addBox(1, "Label3", RiddleChoiceText::kAnswerMark, "Punchbox", "Punch line");
    contentLayout()->addLayout(boxes);
    contentLayout()->addSpacing(10);

    QPushButton* previous = arrowButton("Image2", false);
    ClickableLabel* previousLabel = arrowLabel("Label5", RiddleChoiceText::kPrevious);
    ClickableLabel* nextLabel = arrowLabel("Label4", RiddleChoiceText::kNext);
    QPushButton* next = arrowButton("Image1", true);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(previous);
    arrows->addWidget(previousLabel);
    arrows->addStretch(1);
    arrows->addWidget(nextLabel);
    arrows->addWidget(next);
    contentLayout()->addLayout(arrows);
    contentLayout()->addStretch(1);

    connect(next, &QPushButton::clicked, this, [this] { step(+1); });
    connect(nextLabel, &ClickableLabel::clicked, this, [this] { step(+1); });
    connect(previous, &QPushButton::clicked, this, [this] { step(-1); });
    connect(previousLabel, &ClickableLabel::clicked, this, [this] { step(-1); });
    // Tab goes from the boxes to the arrows in the order they stand, then to the buttons.
    setTabOrder(m_riddle, m_punchLine);
    setTabOrder(m_punchLine, previous);
    setTabOrder(previous, next);
    setTabOrder(next, goBackButton());
    setTabOrder(goBackButton(), continueButton());

    // The file is read afresh each time the screen opens.
    RiddleFile file = ReadRiddleFile(DataFoldersOf(context.request));
    const std::optional<std::string> notice = RiddleFileNotice(file);
    m_riddles = std::move(file.riddles);
    const RiddleOpening opening = OpenRiddleScreen(context.request, m_riddles);
    m_index = opening.index;
    if (opening.shown)
        show(*opening.shown);
    m_riddle->setFocus();
    // Told once, over the opened screen; the boxes still take a riddle of the user's own.
    if (notice) {
        QTimer::singleShot(0, this, [this, text = QString::fromStdString(*notice)] {
            m_context.dialogs.message(this, RiddleChoiceText::kNoticeTitle, text);
        });
    }
}

void ChooseRiddle::step(int direction) {
    const RiddleStep s = StepRiddle(m_index, direction, static_cast<int>(m_riddles.size()));
    if (s.pastEnd)
        m_context.dialogs.beep();
    m_index = s.index;
    if (s.show)
        showRiddle();
}

void ChooseRiddle::showRiddle() {
    show(m_riddles[static_cast<size_t>(m_index)]);
}

void ChooseRiddle::show(const Riddle& riddle) {
    m_riddle->setText(QString::fromStdString(riddle.question));
    m_punchLine->setText(QString::fromStdString(riddle.punchLine));
    m_riddle->setCursorPosition(0);
    m_punchLine->setCursorPosition(0);
}

void ChooseRiddle::confirm() {
    for (const auto& [field, box] :
         {std::pair{"riddle", m_riddle}, std::pair{"punch line", m_punchLine}})
        if (const auto refusal = RiddleTextRefusal(field, box->text().toStdString())) {
            m_context.dialogs.message(this, RiddleChoiceText::kNoticeTitle,
                                      QString::fromStdString(*refusal));
            box->setFocus();
            return;
        }
    ApplyRiddleChoice(m_context.request, m_riddle->text().toStdString(),
                      m_punchLine->text().toStdString());
    openNext();
}

} // namespace abacore
