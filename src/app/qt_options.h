#pragma once
// Qt's own command-line options (-style Fusion, -platform xcb, -reverse, ...), which every Qt
// program takes: QApplication reads them and takes them out of the argument list itself, so the
// program's own option check lets them through instead of refusing them as unknown.

namespace abacore {

// How many arguments from argv[i] on make one of Qt's options ("-style Fusion" is 2,
// "-style=Fusion" and "-reverse" are 1); 0 when argv[i] is not one of them, or lacks its value.
int QtOptionLength(int argc, char** argv, int i);

} // namespace abacore
