#include "maker/sheet_code_request.h"

#include "core/program_folder.h"
#include "core/random_source.h"
#include "core/sheet_code.h"
#include "wizard/count_rules.h"
#include "wizard/heading_rules.h"
#include "wizard/range_rules.h"
#include "wizard/skill_rules.h"
#include "worksheet/activity_table.h"
#include "worksheet/data_file.h"
#include "worksheet/riddle_choice.h"
#include "worksheet/riddle_file.h"
#include "worksheet/template_file.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace abacore {

namespace {

constexpr int kDataSumBits = 10;
constexpr int kTypedRiddleSumBits = 16;

// The code's fields as whole numbers, in the order the bits hold them.
struct CodeFields {
    uint64_t format = kSheetCodeFormat;
    uint64_t activity = 0, ticks = 0, remainders = 0, negatives = 0, style = 0;
    std::array<uint64_t, 4> ranges{};
    uint64_t count = 0, largePrint = 0, firstSquare = 0;
    uint64_t choices = 0, regrouping = 0, answerLimit = 0, answerMin = 0, answerMax = 0;
    uint64_t facts = 0, noRepeats = 0;
    uint64_t inSet = 0, setCount = 0, setNumber = 0, named = 0;
    uint64_t riddleFromFile = 0, riddleIndex = 0, riddleSum = 0, wordsSum = 0;
};

class Writer {
public:
    SheetCodeBits bits;
    bool ok = true;
    void operator()(uint64_t& value, int width) {
        ok = ok && (width == 64 || value >> width == 0) && bits.put(value, width);
    }
    void number(uint64_t& value, int lengthWidth) { ok = ok && bits.putNumber(value, lengthWidth); }
};

class Reader {
public:
    SheetCodeBits bits;
    bool ok = true;
    void operator()(uint64_t& value, int width) {
        ok = ok && bits.remaining() >= width;
        value = bits.get(width);
    }
    void number(uint64_t& value, int lengthWidth) {
        uint64_t length = 0;
        (*this)(length, lengthWidth);
        ok = ok && (length == 0 || bits.remaining() >= static_cast<int>(length) - 1);
        value = length == 0
                    ? 0
                    : (uint64_t{1} << (length - 1)) | bits.get(static_cast<int>(length) - 1);
    }
};

// A value most sheets leave at `usual`: one bit then, else the bit and the number.
template <class Io> void Usual(Io& io, uint64_t& value, uint64_t usual, int lengthWidth) {
    uint64_t same = value == usual;
    io(same, 1);
    if (same)
        value = usual;
    else
        io.number(value, lengthWidth);
}

WorksheetRequest Skeleton(const CodeFields& f) {
    WorksheetRequest r;
    r.ActivityType = static_cast<Activity>(f.activity);
    std::array<bool, 4> ticked{};
    for (size_t k = 0; k < 4; ++k)
        ticked[k] = (f.ticks >> k & 1) != 0;
    ApplySkillChoice(r, ticked);
    return r;
}

bool KnownActivity(uint64_t code) {
    return std::any_of(Activities().begin(), Activities().end(), [code](const ActivityRow& row) {
        return static_cast<uint64_t>(row.activity) == code;
    });
}

// The one layout of the bits, for writing and reading alike. Stops after the format when it
// is not this program's; false when a value read makes no sense (a later field depends on it).
template <class Io> bool Transfer(Io& io, CodeFields& f) {
    io(f.format, 3);
    if (!io.ok || f.format != kSheetCodeFormat)
        return false;
    io(f.activity, 3);
    io(f.ticks, 4);
    if (!KnownActivity(f.activity) || f.ticks == 0)
        return false;
    io(f.remainders, 1);
    io(f.negatives, 1);
    io(f.style, 4);
    const WorksheetRequest skeleton = Skeleton(f);
    const Activity activity = skeleton.ActivityType;
    const ActivityRow& row = RowOf(activity);
    const RangeScreenSetup opening = RangeScreenOpening(skeleton);
    for (size_t i = 0; i < f.ranges.size(); ++i)
        Usual(io, f.ranges[i], static_cast<uint64_t>(opening.values[i]), 4);
    if (UsesScreen(activity, Screen::ChooseHowMany))
        Usual(io, f.count, static_cast<uint64_t>(row.defaultCount), 4);
    io(f.largePrint, 1);
    if (activity == Activity::MathSquares)
        io(f.firstSquare, 1);
    io(f.choices, 1);
    if (f.choices) {
        io(f.regrouping, 2);
        io(f.answerLimit, 1);
        if (f.answerLimit) {
            io.number(f.answerMin, 5);
            io.number(f.answerMax, 5);
        }
        uint64_t someFacts = f.facts != 0;
        io(someFacts, 1);
        if (someFacts)
            io(f.facts, 12);
        io(f.noRepeats, 1);
    }
    io(f.inSet, 1);
    if (f.inSet) {
        io(f.setCount, 7);
        // The version's number takes only the bits its set's size needs.
        io(f.setNumber, std::bit_width(f.setCount));
        io(f.named, 1);
    }
    if (activity == Activity::SecretRiddle) {
        io(f.riddleFromFile, 1);
        if (f.riddleFromFile) {
            io.number(f.riddleIndex, 5);
            io(f.riddleSum, kDataSumBits);
        } else {
            io(f.riddleSum, kTypedRiddleSumBits);
        }
    }
    if (activity == Activity::WordProblems)
        io(f.wordsSum, kDataSumBits);
    return io.ok;
}

std::string RiddlesText(const std::vector<Riddle>& riddles) {
    std::string text;
    for (const Riddle& riddle : riddles)
        text.append(riddle.question).append("\n").append(riddle.punchLine).append("\n");
    return text;
}

uint64_t TypedRiddleSum(std::string_view question, std::string_view punchLine) {
    return ShortChecksum(std::string(question) + '\n' + std::string(punchLine),
                         kTypedRiddleSumBits);
}

// The template files a word problems sheet reads, and a checksum of their lines.
std::vector<std::string_view> WordFiles(const WorksheetRequest& request) {
    std::vector<std::string_view> names;
    for (const Skill skill : WordProblemSkills(request))
        names.push_back(TemplateFileName(skill));
    return names;
}

uint64_t WordFilesSum(const WorksheetRequest& request) {
    const DataFolders folders = DataFoldersOf(request);
    std::string text;
    for (const std::string_view name : WordFiles(request)) {
        text.append(name).append("\n");
        if (const auto lines = ReadDataFileLines(DataFilePath(folders, name)))
            for (const std::string& line : *lines)
                text.append(line).append("\n");
    }
    return ShortChecksum(text, kDataSumBits);
}

// A whole number from `low` to kRangeCeiling, as the wizard lets a range bound through.
std::optional<uint64_t> Bound(double value) {
    if (!(value >= 0 && value <= kRangeCeiling) || value != std::floor(value))
        return std::nullopt;
    return static_cast<uint64_t>(value);
}

// A whole number of either sign, folded so that small ones are short.
std::optional<uint64_t> Folded(double value) {
    if (!(std::abs(value) < 1e9) || value != std::floor(value))
        return std::nullopt;
    const auto v = static_cast<int64_t>(value);
    return v < 0 ? static_cast<uint64_t>(-v) * 2 - 1 : static_cast<uint64_t>(v) * 2;
}
double Unfolded(uint64_t folded) {
    return folded % 2 ? -static_cast<double>((folded + 1) / 2) : static_cast<double>(folded / 2);
}

// The version's fields; false when the code cannot hold it.
bool SetVersion(CodeFields& f, const SheetVersion& version) {
    f.inSet = version.inSet();
    f.setCount = f.setNumber = f.named = 0;
    if (!version.inSet())
        return true;
    if (version.count > 128 || version.number < 1 || version.number > version.count)
        return false;
    f.setCount = static_cast<uint64_t>(version.count - 1);
    f.setNumber = static_cast<uint64_t>(version.number - 1);
    f.named = !version.pupil.empty();
    return true;
}

std::optional<CodeFields> FieldsOf(const WorksheetRequest& r) {
    CodeFields f;
    f.activity = static_cast<uint64_t>(r.ActivityType);
    for (int k = 1; k <= 4; ++k)
        f.ticks |= uint64_t{r.isChecked(static_cast<Skill>(k))} << (k - 1);
    f.remainders = IsTrue(r.AllowRemainders);
    f.negatives = r.AllowNegatives;
    if (r.ProblemStyle < 0 || r.ProblemStyle > 15)
        return std::nullopt;
    f.style = static_cast<uint64_t>(r.ProblemStyle);
    const std::array<double, 4> ranges{ValueOf(r.FirstMin), ValueOf(r.FirstMax),
                                       ValueOf(r.SecondMin), static_cast<double>(r.SecondMax)};
    for (size_t i = 0; i < ranges.size(); ++i) {
        const auto bound = Bound(ranges[i]);
        if (!bound)
            return std::nullopt;
        f.ranges[i] = *bound;
    }
    if (r.ProblemCount < 0)
        return std::nullopt;
    f.count = static_cast<uint64_t>(r.ProblemCount);
    f.largePrint = r.LargePrint;
    f.firstSquare = r.FirstSquareFilled;
    const ProblemChoices& c = r.Choices;
    f.choices = !c.isDefault();
    f.regrouping = static_cast<uint64_t>(c.regrouping) & 3;
    f.answerLimit = c.answerLimit;
    const auto low = Folded(c.answerMin), high = Folded(c.answerMax);
    if (c.answerLimit && (!low || !high))
        return std::nullopt;
    f.answerMin = low.value_or(0);
    f.answerMax = high.value_or(0);
    f.facts = c.facts & 0xFFF;
    f.noRepeats = c.noRepeats;
    if (r.ActivityType == Activity::SecretRiddle) {
        const RiddleFile file = ReadRiddleFile(DataFoldersOf(r));
        const Riddle riddle{r.RiddleQuestion, r.PunchLine};
        const auto at = std::find(file.riddles.begin(), file.riddles.end(), riddle);
        f.riddleFromFile = at != file.riddles.end();
        f.riddleIndex = static_cast<uint64_t>(at - file.riddles.begin());
        f.riddleSum = f.riddleFromFile ? ShortChecksum(RiddlesText(file.riddles), kDataSumBits)
                                       : TypedRiddleSum(r.RiddleQuestion, r.PunchLine);
    }
    if (r.ActivityType == Activity::WordProblems)
        f.wordsSum = WordFilesSum(r);
    return f;
}

// The bits of the fields with the version's, and how many remain for the seed; nothing when they
// do not fit.
std::optional<Writer> Written(CodeFields fields, const SheetVersion& version) {
    Writer writer;
    if (!SetVersion(fields, version) || !Transfer(writer, fields))
        return std::nullopt;
    return writer;
}

// The code with the seed in the room that remains; nothing when it is wider.
std::optional<std::string> WithSeed(Writer writer, uint64_t seed) {
    const int room = writer.bits.remaining();
    if (room < kFewestSeedBits || (room < 64 && seed >> room != 0))
        return std::nullopt;
    writer.bits.put(0, std::max(0, room - 64));
    writer.bits.put(seed, std::min(64, room));
    return writer.bits.text();
}

std::string Joined(const std::vector<std::string_view>& names) {
    std::string out;
    for (size_t i = 0; i < names.size(); ++i)
        out.append(i == 0 ? "" : i + 1 == names.size() ? " or " : ", ").append(names[i]);
    return out;
}

CodeRefusal Mistyped(std::string_view code) {
    std::string message = "\"";
    message.append(code).append(
        "\" is not a sheet code: a character is wrong, missing or extra. A code is 24 letters "
        "and digits in groups of four; type it again as the sheet shows it.");
    return {CodeRefusalKind::Mistyped, std::move(message)};
}

CodeRefusal ChangedFile(std::string_view names) {
    return {CodeRefusalKind::Changed,
            "This code was made with a different " + std::string(names) +
                ". Put back the file the sheet was made with, or make a new sheet."};
}

} // namespace

