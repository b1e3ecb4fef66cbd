#pragma once
// The riddle screen of the secret riddle worksheet: the riddles of the riddle file one at a
// time, or one the user types. Its "Continue" starts the document.

#include "ui/wizard_screen.h"
#include "worksheet/riddle_file.h"

#include <vector>

class QLineEdit;

namespace abacore {

class ChooseRiddle : public WizardScreen {
    Q_OBJECT
public:
    explicit ChooseRiddle(AppContext& context, QWidget* parent = nullptr);

protected:
    void confirm() override;

private:
    void step(int direction);
    void showRiddle(); // the file's riddle m_index
    void show(const Riddle& riddle);

    QLineEdit* m_riddle = nullptr;
    QLineEdit* m_punchLine = nullptr;
    std::vector<Riddle> m_riddles; // in file order
    int m_index = 0;
};

} // namespace abacore
