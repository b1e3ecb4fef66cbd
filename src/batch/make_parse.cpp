#include "batch/make_parse.h"

#include "batch/make_crossword.h"
#include "batch/make_options.h"
#include "clipart/picture_messages.h"
#include "core/generation_error.h"
#include "core/output_check.h"
#include "core/program_folder.h"
#include "core/program_messages.h"
#include "core/utf8.h"
#include "document/html_page.h"
#include "maker/sheet_code_request.h"
#include "wizard/choice_rules.h"
#include "wizard/count_rules.h"
#include "wizard/heading_rules.h"
#include "wizard/number_entry.h"
#include "wizard/range_rules.h"
#include "wizard/skill_rules.h"
#include "wizard/style_rules.h"
#include "worksheet/class_list.h"
#include "worksheet/save_name.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <exception>
#include <limits>
#include <new>
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

// A worksheet's file format from its name's extension.
FileFormat formatOf(const fs::path& path) {
    const std::string suffix = LowerCaseExtension(path);
    if (suffix == "rtf")
        return FileFormat::Rtf;
    if (suffix == "pdf")
        return FileFormat::Pdf;
    if (suffix == "txt")
        return FileFormat::Text;
    if (IsWebPageExtension(suffix))
        return FileFormat::WebPage;
    throw MakeRefusal{"Cannot tell the format of \"" + path.string() +
                      "\": use a name ending in .rtf, .pdf, .txt or .html."};
}

// A crossword's file format, from a name CrosswordFileRefusal let through.
FileFormat crosswordFormatOf(const fs::path& path) {
    const std::string suffix = LowerCaseExtension(path);
    if (suffix == "pdf")
        return FileFormat::Pdf;
    if (suffix == "ipuz")
        return FileFormat::Ipuz;
    return suffix == "txt" ? FileFormat::Text : FileFormat::WebPage;
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
            throw MakeRefusal{"Unknown skill \"" + item + "\". Use add, sub, mul or div."};
    }
    return ticked;
}

// "MIN..MAX": each side read as the range screen reads a box.
void parseRange(const QString& text, const char* option, double& min, double& max) {
    const auto parts = text.split(QStringLiteral(".."));
    if (parts.size() != 2)
        throw MakeRefusal{std::string(option) + " takes MIN..MAX, for example 0..100."};
    const auto low = WholeMagnitude(parts[0].trimmed().toStdString());
    const auto high = WholeMagnitude(parts[1].trimmed().toStdString());
    if (!low || !high)
        throw MakeRefusal{std::string(RangeText::kInvalid) + " " + option +
                          " takes two whole numbers, for example 0..100."};
    min = *low;
    max = *high;
}

