#include "batch/make_command.h"

#include "batch/make_crossword.h"
#include "batch/man_page.h"
#include "clipart/picture_messages.h"
#include "clipart/picture_placement.h"
#include "core/atomic_file.h"
#include "core/output_check.h"
#include "core/program_folder.h"
#include "core/program_messages.h"
#include "core/worksheet_request.h"
#include "crossword/grid_builder.h"
#include "maker/version_maker.h"
#include "ui/font_substitutes.h"
#include "ui/pdf_export.h"
#include "ui/picture_loader.h"
#include "wizard/count_rules.h"
#include "wizard/heading_rules.h"
#include "wizard/number_entry.h"
#include "wizard/range_rules.h"
#include "wizard/skill_rules.h"
#include "wizard/style_rules.h"
#include "worksheet/activity_table.h"
#include "worksheet/class_list.h"
#include "worksheet/class_set.h"
#include "worksheet/html_page.h"
#include "worksheet/html_writer.h"
#include "worksheet/random_source.h"
#include "worksheet/rtf_writer.h"
#include "worksheet/save_name.h"
#include "worksheet/text_writer.h"
#include "worksheet/utf8.h"
#include "worksheet/worksheet_builder.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>

namespace abacore {

namespace {

namespace fs = std::filesystem;

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A command-line argument as text that keeps every byte: UTF-8 where it is UTF-8, and each other
// byte as the lone surrogate U+DC80 + byte, which no UTF-8 text decodes to. QCommandLineParser
// carries the surrogates through untouched.
QString ArgumentKeepingBytes(std::string_view argument) {
    QString text;
    for (size_t at = 0; at < argument.size();) {
        const size_t start = at;
        if (const std::optional<char32_t> c = NextWellFormed(argument, at))
            text += QString::fromUcs4(&*c, 1);
        else
            text +=
                QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(argument[start])));
    }
    return text;
}

// The file name an option gives, byte for byte as it was typed (see ArgumentKeepingBytes); made
// absolute (from where the command was given) when it is to be written or read.
fs::path FileOption(const QCommandLineParser& names, const QString& option, bool absolute = false) {
    const QString text = names.value(option);
    std::string bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit >= 0xDC80 && unit <= 0xDCFF) {
            bytes += static_cast<char>(unit - 0xDC00);
            continue;
        }
        const qsizetype length = QChar::isHighSurrogate(unit) && i + 1 < text.size() ? 2 : 1;
        bytes += text.mid(i, length).toStdString();
        i += length - 1;
    }
    std::error_code noName; // an empty name stays empty, and is refused for its format
    return absolute ? fs::absolute(bytes, noName) : fs::path(bytes);
}

// A mistake in the request: reported on stderr, exit code 2.
struct UserError {
    std::string message;
};

enum class Format { Rtf, Pdf, Text, Html };

// Every option of make: the parser and --help are both made from this list and the
// activities' rows, so they cannot drift apart.
struct CommonOption {
    std::string_view shortName;
    BatchOption option;
};
const std::array<CommonOption, 16> kCommonOptions{{
    {"o", {"output", "FILE", "the worksheet file (required)"}},
    {"", {"answer-key", "FILE", "also write the answer key"}},
    {"", {"skills", "LIST", "skills, comma-separated: add,sub,mul,div (default add)"}},
    {"", {"remainders", "", "division problems may leave a remainder"}},
    {"", {"negatives", "", "subtraction answers may be negative"}},
    {"",
     {"first", "MIN..MAX",
      "range of the first number (default 0..100;\n0..1000 for the crossword)"}},
    {"",
     {"second", "MIN..MAX",
      "range of the second number (default 0..100; 1..100\nwhen division is among the skills; "
      "0..1000\nfor the crossword)"}},
    {"", {"heading", "TEXT", "heading (default: made from the skills and the activity)"}},
    {"",
     {"large-print", "",
      "worksheet and key in type one and a half times as large\n(not for cards or crossword)"}},
    {"",
     {"picture", "FILE",
      "a picture at the top of the worksheet, below the heading;\nbehind the crossword (a .pdf "
      "puzzle and key)"}},
    {"", {"count", "N", "number of problems (default: as the count screen offers)"}},
    {"", {"seed", "N", "fixed random seed: the same options give the same files"}},
    {"",
     {"copies", "N",
      "a class set: N versions (1 to 100), each drawn afresh\nand from a new page, in the one "
      "file, and their N\nkeys in the key file, for example:\n"
      "make skills --copies 30 -o s.rtf --answer-key k.rtf"}},
    {"",
     {"names", "FILE",
      "a class set with one version for each pupil of a\nclass list, the name on the Name line: "
      "FILE is\nUTF-8 text, one name a line (up to 100 names of at\nmost 60 characters), for "
      "example class.txt holding\nthe two lines \"Amira Haddad\" and \"Tom Lee\":\n"
      "make words --names class.txt -o set.rtf"}},
    {"",
     {"folder", "DIR",
      "program folder (default: the folder of the program;\nfor an installed copy your own folder, "
      "then the\ninstalled files)"}},
    {"h", {"help", "", "show this text"}},
}};

