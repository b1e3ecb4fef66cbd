#pragma once
// make's first half: the arguments read into a job, or refused. Nothing is written and no window
// is made; the files the options name to be read (the class list, the program folder) are read,
// and the output names checked, so that a refused command leaves every file as it was.

#include "core/paper.h"
#include "core/program_places.h"
#include "core/worksheet_request.h"
#include "document/sheet_version.h"
#include "worksheet/activity_table.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace abacore {

// The form of a file make writes, told by its name's extension.
enum class FileFormat { Rtf, Pdf, Text, WebPage, Ipuz };

// Everything make needs to make and write the files.
struct MakeJob {
    bool help = false; // --help: show the usage, and nothing else
    const ActivityRow* row = nullptr;
    WorksheetRequest request; // filled as the wizard fills it, with the run's places
    // Absolute, from where the command was given, byte for byte as typed; the key's empty when
    // there is none.
    std::filesystem::path output, answerKey;
    FileFormat outputFormat = FileFormat::Rtf;
    std::optional<FileFormat> keyFormat;
    std::vector<SheetVersion> versions; // one unlabelled sheet, or a class set
    std::optional<uint64_t> seed;
    bool again = false; // made again from a code: one version, drawn as its set drew it
    std::optional<std::filesystem::path> picture;

    bool needsPdf() const {
        return outputFormat == FileFormat::Pdf || keyFormat == FileFormat::Pdf;
    }
};

// Why make did not run: the message (without the program's name in front) and the exit code, 2
// for a mistake in the options, 1 for a file that cannot be written or read.
struct MakeRefusal {
    std::string message;
    int exitCode = 2;
};

// `arguments`: the command's, after the program's name ("make", the activity, the options), each
// as the bytes it was given. `places` are the run's, unless --folder names a program folder. The
// sheets are laid out on the paper of --paper, else the one chosen in the program, else
// `systemPaper`.
std::variant<MakeJob, MakeRefusal> ParseMake(std::span<const std::string> arguments,
                                             const ProgramPlaces& places, Paper systemPaper);

// The refusal for the exception in flight, as make reports every failure: a refusal thrown as
// it is, a sheet the ranges cannot make exit code 2, any other failure exit code 1.
MakeRefusal RefusalInFlight();

} // namespace abacore