void fillRequest(WorksheetRequest& request, const ActivityRow& row, const QCommandLineParser& p) {
    request.ActivityType = row.activity;
    const auto ticked = parseSkills(p.isSet("skills") ? p.value("skills") : QStringLiteral("add"));
    if (!ApplySkillChoice(request, ticked))
        throw MakeRefusal{SkillText::kNoSkill};
    // An activity that never asks the question refuses the option whatever the skills.
    const std::string name(row.batchName);
    if (p.isSet("remainders") && !row.asksRemainders)
        throw MakeRefusal{"--remainders does not apply to make " + name +
                          ": its division problems always divide evenly."};
    if (p.isSet("negatives") && !row.asksNegatives)
        throw MakeRefusal{"--negatives does not apply to make " + name +
                          ": its subtraction answers are never negative."};
    if (AsksRemainders(request))
        request.AllowRemainders = p.isSet("remainders");
    else if (p.isSet("remainders"))
        throw MakeRefusal{"--remainders applies only when division is among the skills."};
    if (AsksNegatives(request))
        request.AllowNegatives = p.isSet("negatives");
    else if (p.isSet("negatives"))
        throw MakeRefusal{"--negatives applies only when subtraction is among the skills."};

    // The choices that shape the problems, where the activity and skills take them.
    const ChoicesOffered offered = ChoicesFor(request);
    for (const char* option : {"regrouping", "answers", "facts", "no-repeats"})
        if (p.isSet(option) && !offered.any)
            throw MakeRefusal{"--" + std::string(option) + " does not apply to make " + name +
                              ": its problems keep their own rules."};
    if (p.isSet("regrouping")) {
        if (!offered.regrouping)
            throw MakeRefusal{
                "--regrouping applies only when addition or subtraction is among the skills."};
        const auto regrouping = RegroupingFromWord(p.value("regrouping").toStdString());
        if (!regrouping)
            throw MakeRefusal{"--regrouping takes any, never or always."};
        request.Choices.regrouping = *regrouping;
    }
    if (p.isSet("answers"))
        if (const auto refusal =
                ApplyAnswerRange(request.Choices, p.value("answers").toStdString()))
            throw MakeRefusal{*refusal + " (--answers)"};
    if (p.isSet("facts")) {
        if (!offered.facts)
            throw MakeRefusal{
                "--facts applies only when multiplication or division is among the skills."};
        if (const auto refusal = ApplyFacts(request.Choices, p.value("facts").toStdString()))
            throw MakeRefusal{*refusal + " (--facts)"};
    }
    request.Choices.noRepeats = p.isSet("no-repeats");

    // The activity's own options, in the order of the wizard's screens.
    for (const BatchOption& option : row.options) {
        const bool given = p.isSet(qt(option.name));
        if (!option.givenWith.empty() && given != p.isSet(qt(option.givenWith)))
            throw MakeRefusal{"--" + std::string(option.name) + " and --" +
                              std::string(option.givenWith) +
                              " go together: give both, or neither."};
        std::optional<std::string> refusal;
        if (given)
            refusal = option.apply(request, p.value(qt(option.name)).toStdString());
        else if (!option.defaultValue.empty())
            refusal = option.apply(request, option.defaultValue);
        else if (option.applyDefault)
            refusal = option.applyDefault(request);
        if (refusal)
            throw MakeRefusal{*refusal};
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
        throw MakeRefusal{problem->message.text + hint};
    }
    StoreRanges(request, values);

    // Without a heading screen the sheet keeps the heading it has: none, in a fresh request.
    if (p.isSet("heading"))
        request.Heading = p.value("heading").toStdString();
    else if (UsesScreen(row.activity, Screen::ChooseHeading))
        request.Heading = DefaultHeading(request);
    if (const auto refusal = HeadingRefusal(request.Heading))
        throw MakeRefusal{refusal->text + " (--heading)"};
    if (p.isSet("large-print")) {
        if (!row.noLargePrint.empty())
            throw MakeRefusal{std::string(row.noLargePrint) + " Leave out --large-print."};
        request.LargePrint = true;
    }

    // Without a count screen the sheet decides its count itself (the riddle, from its letters).
    if (!UsesScreen(row.activity, Screen::ChooseHowMany)) {
        if (p.isSet("count"))
            throw MakeRefusal{"make " + std::string(row.batchName) +
                              " takes no --count: the sheet decides how many problems it holds."};
        return;
    }
    const std::string count =
        p.isSet("count") ? p.value("count").toStdString() : std::to_string(DefaultCount(request));
    if (const auto refusal = ConfirmProblemCount(request, count))
        throw MakeRefusal{refusal->text};
}

// The versions the command makes: one unlabelled sheet, or a class set (--copies, --names).
std::vector<SheetVersion> VersionsOf(const QCommandLineParser& p, const QCommandLineParser& names) {
    if (p.isSet("copies") && p.isSet("names"))
        throw MakeRefusal{"--copies and --names do not go together: give one of them."};
    if (p.isSet("copies")) {
        const auto copies = CopiesFromText(p.value("copies").toStdString());
        if (!copies)
            throw MakeRefusal{CopiesRefusal() + " (--copies)"};
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
        throw MakeRefusal{e.what()};
    }
    if (list.refusal)
        throw MakeRefusal{"\"" + path.string() + "\": " + *list.refusal};
    return NamedVersions(list.names);
}

// The options a code decides itself, refused beside --code.
constexpr std::array<const char*, 10> kDecidedByCode{"skills", "remainders", "negatives",   "first",
                                                     "second", "count",      "large-print", "seed",
                                                     "copies", "names"};