// "  -o, --output FILE        the worksheet file", continuation lines under the text.
void AppendOptionLine(std::string& out, std::string_view shortName, const BatchOption& option) {
    std::string left = "  ";
    if (!shortName.empty())
        left.append("-").append(shortName).append(", ");
    left.append("--").append(option.name);
    if (!option.valueName.empty())
        left.append(" ").append(option.valueName);
    constexpr size_t kTextColumn = 27;
    left.resize(std::max(left.size() + 1, kTextColumn), ' ');
    out += left;
    for (const char c : option.help) {
        out += c;
        if (c == '\n')
            out.append(kTextColumn, ' ');
    }
    out += '\n';
}

// The activities that make builds, comma-separated.
std::string ActivityNames() {
    std::string names;
    for (const ActivityRow& row : Activities())
        names.append(names.empty() ? "" : ", ").append(row.batchName);
    return names;
}

// Each activity option once, with the activities that take it.
std::vector<std::pair<const BatchOption*, std::string>> ActivityOptions() {
    std::vector<std::pair<const BatchOption*, std::string>> extra;
    for (const ActivityRow& row : Activities()) {
        for (const BatchOption& option : row.options) {
            auto it = std::find_if(extra.begin(), extra.end(),
                                   [&](const auto& e) { return e.first->name == option.name; });
            if (it == extra.end())
                extra.emplace_back(&option, std::string(row.batchName));
            else
                it->second.append(", ").append(row.batchName);
        }
    }
    return extra;
}

std::string MakeUsage() {
    const std::string names = ActivityNames();
    std::string out =
        "Usage:\n"
        "  abacore-drill                      start the program (main menu)\n"
        "  abacore-drill --folder DIR         start it on another program folder\n"
        "  abacore-drill make ACTIVITY [options] -o FILE [--answer-key FILE]\n"
        "\n"
        "make builds a worksheet without opening a window. ACTIVITY is one of:\n  " +
        names +
        ".\nThe format follows each file's extension: .rtf (rich text), .pdf, .txt (the plain\n"
        "characters, UTF-8) or .html (a web page the pupil fills in and checks in a browser;\n"
        "not for answer keys). A crossword is written as .pdf, .ipuz (for crossword programs),\n"
        ".txt (its clue list) or .html, its answer key as .pdf or .txt (the grid, \".\" for\n"
        "empty cells).\n"
        "\n"
        "Options of make:\n";
    for (const CommonOption& common : kCommonOptions)
        AppendOptionLine(out, common.shortName, common.option);
    const auto extra = ActivityOptions();
    for (size_t i = 0; i < extra.size(); ++i) {
        if (i == 0 || extra[i].second != extra[i - 1].second)
            out += "\nOnly for make " + extra[i].second + ":\n";
        AppendOptionLine(out, "", *extra[i].first);
    }
    // What the rows leave out, so a script learns it here rather than from a refusal.
    std::string withoutCount, withoutKey;
    for (const ActivityRow& row : Activities()) {
        if (!UsesScreen(row.activity, Screen::ChooseHowMany))
            withoutCount.append(withoutCount.empty() ? "" : ", ").append(row.batchName);
        if (!row.hasAnswerKey)
            withoutKey.append(withoutKey.empty() ? "" : ", ").append(row.batchName);
    }
    if (!withoutCount.empty() || !withoutKey.empty())
        out += "\n";
    if (!withoutCount.empty())
        out += "make " + withoutCount + " takes no --count (the sheet sets its own count).\n";
    if (!withoutKey.empty())
        out += "make " + withoutKey + " has no answer key.\n";
    out += "\nExit codes: 0 done; 1 a file could not be written; 2 a mistake in the options.\n";
    return out;
}

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

