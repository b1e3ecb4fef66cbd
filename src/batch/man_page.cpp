#include "batch/man_page.h"

namespace abacore {

namespace {

// An option's names as the page shows them: bold names, italic value.
std::string OptionTag(const ManOption& entry) {
    std::string tag = "\\fB";
    if (!entry.shortName.empty())
        tag += "\\-" + RoffText(entry.shortName) + "\\fR, \\fB";
    tag += "\\-\\-" + RoffText(entry.option->name) + "\\fR";
    if (!entry.option->valueName.empty())
        tag += " \\fI" + RoffText(entry.option->valueName) + "\\fR";
    return tag;
}

constexpr std::string_view kHead =
    R"(.TH ABACORE\-DRILL 1 "" "Abacore: Drill Edition" "User Commands"
.SH NAME
abacore\-drill \- arithmetic worksheets and puzzles for teachers
.SH SYNOPSIS
.B abacore\-drill
.RB [ \-\-folder
.IR DIR ]
.br
.B abacore\-drill make
.I ACTIVITY
.RI [ options ]
.B \-o
.I FILE
.RB [ \-\-answer\-key
.IR FILE ]
.SH DESCRIPTION
Without arguments the program opens its main menu. Choose an activity, answer the short
wizard (skills, layout, number ranges, heading, count) and the worksheet and its answer key
open in an editable window, to be saved as rich text, printed, exported as PDF or opened in
your own word processor.
.PP
.B \-\-folder
.I DIR
starts the program on another program folder. The window also takes the options every Qt
program takes, such as
.BI \-style " NAME",
.BI \-platform " NAME"
and
.BR \-reverse .
.PP
.B make
builds a worksheet without opening a window, with the wizard's rules and messages.
.I ACTIVITY
is one of: )";

constexpr std::string_view kFormats = R"(.
The format follows each file's extension: .rtf (rich text), .pdf, or .txt (the plain
characters, UTF\-8).
.SH OPTIONS
)";

constexpr std::string_view kTail = R"(.SH EXIT STATUS
0 done; 1 a file could not be written; 2 a mistake in the options.
.SH ENVIRONMENT
.TP
.B PAPERSIZE
the paper (a4 or letter) when neither
.B \-\-paper
nor the Paper choice of the worksheet window names one; without it
.I /etc/papersize
decides, then the territory of
.BR LC_ALL ", " LC_PAPER " or " LANG
(Letter in the United States, Canada, Mexico and a few more), else Letter.
.SH FILES
Run from its build folder, from a copied folder or with
.BR \-\-folder ,
the program folder holds everything: the settings file
.IR kvtdata.dat ,
the riddles
.IR Riddles.dat ,
the word problems files
.IR add.dat ", " subtract.dat ", " multiply.dat ", " divide.dat ,
the background picture
.IR AbacoreBack.jpg ,
the paper chosen in the program
.I paper.txt
and the
.I worksheets
folder where saved worksheets go.
.PP
An installed copy never writes to its installed files:
.TP
.I PREFIX/share/abacore\-drill
the shipped data files.
.TP
.I $XDG_CONFIG_HOME/abacore\-drill
(by default
.IR ~/.config/abacore\-drill )
your own program folder, made on the first start with a copy of the settings file (or moved
there from
.IR ~/.local/share/abacore\-drill ,
where an earlier version kept it); no install writes into it. A data
file put here is read instead of the shipped one: to use riddles or word problems of your own,
copy
.I Riddles.dat
or a word problems file here and edit the copy.
.TP
.I ~/Documents/Abacore Worksheets
saved worksheets, in the documents folder that
.B xdg\-user\-dir DOCUMENTS
names.
)";

} // namespace

std::string RoffText(std::string_view text) {
    std::string out;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\''))
            out += "\\&";
        lineStart = false;
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else if (c == '\n')
            out += ' ';
        else
            out += c;
    }
    return out;
}

std::string ManPage(std::string_view activities, const std::vector<ManOptionGroup>& groups) {
    std::string page(kHead);
    page += RoffText(activities);
    page += kFormats;
    for (const ManOptionGroup& group : groups) {
        page += ".SS " + RoffText(group.heading) + "\n";
        for (const ManOption& entry : group.options)
            page += ".TP\n" + OptionTag(entry) + "\n" + RoffText(entry.option->help) + "\n";
    }
    page += kTail;
    return page;
}

} // namespace abacore
