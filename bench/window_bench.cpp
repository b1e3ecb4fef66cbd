// What a teacher waits for on screen: the main menu appearing, and the worksheet window
// appearing after "Continue" on the count screen. Runs on the offscreen platform.
#include "app/screen_factory.h"
#include "bench_app.h"
#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "ui/dialogs.h"
#include "ui/screen_host.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace abacore;

namespace {

// Answers every box at once: the benchmark measures windows, not a user.
class SilentDialogs final : public Dialogs {
public:
    void message(QWidget*, const QString&, const QString&) override {}
    bool question(QWidget*, const QString&, const QString&, DefaultAnswer) override {
        return false;
    }
    std::optional<QString> input(QWidget*, const QString&, const QString&, const QString&,
                                 const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> openFile(QWidget*, const QString&, const QString&,
                                    const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString&,
                                    const QString&) override {
        return std::nullopt;
    }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
    void printPreview(QWidget*, QPrinter&, const std::function<void(QPrinter*)>&) override {}
    void beep() override {}
    bool startDetached(const QString&, const QStringList&) override { return false; }
};

QApplication& app() {
    return BenchApp();
}

// A program folder with the shipped data, already past its first start.
QTemporaryDir& programFolder() {
    static QTemporaryDir dir;
    static bool ready = [] {
        const QDir data(QStringLiteral(ABACORE_SOURCE_DIR "/data"));
        for (const QString& name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), dir.filePath(name));
        QFile settings(dir.filePath("kvtdata.dat"));
        if (settings.open(QIODevice::WriteOnly))
            settings.write("settings\r\nreserved\r\n*****\r\n");
        return true;
    }();
    (void)ready;
    return dir;
}

void showPending() {
    QApplication::processEvents();
}

void BM_MainMenuShown(benchmark::State& state) {
    app();
    WorksheetRequest request;
    request.ProgramFolder = programFolder().path().toStdString();
    RandomSource random(1);
    SilentDialogs dialogs;
    for (auto _ : state) {
        ScreenHost host(request, random, dialogs, MakeScreen);
        host.open(Screen::MainMenu);
        showPending();
    }
}
BENCHMARK(BM_MainMenuShown)->Unit(benchmark::kMillisecond);

void BM_CountContinueToWorksheetShown(benchmark::State& state) {
    app();
    WorksheetRequest request;
    request.ProgramFolder = programFolder().path().toStdString();
    request.ActivityType = Activity::SkillsPractice;
    request.SkillChecked = {std::nullopt, true, true, std::nullopt, true};
    request.SkillMode = Skill::Mixed;
    request.MixedSkills = true;
    request.AllowRemainders = true;
    request.ProblemStyle = StyleBit::kBracket | StyleBit::kHorizontal | StyleBit::kVertical;
    request.FirstMin = 0;
    request.FirstMax = 100;
    request.SecondMin = 1;
    request.SecondMax = 100;
    request.Heading = "Math Skills Practice Worksheet";
    request.ProblemCount = static_cast<int16_t>(state.range(0));
    RandomSource random(1);
    SilentDialogs dialogs;
    ScreenHost host(request, random, dialogs, MakeScreen);
    for (auto _ : state) {
        host.open(Screen::Worksheet); // what the count screen's "Continue" asks for
        showPending();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_CountContinueToWorksheetShown)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