Format formatOf(const fs::path& path) {
    const std::string suffix = LowerCaseExtension(path);
    if (suffix == "rtf")
        return Format::Rtf;
    if (suffix == "pdf")
        return Format::Pdf;
    if (suffix == "txt")
        return Format::Text;
    if (IsWebPageExtension(suffix))
        return Format::Html;
    throw UserError{"Cannot tell the format of \"" + path.string() +
                    "\": use a name ending in .rtf, .pdf, .txt or .html."};
}

// The document as a file to write, in the format of the name's extension; a PDF is titled
// `title`.
PendingFile documentFile(const Document& document, const fs::path& path, const std::string& title) {
    switch (formatOf(path)) {
    case Format::Rtf:
        return {path, RtfText(document)};
    case Format::Text:
        return {path, PlainTextBytes(document)};
    case Format::Pdf:
    case Format::Html:
        break;
    }
    return PdfFile({&document}, path, qt(title));
}

// The worksheet as a file: a web page is made from the problems of each version themselves,
// every other format from the document.
PendingFile worksheetFile(const Document& worksheet, std::span<const WebVersion> versions,
                          const Picture* picture, const fs::path& path, const std::string& title) {
    if (formatOf(path) != Format::Html)
        return documentFile(worksheet, path, title);
    return {path, WorksheetHtml(versions, picture)};
}

void fillRequest(WorksheetRequest& request, const ActivityRow& row, const QCommandLineParser& p) {
    request.ActivityType = row.activity;
    const auto ticked = parseSkills(p.isSet("skills") ? p.value("skills") : QStringLiteral("add"));
    if (!ApplySkillChoice(request, ticked))
        throw UserError{SkillText::kNoSkill};
    // An activity that never asks the question refuses the option whatever the skills.
    const std::string name(row.batchName);
    if (p.isSet("remainders") && !row.asksRemainders)
        throw UserError{"--remainders does not apply to make " + name +
                        ": its division problems always divide evenly."};
    if (p.isSet("negatives") && !row.asksNegatives)
        throw UserError{"--negatives does not apply to make " + name +
                        ": its subtraction answers are never negative."};
    if (AsksRemainders(request))
        request.AllowRemainders = p.isSet("remainders");
    else if (p.isSet("remainders"))
        throw UserError{"--remainders applies only when division is among the skills."};
    if (AsksNegatives(request))
        request.AllowNegatives = p.isSet("negatives");
    else if (p.isSet("negatives"))
        throw UserError{"--negatives applies only when subtraction is among the skills."};

    // The activity's own options, in the order of the wizard's screens.
    for (const BatchOption& option : row.options) {
        const bool given = p.isSet(qt(option.name));
        if (!option.givenWith.empty() && given != p.isSet(qt(option.givenWith)))
            throw UserError{"--" + std::string(option.name) + " and --" +
                            std::string(option.givenWith) + " go together: give both, or neither."};
        std::optional<std::string> refusal;
        if (given)
            refusal = option.apply(request, p.value(qt(option.name)).toStdString());
        else if (!option.defaultValue.empty())
            refusal = option.apply(request, option.defaultValue);
        else if (option.applyDefault)
            refusal = option.applyDefault(request);
        if (refusal)
            throw UserError{*refusal};
    }

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

    // Without a heading screen the sheet keeps the heading it has: none, in a fresh request.
    if (p.isSet("heading"))
        request.Heading = p.value("heading").toStdString();
    else if (UsesScreen(row.activity, Screen::ChooseHeading))
        request.Heading = DefaultHeading(request);
    if (const auto refusal = HeadingRefusal(request.Heading))
        throw UserError{refusal->text + " (--heading)"};
    if (p.isSet("large-print")) {
        if (!row.noLargePrint.empty())
            throw UserError{std::string(row.noLargePrint) + " Leave out --large-print."};
        request.LargePrint = true;
    }

    // Without a count screen the sheet decides its count itself (the riddle, from its letters).
    if (!UsesScreen(row.activity, Screen::ChooseHowMany)) {
        if (p.isSet("count"))
            throw UserError{"make " + std::string(row.batchName) +
                            " takes no --count: the sheet decides how many problems it holds."};
        return;
    }
    const std::string count =
        p.isSet("count") ? p.value("count").toStdString() : std::to_string(DefaultCount(request));
    if (const auto refusal = ConfirmProblemCount(request, count))
        throw UserError{refusal->text};
}

