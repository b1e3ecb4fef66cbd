#include "batch/make_options.h"

#include "batch/man_page.h"
#include "worksheet/activity_table.h"

#include <QCommandLineParser>
#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace abacore {

namespace {

// Every option of make: the parser and --help are both made from this list and the
// activities' rows, so they cannot drift apart.
struct CommonOption {
    std::string_view shortName;
    BatchOption option;
};
const std::array<CommonOption, 24> kCommonOptions{{
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
    {"",
     {"regrouping", "WHEN",
      "addition and subtraction: any (default), never (no\ncolumn carries or borrows) or always "
      "(some column\ndoes), for example --regrouping never"}},
    {"",
     {"answers", "MIN..MAX",
      "every answer (a division's whole quotient) from MIN\nto MAX, for example --answers 0..20"}},
    {"",
     {"facts", "LIST",
      "multiplication's second number and division's\ndivisor from this list of 1 to 12, for "
      "example\n--facts 2,5,10 (the 2, 5 and 10 tables)"}},
    {"", {"no-repeats", "", "no problem twice on a sheet (3 + 4 and 4 + 3 count\nas the same)"}},
    {"", {"heading", "TEXT", "heading (default: made from the skills and the activity)"}},
    {"",
     {"large-print", "",
      "worksheet and key in type one and a half times as large\n(not for cards or crossword)"}},
    {"",
     {"picture", "FILE",
      "a picture at the top of the worksheet, below the heading;\nbehind the crossword (a .pdf "
      "puzzle and key)"}},
    {"", {"count", "N", "number of problems (default: as the count screen offers)"}},
    {"",
     {"paper", "SIZE",
      "a4 or letter (default: as chosen in the program, else\n$PAPERSIZE, /etc/papersize, the "
      "locale's LC_PAPER,\nelse letter)"}},
    {"", {"seed", "N", "fixed random seed: the same options give the same files"}},
    {"", {"no-code", "", "leave the sheet code off the sheet and its key"}},
    {"",
     {"code", "CODE",
      "make a sheet again from the code printed on it, with\nthe same answer key: "
      "make --code CODE -o FILE;\nno activity or choices, only --heading (else the\n"
      "default heading), --riddle and --punchline (for a\nriddle typed for the sheet) and "
      "--pupil"}},
    {"", {"pupil", "NAME", "with --code: the pupil a class list's version was for"}},
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
        "  The window also takes Qt's own options: -style NAME, -platform NAME, -reverse, ...\n"
        "  abacore-drill make ACTIVITY [options] -o FILE [--answer-key FILE]\n"
        "  abacore-drill make --code CODE -o FILE [--answer-key FILE]\n"
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

void AddMakeOptions(QCommandLineParser& p) {
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

} // namespace abacore