// The sheet a code makes again, with what the options give again; refused as make refuses.
CodedSheet SheetOfCode(const QCommandLineParser& p, const ProgramPlaces& run) {
    for (const char* name : kDecidedByCode)
        if (p.isSet(QString::fromLatin1(name)))
            throw MakeRefusal{"--" + std::string(name) +
                              " does not go with --code: the code holds the sheet's choices."};
    if (p.isSet("no-code"))
        throw MakeRefusal{"--no-code does not go with --code: a sheet made again shows its code."};
    WorksheetRequest base;
    RecordPlaces(base, run);
    GivenAgain given;
    if (p.isSet("heading"))
        given.heading = p.value("heading").toStdString();
    if (p.isSet("riddle"))
        given.riddle = p.value("riddle").toStdString();
    if (p.isSet("punchline"))
        given.punchLine = p.value("punchline").toStdString();
    given.pupil = p.value("pupil").toStdString();
    auto outcome = SheetFromCode(p.value("code").toStdString(), base, given);
    if (const auto* refusal = std::get_if<CodeRefusal>(&outcome))
        throw MakeRefusal{refusal->message + (refusal->kind == CodeRefusalKind::NeedsRiddle
                                                  ? " (--riddle TEXT --punchline TEXT)"
                                                  : "")};
    CodedSheet& sheet = std::get<CodedSheet>(outcome);
    if (sheet.named && given.pupil.empty())
        throw MakeRefusal{"This code is of a class list's version, which shows its pupil's name: "
                          "give the name again with --pupil NAME."};
    if (!sheet.named && !given.pupil.empty())
        throw MakeRefusal{"This code's sheet was made for no pupil by name: leave out --pupil."};
    if (const auto refusal = HeadingRefusal(sheet.request.Heading))
        throw MakeRefusal{refusal->text + " (--heading)"};
    return std::move(sheet);
}

} // namespace

