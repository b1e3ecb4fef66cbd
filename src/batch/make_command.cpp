#include "batch/make_command.h"

#include "shell/atomic_file.h"
#include "shell/program_folder.h"
#include "shell/worksheet_request.h"
#include "ui/pdf_export.h"
#include "wizard/count_rules.h"
#include "wizard/heading_rules.h"
#include "wizard/number_entry.h"
#include "wizard/range_rules.h"
#include "wizard/skill_rules.h"
#include "wizard/style_rules.h"
#include "worksheet/random_source.h"
#include "worksheet/rtf_writer.h"
#include "worksheet/text_writer.h"
#include "worksheet/worksheet_builder.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <optional>

namespace abacore {

namespace {

// A mistake in the request: reported on stderr, exit code 2.
struct UserError {
    std::string message;
};

enum class Format { Rtf, Pdf, Text };

const char kUsage[] =
    "Usage:\n"
    "  abacore-drill                      start the program (main menu)\n"
    "  abacore-drill --folder DIR         start it on another program folder\n"
    "  abacore-drill make skills [options] -o FILE [--answer-key FILE]\n"
    "\n"
    "make builds a worksheet without opening a window. The format follows each file's\n"
    "extension: .rtf (rich text), .pdf, or .txt (the plain characters, UTF-8).\n"
    "\n"
    "Options of make:\n"
    "  -o, --output FILE        the worksheet file (required)\n"
    "  --answer-key FILE        also write the answer key\n"
    "  --skills LIST            skills, comma-separated: add,sub,mul,div (default add)\n"
    "  --remainders             division problems may leave a remainder\n"
    "  --negatives              subtraction answers may be negative\n"
    "  --style LIST             layouts, comma-separated: bracket,horizontal,vertical\n"
    "                           (default horizontal; bracket only with division)\n"
    "  --first MIN..MAX         range of the first number (default 0..100)\n"
    "  --second MIN..MAX        range of the second number (default 0..100; 1..100\n"
    "                           when division is among the skills)\n"
    "  --heading TEXT           heading (default: made from the skills and the activity)\n"
    "  --count N                number of problems (default 20)\n"
    "  --seed N                 fixed random seed: the same options give the same files\n"
    "  --folder DIR             program folder (default: the folder of the program)\n"
    "  -h, --help               show this text\n"
    "\n"
    "Exit codes: 0 done; 1 a file could not be written; 2 a mistake in the options.\n";

std::vector<std::string> splitList(const QString& list) {
    std::vector<std::string> out;
    for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        out.push_back(item.trimmed().toLower().toStdString());
    return out;
}

std::array<bool, 4> parseSkills(const QString& list) {
    std::array<bool, 4> ticked{};
    for (const std::string& item : splitList(list)) {
        if (item == "add" || item == "addition")
            ticked[0] = true;
        else if (item == "sub" || item == "subtraction")
            ticked[1] = true;
        else if (item == "mul" || item == "multiplication")
            ticked[2] = true;
        else if (item == "div" || item == "division")
            ticked[3] = true;
        else
            throw UserError{"Unknown skill \"" + item + "\". Use add, sub, mul or div."};
    }
    return ticked;
}

int16_t parseStyle(const QString& list) {
    int16_t style = 0;
    for (const std::string& item : splitList(list)) {
        if (item == "bracket" || item == "bracketed")
            style |= StyleBit::kBracket;
        else if (item == "horizontal")
            style |= StyleBit::kHorizontal;
        else if (item == "vertical")
            style |= StyleBit::kVertical;
        else
            throw UserError{"Unknown style \"" + item + "\". Use bracket, horizontal or vertical."};
    }
    if (style == 0)
        throw UserError{"Please choose at least one style: bracket, horizontal or vertical."};
    return style;
}

// "MIN..MAX": each side read as the range screen reads a box.
void parseRange(const QString& text, const char* option, double& min, double& max) {
    const auto parts = text.split(QStringLiteral(".."));
    if (parts.size() != 2)
        throw UserError{std::string(option) + " takes MIN..MAX, for example 0..100."};
    const auto low = WholeMagnitude(parts[0].trimmed().toStdString());
    const auto high = WholeMagnitude(parts[1].trimmed().toStdString());
    if (!low || !high)
        throw UserError{std::string(RangeText::kInvalid) + " " + option +
                        " takes two whole numbers, for example 0..100."};
    min = *low;
    max = *high;
}

Format formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("rtf"))
        return Format::Rtf;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    if (suffix == QLatin1String("txt"))
        return Format::Text;
    throw UserError{"Cannot tell the format of \"" + path.toStdString() +
                    "\": use a name ending in .rtf, .pdf or .txt."};
}

// Returns an empty string or the reason the file could not be written.
std::string writeDocument(const Document& document, const QString& path) {
    switch (formatOf(path)) {
    case Format::Rtf:
        return WriteFileAtomically(path.toStdString(), RtfText(document));
    case Format::Text:
        return WriteFileAtomically(path.toStdString(), PlainTextBytes(document));
    case Format::Pdf:
        return WritePdf({&document}, path).toStdString();
    }
    return {};
}

