#include "wizard/screens/number_box.h"

#include <QLineEdit>
#include <algorithm>

namespace abacore {

NumberBox::NumberBox(QWidget* parent) : QAbstractSpinBox(parent) {}

void NumberBox::setRange(int lowest, int highest) {
    m_lowest = lowest;
    m_highest = highest;
    setPosition(m_position);
}

void NumberBox::setPosition(int position) {
    m_position = std::clamp(position, m_lowest, m_highest);
}

void NumberBox::setText(const QString& text) {
    lineEdit()->setText(text);
}

void NumberBox::stepBy(int steps) {
    if (m_check && !m_check())
        return;
    // Also a step stopped at an end fills a box left empty by an invalid entry.
    setPosition(m_position + steps);
    setText(QString::number(m_position));
}

} // namespace abacore
