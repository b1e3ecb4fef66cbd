#pragma once
// The main menu's toolbar pictures, drawn here so that they look the same on every desktop
// whatever its icon theme.

#include <QIcon>

QIcon QuickWordIcon();
QIcon InfoIcon();
QIcon QuitIcon();
