#pragma once
// The choices that shape problems to a lesson, on the range screen: regrouping, an answer
// range, chosen facts and no repeats, each shown only where the activity and skills take it.
// Every change goes straight into the request, so "Go Back" and a later return keep it.

#include "core/worksheet_request.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace abacore {

class ProblemChoicesPanel : public QWidget {
    Q_OBJECT
public:
    explicit ProblemChoicesPanel(WorksheetRequest& request, QWidget* parent = nullptr);

private:
    void store();

    WorksheetRequest& m_request;
    QComboBox* m_regrouping = nullptr;
    QCheckBox* m_answerLimit = nullptr;
    QSpinBox* m_answerMin = nullptr;
    QSpinBox* m_answerMax = nullptr;
    std::array<QCheckBox*, 12> m_facts{};
    QCheckBox* m_noRepeats = nullptr;
};

} // namespace abacore