std::variant<MakeJob, MakeRefusal> ParseMake(std::span<const std::string> arguments,
                                             const ProgramPlaces& places, Paper systemPaper) {
    // The arguments twice over: as text, and with every byte kept, for the file names (on this
    // system a file name is bytes, and any byte but '/' and NUL may be in it).
    // The parser takes the program's name first.
    QStringList texts{QStringLiteral("abacore-drill")}, exactTexts = texts;
    for (const std::string& argument : arguments) {
        texts << QString::fromLocal8Bit(argument.data(), static_cast<qsizetype>(argument.size()));
        exactTexts << ArgumentKeepingBytes(argument);
    }
    QCommandLineParser p, names;
    AddMakeOptions(p);
    AddMakeOptions(names);
    names.parse(exactTexts); // the same options in the same places as p finds them
    if (!p.parse(texts))
        return MakeRefusal{p.errorText().toStdString() + " (see --help)"};
    MakeJob job;
    if (p.isSet("help")) {
        job.help = true;
        return job;
    }

    try {
        const QStringList positional = p.positionalArguments();
        ProgramPlaces run = places;
        if (p.isSet("folder")) {
            const fs::path folderName = FileOption(names, "folder");
            const auto folder = ProgramFolderNamed(folderName);
            if (!folder)
                throw MakeRefusal{NoProgramFolderMessage(folderName)};
            run = {*folder, {}, {}};
        }
        const bool fromCode = p.isSet("code");
        if (!fromCode && p.isSet("pupil"))
            throw MakeRefusal{
                "--pupil goes with --code: a class set takes its names from --names."};
        if (fromCode && positional.size() > 1)
            throw MakeRefusal{"make --code takes no activity: the code names it. Use: "
                              "abacore-drill make --code CODE -o FILE"};
        if (!fromCode && positional.size() < 2)
            throw MakeRefusal{
                "Which activity? Use: abacore-drill make ACTIVITY -o FILE (see --help)"};
        if (positional.size() > 2)
            throw MakeRefusal{"Unexpected argument \"" + positional[2].toStdString() + "\"."};
        std::optional<CodedSheet> coded;
        if (fromCode)
            coded = SheetOfCode(p, run);
        const ActivityRow* row = job.row = fromCode ? &RowOf(coded->request.ActivityType)
                                                    : RowByBatchName(positional[1].toStdString());
        if (!row)
            throw MakeRefusal{"The activity \"" + positional[1].toStdString() +
                              "\" is not part of this version (see --help)."};
        // An option of another activity is a mistake, not something to ignore.
        for (const ActivityRow& other : Activities())
            for (const BatchOption& option : other.options)
                if (p.isSet(QString::fromUtf8(option.name.data(), option.name.size())) &&
                    std::none_of(row->options.begin(), row->options.end(),
                                 [&](const BatchOption& o) { return o.name == option.name; }))
                    throw MakeRefusal{"--" + std::string(option.name) + " does not apply to make " +
                                      std::string(row->batchName) + "."};
        if (!p.isSet("output"))
            throw MakeRefusal{"Name the worksheet file with -o FILE (.rtf, .pdf, .txt or .html)."};
        if (p.isSet("answer-key") && !row->hasAnswerKey)
            throw MakeRefusal{"make " + std::string(row->batchName) +
                              " has no answer key: leave out --answer-key."};
        // An empty name would leave the key out without a word.
        if (p.isSet("answer-key") && p.value("answer-key").isEmpty())
            throw MakeRefusal{"Name the answer key file after --answer-key (.rtf, .pdf or .txt)."};
        // Two values for one option are a mistake in a script, not a choice.
        QStringList given = p.optionNames();
        given.replaceInStrings(QRegularExpression(QStringLiteral("^o$")), QStringLiteral("output"));
        given.replaceInStrings(QRegularExpression(QStringLiteral("^h$")), QStringLiteral("help"));
        for (const QString& name : given)
            if (given.count(name) > 1)
                throw MakeRefusal{"--" + name.toStdString() + " is given more than once."};

        // Output names are relative to where the command was given, not to the program folder.
        const fs::path& output = job.output = FileOption(names, "output", true);
        const bool hasKey = p.isSet("answer-key");
        const fs::path& answerKey = job.answerKey =
            hasKey ? FileOption(names, "answer-key", true) : fs::path();
        // Every name is checked before anything is written, so a refused command leaves every
        // file as it was.
        const bool crossword = row->output == Output::Crossword;
        if (crossword) {
            if (auto refusal = CrosswordFileRefusal(output, answerKey, p.isSet("picture")))
                throw MakeRefusal{*refusal};
            job.outputFormat = crosswordFormatOf(output);
            if (hasKey)
                job.keyFormat = crosswordFormatOf(answerKey);
        } else {
            job.outputFormat = formatOf(output);
            if (hasKey)
                job.keyFormat = formatOf(answerKey);
            if (job.keyFormat == FileFormat::WebPage)
                throw MakeRefusal{"The answer key is written as .rtf, .pdf or .txt: a web page is "
                                  "for the pupil, and checks the answers itself."};
            // Said rather than silently dropped: the teacher asked for the picture.
            if (p.isSet("picture") && job.outputFormat == FileFormat::Text)
                throw MakeRefusal{"--picture puts a picture at the top of the worksheet, and \"" +
                                  FileOption(names, "output").string() +
                                  "\" is a .txt file, which cannot hold one. Write the worksheet "
                                  "as .rtf, .pdf or .html, or leave out --picture."};
        }
        const std::vector<SheetVersion>& versions = job.versions =
            fromCode ? std::vector<SheetVersion>{coded->version} : VersionsOf(p, names);
        const std::string suffix = LowerCaseExtension(output);
        if (crossword && versions.front().inSet() && !fromCode &&
            (suffix == "ipuz" || IsWebPageExtension(suffix)))
            throw MakeRefusal{"An ." + suffix +
                              " file holds one puzzle: write a class set of "
                              "crosswords as .pdf or .txt."};
        if (hasKey && SameFile(output, answerKey))
            throw MakeRefusal{"The worksheet and the answer key would be the same file: give "
                              "--answer-key another name."};
        if (p.isSet("seed")) {
            bool ok = false;
            job.seed = p.value("seed").toULongLong(&ok);
            if (!ok)
                throw MakeRefusal{"--seed takes a whole number from 0 to " +
                                  std::to_string(std::numeric_limits<uint64_t>::max()) + "."};
        }

        // The paper asked for, else the one the teacher chose in the program, else the system's.
        std::optional<Paper> paper = RememberedPaper(run.programFolder);
        if (p.isSet("paper") && !(paper = PaperNamed(p.value("paper").toStdString())))
            throw MakeRefusal{"--paper takes a4 or letter."};

        if (fromCode) {
            job.request = std::move(coded->request);
            job.request.PaperSize = paper.value_or(systemPaper);
            job.seed = coded->seed;
            job.again = true;
        } else {
            RecordPlaces(job.request, run);
            job.request.PaperSize = paper.value_or(systemPaper);
            fillRequest(job.request, *row, p);
            job.request.NoSheetCode = p.isSet("no-code");
        }
        CheckWritable(output);
        if (hasKey)
            CheckWritable(answerKey);
        if (p.isSet("picture"))
            job.picture = FileOption(names, "picture", true);
        return job;
    } catch (...) {
        return RefusalInFlight();
    }
}

MakeRefusal RefusalInFlight() {
    try {
        throw;
    } catch (const MakeRefusal& refusal) {
        return refusal;
    } catch (const GenerationError& e) {
        return {e.what(), 2};
    } catch (const PictureError& e) {
        // The reason alone: the window's paragraph about its other ways to add a picture
        // means nothing here.
        return {e.what(), 2};
    } catch (const Failure& e) {
        return {e.what(), 1}; // a file that could not be written, or read
    } catch (const std::bad_alloc&) {
        return {ProgramText::kOutOfMemory, 1};
    } catch (const std::length_error&) { // a size no memory could hold
        return {ProgramText::kOutOfMemory, 1};
    } catch (const std::exception& e) {
        return {e.what(), 1};
    }
}

} // namespace abacore