// The versions the command makes: one unlabelled sheet, or a class set (--copies, --names).
std::vector<SheetVersion> VersionsOf(const QCommandLineParser& p, const QCommandLineParser& names) {
    if (p.isSet("copies") && p.isSet("names"))
        throw UserError{"--copies and --names do not go together: give one of them."};
    if (p.isSet("copies")) {
        const auto copies = CopiesFromText(p.value("copies").toStdString());
        if (!copies)
            throw UserError{CopiesRefusal() + " (--copies)"};
        return NumberedVersions(*copies);
    }
    if (!p.isSet("names"))
        return {SheetVersion{}};
    const fs::path path = FileOption(names, "names");
    std::error_code unnamed;
    ClassList list;
    try {
        list = ReadClassListFile(fs::absolute(path, unnamed));
    } catch (const ReadError& e) {
        throw UserError{e.what()};
    }
    if (list.refusal)
        throw UserError{"\"" + path.string() + "\": " + *list.refusal};
    return NamedVersions(list.names);
}

int fail(int code, const std::string& message) {
    // Messages echo what the user typed: never send its control characters to the terminal, and
    // show a file name's bytes that are not UTF-8 as bytes.
    std::fprintf(stderr, "abacore-drill: %s\n",
                 EscapedForTerminal(WithBadBytesEscaped(message)).c_str());
    return code;
}

} // namespace

const char* UsageText() {
    static const std::string usage = MakeUsage();
    return usage.c_str();
}

const char* ManPageText() {
    std::vector<ManOptionGroup> groups{{"Options of make", {}}};
    for (const CommonOption& common : kCommonOptions)
        groups.front().options.push_back({common.shortName, &common.option});
    for (const auto& [option, takers] : ActivityOptions())
        groups.push_back({"Only for make " + takers, {{"", option}}});
    static const std::string page = ManPage(ActivityNames(), groups);
    return page.c_str();
}

namespace {

// make's options, on `p`.
void AddOptions(QCommandLineParser& p) {
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList added;
    const auto addOption = [&p, &added](std::string_view shortName, const BatchOption& option) {
        const QString name = QString::fromUtf8(option.name.data(), option.name.size());
        if (added.contains(name))
            return; // an option that several activities take
        added << name;
        QStringList names;
        if (!shortName.empty())
            names << QString::fromUtf8(shortName.data(), shortName.size());
        names << name;
        p.addOption(QCommandLineOption(
            names, QString::fromUtf8(option.help.data(), option.help.size()),
            QString::fromUtf8(option.valueName.data(), option.valueName.size())));
    };
    for (const CommonOption& common : kCommonOptions)
        addOption(common.shortName, common.option);
    for (const ActivityRow& row : Activities())
        for (const BatchOption& option : row.options)
            addOption("", option);
    p.addPositionalArgument("make", "make");
    p.addPositionalArgument("activity", "activity");
}

} // namespace

