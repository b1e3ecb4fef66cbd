// Abacore: Drill Edition.
//
// How the program is put together, floor by floor (each uses only the floors below it):
// - src/app: the program's top: the main menu (Title), the screen factory (MakeScreen says
//   which window each screen is), the About box and the QuickWord option screen.
//   src/batch: the `make` command, the other front end.
// - src/maker: the one maker of versions, sheets and crosswords alike, for every front end.
// - src/wizard, src/worksheet, src/crossword, src/clipart: the features. Their logic is
//   standard C++ only (the screens' rules, problem generation, the worksheet builder, the
//   crossword's grid); their screens/ folders hold one Qt window per screen.
// - src/ui: the platform layer: Dialogs (every box and dialog), ScreenHost (one screen at a
//   time; features ask it for another screen's window), the bridge between the document model
//   and Qt's rich text, PDF and printing.
// - src/document: the document model, page setup and the writers (RTF, text, web page frame).
// - src/core: the ground: the request record (WorksheetRequest), failures, the one atomic
//   writer, the program folder and its places, the settings file, UTF-8, number texts and the
//   random source.

#include "app/about_form.h"
#include "app/qt_options.h"
#include "app/screen_factory.h"
#include "batch/make_command.h"
#include "batch/make_options.h"
#include "core/output_check.h"
#include "core/paper.h"
#include "core/program_folder.h"
#include "core/program_places.h"
#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "ui/dialogs.h"
#include "ui/font_substitutes.h"
#include "ui/keyboard_access.h"
#include "ui/screen_host.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>
#include <utility>

using namespace abacore;

namespace {

// The terminal holds only the program's own words: Qt's and its libraries' notes (a picture's
// colour profile, a missing display setting) are for their developers. A fatal message is
// still said, as the program stops on it.
void KeepLibraryNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Runs a job once, in the event loop, after the first window has been painted.
class AfterFirstPainting final : public QObject {
public:
    AfterFirstPainting(QApplication& app, std::function<void()> job)
        : QObject(&app), m_job(std::move(job)) {
        app.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_job) {
            QTimer::singleShot(0, this, std::exchange(m_job, nullptr));
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }

private:
    std::function<void()> m_job;
};

// The folder that holds the running executable (and the data files beside it).
std::string ExecutableFolder(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        executable = argv0;
    return ProgramFolderNamed(executable.parent_path()).value_or(executable.parent_path());
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(KeepLibraryNotesQuiet);
    // The program folder is decided here, once, and handed on as a value: the executable's
    // folder, or for an installed copy the user's own, unless --folder names another.
    const UserEnvironment environment = ProcessEnvironment();
    std::optional<ProgramPlaces> places = PlacesOfRun(ExecutableFolder(argv[0]), environment);
    if (!places) {
        std::fputs("abacore-drill: cannot tell your home folder; set HOME\n", stderr);
        return 2;
    }
    AdoptEarlierUserFolder(*places, environment);
    if (argc >= 2 && std::strcmp(argv[1], "make") == 0)
        return RunMakeCommand(argc, argv, *places);

    const char* folder = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(UsageText(), stdout);
            return 0;
        }
        // Not in --help: the build makes the manual page with it, from the same option list.
        if (std::strcmp(arg, "--man") == 0) {
            std::fputs(ManPageText(), stdout);
            return 0;
        }
        if (std::strcmp(arg, "--folder") == 0 && i + 1 < argc) {
            folder = argv[++i];
        } else if (std::strncmp(arg, "--folder=", 9) == 0) {
            folder = arg + 9;
        } else if (const int qtOption = QtOptionLength(argc, argv, i); qtOption > 0) {
            i += qtOption - 1; // QApplication takes it
        } else if (arg[0] == '-') {
            std::fprintf(stderr, "abacore-drill: unknown option %s (see --help)\n", arg);
            return 2;
        }
    }

    WorksheetRequest request;
    // The system's paper, until the teacher's own choice is read with the other settings.
    request.PaperSize = SystemPaper(MachinePaperSources());
    if (!folder || !*folder) {
        RecordPlaces(request, *places);
    } else if (const auto named = ProgramFolderNamed(folder)) {
        RecordPlaces(request, {*named, {}, {}});
    } else {
        std::fprintf(stderr, "abacore-drill: %s\n",
                     EscapedForTerminal(NoProgramFolderMessage(folder)).c_str());
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Abacore Drill"));
    InstallFontSubstitutes();
    SetUpKeyboardAccess(app);
    // The menu entry and the icon of an installed copy; desktops match windows to it by name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.abacore.drill"));
    // The desktop's font list is read by the first text laid out. Read in another thread while
    // the menu is made (and reaches the desktop's accessibility bus), it is ready, or nearly, by
    // the time the menu is laid out. The font database may be used from any thread; the font
    // substitutes are in place before, as nothing guards them.
    const std::jthread readFonts([] { QFontDatabase::families(); });
    RandomSource random;
    QtDialogs dialogs;
    ScreenHost host(request, random, dialogs, MakeScreen, ShowAboutBox, ShowPictureWindow);
    host.open(Screen::MainMenu);
    if (host.quitRequested())
        return 0;
    // Looking the icon up reads the icon theme's index, which the menu need not wait for: it is
    // done once the menu has been painted.
    new AfterFirstPainting(app, [] {
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.abacore.drill")));
    });
    return QApplication::exec();
}