void fillRequest(WorksheetRequest& request, const QCommandLineParser& p) {
    request.ActivityType = Activity::SkillsPractice;
    const auto ticked = parseSkills(p.isSet("skills") ? p.value("skills") : QStringLiteral("add"));
    if (!ApplySkillChoice(request, ticked))
        throw UserError{SkillText::kNoSkill};
    if (AsksRemainders(request))
        request.AllowRemainders = p.isSet("remainders");
    else if (p.isSet("remainders"))
        throw UserError{"--remainders applies only when division is among the skills."};
    if (AsksNegatives(request))
        request.AllowNegatives = p.isSet("negatives");
    else if (p.isSet("negatives"))
        throw UserError{"--negatives applies only when subtraction is among the skills."};

    const int16_t style =
        parseStyle(p.isSet("style") ? p.value("style") : QStringLiteral("horizontal"));
    if ((style & StyleBit::kBracket) && !request.isChecked(Skill::Division))
        throw UserError{"The bracket style is offered only for division: add div to --skills "
                        "or choose another style."};
    if (const auto refusal = StyleRefusal(request, style))
        throw UserError{*refusal};
    request.ProblemStyle = style;

    // The range screen's opening values are the defaults, and its checks apply.
    const RangeScreenSetup setup = RangeScreenOpening(request);
    std::array<double, 4> values{};
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = setup.values[i];
    if (p.isSet("first"))
        parseRange(p.value("first"), "--first", values[0], values[1]);
    if (p.isSet("second"))
        parseRange(p.value("second"), "--second", values[2], values[3]);
    if (const auto problem = CheckRangeValues(setup.lowest, values)) {
        const std::string option = problem->box < 2 ? "--first" : "--second";
        std::string hint = " (" + option + ")";
        if (problem->fault == RangeFault::InvalidEntry)
            hint = " (" + option + ": each value from " +
                   std::to_string(setup.lowest[static_cast<size_t>(problem->box)]) + " to " +
                   std::to_string(kRangeCeiling) + ")";
        throw UserError{problem->message.text + hint};
    }
    StoreRanges(request, values);

    request.Heading =
        p.isSet("heading") ? p.value("heading").toStdString() : DefaultHeading(request);

    const std::string count = p.isSet("count") ? p.value("count").toStdString() : "20";
    if (const auto refusal = ConfirmProblemCount(request, count))
        throw UserError{refusal->text};
}

int fail(int code, const std::string& message) {
    std::fprintf(stderr, "abacore-drill: %s\n", message.c_str());
    return code;
}

} // namespace

const char* UsageText() {
    return kUsage;
}

int RunMakeCommand(int argc, char** argv, const std::string& programFolder) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.addOptions({
        {{"o", "output"}, "worksheet file", "FILE"},
        {"answer-key", "answer-key file", "FILE"},
        {"skills", "skills", "LIST"},
        {"remainders", "allow remainders"},
        {"negatives", "allow negative answers"},
        {"style", "styles", "LIST"},
        {"first", "first range", "MIN..MAX"},
        {"second", "second range", "MIN..MAX"},
        {"heading", "heading", "TEXT"},
        {"count", "count", "N"},
        {"seed", "seed", "N"},
        {"folder", "program folder", "DIR"},
        {{"h", "help"}, "help"},
    });
    p.addPositionalArgument("make", "make");
    p.addPositionalArgument("activity", "activity");
    if (!p.parse(arguments))
        return fail(2, p.errorText().toStdString() + " (see --help)");
    if (p.isSet("help")) {
        std::fputs(kUsage, stdout);
        return 0;
    }

    try {
        const QStringList positional = p.positionalArguments();
        if (positional.size() < 2)
            throw UserError{"Which activity? Use: abacore-drill make skills -o FILE (see --help)"};
        if (positional.size() > 2)
            throw UserError{"Unexpected argument \"" + positional[2].toStdString() + "\"."};
        if (positional[1] != QLatin1String("skills"))
            throw UserError{"The activity \"" + positional[1].toStdString() +
                            "\" is not part of this version; use skills."};
        if (!p.isSet("output"))
            throw UserError{"Name the worksheet file with -o FILE (.rtf, .pdf or .txt)."};

        // Output names are relative to where the command was given, not to the program folder.
        const QString output = QFileInfo(p.value("output")).absoluteFilePath();
        const QString answerKey =
            p.isSet("answer-key") ? QFileInfo(p.value("answer-key")).absoluteFilePath() : QString();
        const bool needsPdf = formatOf(output) == Format::Pdf ||
                              (!answerKey.isEmpty() && formatOf(answerKey) == Format::Pdf);
        std::optional<std::string> folder = programFolder;
        if (p.isSet("folder"))
            folder = ProgramFolderNamed(QFile::encodeName(p.value("folder")).toStdString());
        if (!folder)
            throw UserError{"The folder \"" + p.value("folder").toStdString() +
                            "\" does not exist."};

        std::optional<uint64_t> seed;
        if (p.isSet("seed")) {
            bool ok = false;
            seed = p.value("seed").toULongLong(&ok);
            if (!ok)
                throw UserError{"--seed takes a whole number from 0 up."};
        }

        WorksheetRequest request;
        request.ProgramFolder = *folder;
        fillRequest(request, p);

        RandomSource random = seed ? RandomSource(*seed) : RandomSource();
        const WorksheetDocuments documents = BuildWorksheet(request, random);

        // PDF needs Qt's fonts and painter; everything else runs without a GUI application.
        std::unique_ptr<QGuiApplication> app;
        if (needsPdf) {
            // No window is shown, so no display is needed.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            static int appArgc = 1;
            app = std::make_unique<QGuiApplication>(appArgc, argv);
        }
        if (const std::string error = writeDocument(documents.worksheet, output); !error.empty())
            return fail(1, error);
        if (!answerKey.isEmpty())
            if (const std::string error = writeDocument(documents.answerKey, answerKey);
                !error.empty())
                return fail(1, error);
        return 0;
    } catch (const UserError& e) {
        return fail(2, e.message);
    } catch (const GenerationError& e) {
        return fail(2, e.what());
    }
}

} // namespace abacore