SetCodes CodesFor(const WorksheetRequest& request, std::span<const SheetVersion> versions,
                  std::optional<uint64_t> seed) {
    SetCodes out;
    const auto fields = FieldsOf(request);
    std::vector<Writer> writers;
    out.seedBits = 64;
    for (const SheetVersion& version : versions) {
        auto writer = fields ? Written(*fields, version) : std::nullopt;
        out.seedBits = writer ? std::min(out.seedBits, writer->bits.remaining()) : 0;
        if (!writer)
            break;
        writers.push_back(std::move(*writer));
    }
    out.seed = seed ? *seed : FreshSeed(out.seedBits >= kFewestSeedBits ? out.seedBits : 64);
    for (const Writer& writer : writers) {
        auto code = WithSeed(writer, out.seed);
        if (!code || writers.size() != versions.size()) {
            out.codes.clear();
            break;
        }
        out.codes.push_back(std::move(*code));
    }
    return out;
}

int SeedBitsFor(const WorksheetRequest& request, const SheetVersion& version) {
    return CodesFor(request, {&version, 1}, 0).seedBits;
}

std::optional<std::string> SheetCodeOf(const WorksheetRequest& request, const SheetVersion& version,
                                       uint64_t seed) {
    auto codes = CodesFor(request, {&version, 1}, seed).codes;
    return codes.empty() ? std::nullopt : std::optional(std::move(codes.front()));
}

