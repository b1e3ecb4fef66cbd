#pragma once
// The program's name in the main menu and the About box, in one look.

#include <QString>

class QLabel;
class QWidget;

namespace abacore {

QLabel* MakeBrandLabel(const char* name, const QString& text, int pointSize, bool bold, bool italic,
                       QWidget* parent);

} // namespace abacore