int RunMakeCommand(int argc, char** argv, const ProgramPlaces& places) {
    // The arguments twice over: as text, and with every byte kept, for the file names (on this
    // system a file name is bytes, and any byte but '/' and NUL may be in it).
    QStringList arguments, exactArguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
        exactArguments << ArgumentKeepingBytes(argv[i]);
    }
    QCommandLineParser p, names;
    AddOptions(p);
    AddOptions(names);
    names.parse(exactArguments); // the same options in the same places as p finds them
    if (!p.parse(arguments))
        return fail(2, p.errorText().toStdString() + " (see --help)");
    if (p.isSet("help")) {
        std::fputs(UsageText(), stdout);
        return 0;
    }

    try {
        const QStringList positional = p.positionalArguments();
        if (positional.size() < 2)
            throw UserError{
                "Which activity? Use: abacore-drill make ACTIVITY -o FILE (see --help)"};
        if (positional.size() > 2)
            throw UserError{"Unexpected argument \"" + positional[2].toStdString() + "\"."};
        const ActivityRow* row = RowByBatchName(positional[1].toStdString());
        if (!row)
            throw UserError{"The activity \"" + positional[1].toStdString() +
                            "\" is not part of this version (see --help)."};
        // An option of another activity is a mistake, not something to ignore.
        for (const ActivityRow& other : Activities())
            for (const BatchOption& option : other.options)
                if (p.isSet(QString::fromUtf8(option.name.data(), option.name.size())) &&
                    std::none_of(row->options.begin(), row->options.end(),
                                 [&](const BatchOption& o) { return o.name == option.name; }))
                    throw UserError{"--" + std::string(option.name) + " does not apply to make " +
                                    std::string(row->batchName) + "."};
        if (!p.isSet("output"))
            throw UserError{"Name the worksheet file with -o FILE (.rtf, .pdf, .txt or .html)."};
        if (p.isSet("answer-key") && !row->hasAnswerKey)
            throw UserError{"make " + std::string(row->batchName) +
                            " has no answer key: leave out --answer-key."};
        // An empty name would leave the key out without a word.
        if (p.isSet("answer-key") && p.value("answer-key").isEmpty())
            throw UserError{"Name the answer key file after --answer-key (.rtf, .pdf or .txt)."};
        // Two values for one option are a mistake in a script, not a choice.
        QStringList given = p.optionNames();
        given.replaceInStrings(QRegularExpression(QStringLiteral("^o$")), QStringLiteral("output"));
        given.replaceInStrings(QRegularExpression(QStringLiteral("^h$")), QStringLiteral("help"));
        for (const QString& name : given)
            if (given.count(name) > 1)
                throw UserError{"--" + name.toStdString() + " is given more than once."};

        // Output names are relative to where the command was given, not to the program folder.
        const fs::path output = FileOption(names, "output", true);
        const bool hasKey = p.isSet("answer-key");
        const fs::path answerKey = hasKey ? FileOption(names, "answer-key", true) : fs::path();
        // Every name is checked before anything is written, so a refused command leaves every
        // file as it was.
        const bool crossword = row->output == Output::Crossword;
        bool needsPdf = false;
        if (crossword) {
            if (auto refusal = CrosswordFileRefusal(output, answerKey, p.isSet("picture")))
                throw UserError{*refusal};
            needsPdf = CrosswordNeedsPdf(output, answerKey);
        } else {
            const Format outputFormat = formatOf(output);
            const Format keyFormat = hasKey ? formatOf(answerKey) : outputFormat;
            if (hasKey && keyFormat == Format::Html)
                throw UserError{"The answer key is written as .rtf, .pdf or .txt: a web page is "
                                "for the pupil, and checks the answers itself."};
            needsPdf = outputFormat == Format::Pdf || (hasKey && keyFormat == Format::Pdf);
            // Said rather than silently dropped: the teacher asked for the picture.
            if (p.isSet("picture") && outputFormat == Format::Text)
                throw UserError{"--picture puts a picture at the top of the worksheet, and \"" +
                                FileOption(names, "output").string() +
                                "\" is a .txt file, which cannot hold one. Write the worksheet "
                                "as .rtf, .pdf or .html, or leave out --picture."};
        }
        const std::vector<SheetVersion> versions = VersionsOf(p, names);
        const std::string suffix = LowerCaseExtension(output);
        if (crossword && versions.front().inSet() &&
            (suffix == "ipuz" || IsWebPageExtension(suffix)))
            throw UserError{"An ." + suffix +
                            " file holds one puzzle: write a class set of "
                            "crosswords as .pdf or .txt."};
        if (hasKey && SameFile(output, answerKey))
            throw UserError{"The worksheet and the answer key would be the same file: give "
                            "--answer-key another name."};
        ProgramPlaces run = places;
        if (p.isSet("folder")) {
            const fs::path folderName = FileOption(names, "folder");
            const auto folder = ProgramFolderNamed(folderName);
            if (!folder)
                throw UserError{NoProgramFolderMessage(folderName)};
            run = {*folder, {}, {}};
        }

        std::optional<uint64_t> seed;
        if (p.isSet("seed")) {
            bool ok = false;
            seed = p.value("seed").toULongLong(&ok);
            if (!ok)
                throw UserError{"--seed takes a whole number from 0 to " +
                                std::to_string(std::numeric_limits<uint64_t>::max()) + "."};
        }

        WorksheetRequest request;
        RecordPlaces(request, run);
        fillRequest(request, *row, p);
        CheckWritable(output);
        if (hasKey)
            CheckWritable(answerKey);

        // The picture is read, and refused, before anything is made or written.
        LoadedPicture picture;
        if (p.isSet("picture"))
            picture = LoadPicture(FileOption(names, "picture", true));

        RandomSource random = seed ? RandomSource(*seed) : RandomSource();
        // PDF needs Qt's fonts and painter; everything else runs without a GUI application. It
        // is made after the sheets but declared before them, so that out of memory the sheets
        // are freed before it is taken down.
        std::unique_ptr<QGuiApplication> app;
        // The crossword is built as its builder window builds it, a worksheet as its window;
        // each version of a class set afresh, the worksheets joined into one document.
        std::optional<WorksheetDocuments> documents;
        std::vector<WebVersion> pages; // a web page's sections: one for each version
        // Made on a copy: the titles below are the request's as the options filled it.
        WorksheetRequest own = request;
        MakeResult result = MakeVersions(own, random, versions);
        if (const auto* failure = std::get_if<MakeFailure>(&result))
            throw UserError{failure->kind == MakeFailureKind::GaveUp
                                ? std::string(CrosswordText::kFailedTitle) + " " + failure->message
                                : failure->message};
        MadeVersions& made = std::get<MadeVersions>(result);
        std::vector<CrosswordPage>& puzzles = made.puzzles;
        if (!crossword) {
            for (WorksheetDocuments& version : made.sheets)
                PlacePictureBelowHeading(version.worksheet, picture.picture);
            const bool single = made.sheets.size() == 1;
            documents = single ? std::move(made.sheets.front()) : JoinVersions(made.sheets);
            for (size_t k = 0; k < made.sheets.size(); ++k)
                pages.push_back({versions[k].inSet() ? PupilVersionLabel(versions[k]) : "",
                                 versions[k].pupil,
                                 single ? &documents->content : &made.sheets[k].content});
        }

        if (needsPdf) {
            // No window is shown, so no display is needed.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            static int appArgc = 1;
            app = std::make_unique<QGuiApplication>(appArgc, argv);
            InstallFontSubstitutes();
        }
        // Both files or neither.
        std::vector<PendingFile> files;
        files.push_back(crossword ? CrosswordPuzzleFile(puzzles, output, picture.image)
                                  : worksheetFile(documents->worksheet, pages,
                                                  picture.picture.get(), output, request.Heading));
        if (hasKey)
            files.push_back(crossword ? CrosswordKeyFile(puzzles, answerKey, picture.image)
                                      : documentFile(documents->answerKey, answerKey,
                                                     AnswerKeyTitle(request.Heading)));
        WriteFilesTogether(files);
        return 0;
    } catch (const UserError& e) {
        return fail(2, e.message);
    } catch (const GenerationError& e) {
        return fail(2, e.what());
    } catch (const PictureError& e) {
        return fail(2, std::string(kPictureErrorTitle) + " " + e.what() + " " +
                           std::string(kPictureErrorText));
    } catch (const Failure& e) {
        return fail(1, e.what()); // a file that could not be written, or read
    } catch (const std::bad_alloc&) {
        return fail(1, ProgramText::kOutOfMemory);
    } catch (const std::length_error&) { // a size no memory could hold
        return fail(1, ProgramText::kOutOfMemory);
    } catch (const std::exception& e) {
        return fail(1, e.what());
    }
}

} // namespace abacore
