#include "app/brand_label.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace abacore {

QLabel* MakeBrandLabel(const char* name, const QString& text, int pointSize, bool bold, bool italic,
                       QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    return label;
}

} // namespace abacore
