// Abacore: Drill Edition.
//
// How the program is put together:
// - src/shell, src/wizard, src/worksheet: the logic, standard C++ only: the request record
//   (WorksheetRequest), the screens' rules, problem generation, the document model, the
//   worksheet builder and the writers.
// - src/*/screens: one Qt window per screen (Title, ChooseSkill ... QuizForm); MakeScreen
//   says which window each screen is.
// - src/ui: the platform layer: Dialogs (every box and dialog), ScreenHost (one screen at a
//   time), the bridge between the document model and Qt's rich text, PDF and printing.
// - src/batch: the `make` command, a front end like the screens.

#include "batch/make_command.h"
#include "shell/screens/screen_factory.h"
#include "shell/worksheet_request.h"
#include "ui/dialogs.h"
#include "ui/screen_host.h"
#include "worksheet/random_source.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

using namespace abacore;

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "make") == 0)
        return RunMakeCommand(argc, argv);

    QString folder;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(UsageText(), stdout);
            return 0;
        }
        if (std::strcmp(arg, "--folder") == 0 && i + 1 < argc) {
            folder = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strncmp(arg, "--folder=", 9) == 0) {
            folder = QString::fromLocal8Bit(arg + 9);
        } else if (arg[0] == '-' && std::strncmp(arg, "-platform", 9) != 0) {
            std::fprintf(stderr, "abacore-drill: unknown option %s (see --help)\n", arg);
            return 2;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Abacore Drill"));
    // The program folder holds the executable and its data files; it is the current folder.
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    if (!QDir::setCurrent(folder)) {
        std::fprintf(stderr, "abacore-drill: the folder %s does not exist\n",
                     folder.toLocal8Bit().constData());
        return 2;
    }

    WorksheetRequest request;
    RandomSource random;
    QtDialogs dialogs;
    ScreenHost host(request, random, dialogs, MakeScreen);
    host.open(Screen::MainMenu);
    if (host.quitRequested())
        return 0;
    return QApplication::exec();
}