std::string SheetCodeLine(std::string_view code) {
    return "Sheet code " + std::string(code);
}

std::variant<CodedSheet, CodeRefusal>
SheetFromCode(std::string_view code, const WorksheetRequest& base, const GivenAgain& given) {
    auto bits = SheetCodeBits::FromText(code);
    if (!bits)
        return Mistyped(code);
    Reader reader{*bits};
    CodeFields f;
    const bool read = Transfer(reader, f);
    if (f.format > kSheetCodeFormat)
        return CodeRefusal{CodeRefusalKind::Newer,
                           "This code was made by a newer version of the program, which can make "
                           "its sheet again; this version cannot read it. Update the program, or "
                           "make a new sheet."};
    const int room = reader.bits.remaining();
    const uint64_t high = reader.bits.get(std::max(0, room - 64));
    if (!read || f.format != kSheetCodeFormat || high != 0 ||
        (f.inSet && f.setNumber > f.setCount) || f.regrouping > 2)
        return Mistyped(code);

    CodedSheet sheet;
    sheet.seed = reader.bits.get(std::min(64, room));
    WorksheetRequest& r = sheet.request = base;
    const WorksheetRequest skeleton = Skeleton(f);
    r.ActivityType = skeleton.ActivityType;
    r.SkillMode = skeleton.SkillMode;
    r.SkillChecked = skeleton.SkillChecked;
    r.MixedSkills = skeleton.MixedSkills;
    r.AllowRemainders = f.remainders != 0;
    r.AllowNegatives = f.negatives != 0;
    r.ProblemStyle = static_cast<int16_t>(f.style);
    std::array<double, 4> values{};
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<double>(f.ranges[i]);
    if (CheckRangeValues(RangeScreenOpening(r).lowest, values))
        return Mistyped(code);
    StoreRanges(r, values);
    r.LargePrint = f.largePrint != 0;
    r.FirstSquareFilled = f.firstSquare != 0;
    r.Choices = {};
    if (f.choices) {
        r.Choices.regrouping = static_cast<Regrouping>(f.regrouping);
        r.Choices.answerLimit = f.answerLimit != 0;
        r.Choices.answerMin = Unfolded(f.answerMin);
        r.Choices.answerMax = Unfolded(f.answerMax);
        r.Choices.facts = static_cast<uint16_t>(f.facts);
        r.Choices.noRepeats = f.noRepeats != 0;
    }
    r.KeepTyped = false;
    if (f.inSet) {
        sheet.version = {static_cast<int>(f.setNumber) + 1, static_cast<int>(f.setCount) + 1,
                         f.named ? given.pupil : std::string()};
        sheet.named = f.named != 0;
    }

    if (r.ActivityType == Activity::SecretRiddle) {
        if (f.riddleFromFile) {
            const RiddleFile file = ReadRiddleFile(DataFoldersOf(r));
            if (ShortChecksum(RiddlesText(file.riddles), kDataSumBits) != f.riddleSum ||
                f.riddleIndex >= file.riddles.size())
                return ChangedFile(kRiddleFileName);
            const Riddle& riddle = file.riddles[f.riddleIndex];
            ApplyRiddleChoice(r, riddle.question, riddle.punchLine);
        } else if (!given.riddle || !given.punchLine) {
            return CodeRefusal{CodeRefusalKind::NeedsRiddle,
                               "This sheet's riddle was typed for it, so its code does not hold "
                               "it: give the riddle and its punch line again, as on the sheet."};
        } else if (TypedRiddleSum(*given.riddle, *given.punchLine) != f.riddleSum) {
            return CodeRefusal{CodeRefusalKind::Changed,
                               "This code was made with a different riddle or punch line. Give "
                               "them again exactly as on the sheet."};
        } else {
            ApplyRiddleChoice(r, *given.riddle, *given.punchLine);
        }
    }
    if (r.ActivityType == Activity::WordProblems && WordFilesSum(r) != f.wordsSum)
        return ChangedFile(Joined(WordFiles(r)));
    if (UsesScreen(r.ActivityType, Screen::ChooseHowMany) &&
        ConfirmProblemCount(r, std::to_string(f.count)))
        return Mistyped(code);
    if (given.heading)
        r.Heading = *given.heading;
    else
        r.Heading = UsesScreen(r.ActivityType, Screen::ChooseHeading) ? DefaultHeading(r) : "";
    return sheet;
}

} // namespace abacore
