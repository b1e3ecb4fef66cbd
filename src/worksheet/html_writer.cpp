#include "worksheet/html_writer.h"

#include "core/number_text.h"
#include "document/html_page.h"
#include "worksheet/math_squares.h"

namespace abacore {

namespace {

class SheetPage {
public:
    SheetPage(std::string& out, const SheetContent& content, std::string id)
        : m_out(out), m_content(content), m_id(std::move(id)) {}

    void write(const WebVersion& version, const Picture* picture) {
        m_code = version.code;
        const std::string_view label = version.label;
        m_out += "<section class=\"sheet\" id=\"" + m_id + "\"";
        if (!label.empty())
            m_out += " aria-label=\"" + HtmlText(label) + "\"";
        m_out += ">\n";
        if (!PageText(m_content.heading).empty())
            m_out += "<h1>" + HtmlText(m_content.heading) + "</h1>\n";
        if (!label.empty())
            m_out += "<p class=\"version\">" + HtmlText(label) + "</p>\n";
        if (picture)
            m_out += PictureElement(*picture);
        if (m_content.hasNameLine)
            m_out += "<p class=\"name\"><label for=\"" + m_id +
                     "-name\">Name</label> <input id=\"" + m_id +
                     "-name\" type=\"text\" autocomplete=\"off\"" +
                     (version.pupil.empty() ? "" : " value=\"" + HtmlText(version.pupil) + "\"") +
                     "></p>\n";
        writeLines("directions", m_content.directions);
        writeLines("riddle", m_content.riddle);
        switch (m_content.form) {
        case AnswerForm::Problems:
        case AnswerForm::Stories:
        case AnswerForm::Riddle:
            writeProblems();
            break;
        case AnswerForm::Matching:
            writeMatching();
            break;
        case AnswerForm::Squares:
            writeSquares();
            break;
        case AnswerForm::Cards:
            writeCards();
            return finish();
        }
        if (m_content.form == AnswerForm::Riddle)
            writePunchLine();
        m_out += kCheckControls;
        finish();
    }

private:
    void finish() {
        if (!m_code.empty())
            m_out += "<p class=\"code\" style=\"font-size:smaller\">" + HtmlText(m_code) + "</p>\n";
        m_out += "</section>\n";
    }

    // Each line of a text as a paragraph of its own; none for an empty text.
    void writeLines(std::string_view kind, std::string_view text) {
        std::string lines;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string_view::npos)
                end = text.size();
            const std::string line = PageText(text.substr(start, end - start));
            if (line.find_first_not_of(' ') != std::string::npos)
                lines += "<p>" + HtmlText(line) + "</p>\n";
            start = end + 1;
        }
        if (!lines.empty())
            m_out.append("<div class=\"")
                .append(kind)
                .append("\">\n")
                .append(lines)
                .append("</div>\n");
    }

    void box(int number, std::string_view question, std::string_view role, std::string_view label,
             std::string_view entry) {
        m_out += "<input class=\"box\" type=\"text\" autocomplete=\"off\" spellcheck=\"false\" "
                 "aria-label=\"";
        m_out.append(label).append(" ").append(std::to_string(number));
        m_out.append("\" data-role=\"").append(role).append("\" data-h=\"");
        m_out += AnswerHash(number, PageText(question), role, entry);
        m_out += "\">";
    }

    void itemStart(int number, const SheetProblem& problem) {
        m_out += "<li class=\"item\" data-n=\"" + std::to_string(number) + "\"";
        if (problem.letter)
            m_out.append(" data-letter=\"").append(1, problem.letter).append("\"");
        m_out += "><span class=\"num\">" + std::to_string(number) + ")</span> ";
    }

    void writeProblems() {
        m_out += m_content.form == AnswerForm::Stories ? "<ol class=\"problems stories\">\n"
                                                       : "<ol class=\"problems\">\n";
        int number = 0;
        for (const SheetProblem& problem : m_content.problems) {
            itemStart(++number, problem);
            if (problem.letter)
                m_out.append("<span class=\"letter\">Letter: ")
                    .append(1, problem.letter)
                    .append("</span> ");
            m_out += "<span class=\"q\">" + HtmlText(problem.question) + "</span> ";
            box(number, problem.question, "answer", "Answer", problem.answer);
            if (!problem.remainder.empty()) {
                m_out += " <span class=\"r\" aria-hidden=\"true\">R</span> ";
                box(number, problem.question, "remainder", "Remainder", problem.remainder);
            }
            m_out += " <span class=\"mark\"></span></li>\n";
        }
        m_out += "</ol>\n";
    }

    // As on paper: the letter's blank before each problem, the lettered column beside them.
    void writeMatching() {
        m_out += "<div class=\"matching\">\n<ol class=\"problems\">\n";
        int number = 0;
        for (const SheetProblem& problem : m_content.problems) {
            itemStart(++number, problem);
            box(number, problem.question, "letter", "Answer", problem.answer);
            m_out += " <span class=\"q\">" + HtmlText(problem.question) +
                     "</span> <span class=\"mark\"></span></li>\n";
        }
        m_out += "</ol>\n<ol class=\"choices\">\n";
        char letter = 'A';
        for (const std::string& choice : m_content.choices)
            m_out.append("<li>")
                .append(1, letter++)
                .append(") ")
                .append(HtmlText(choice))
                .append("</li>\n");
        m_out += "</ol>\n</div>\n";
    }

    // Each square's results are on the sheet already; the page works out whether the pupil's
    // four numbers give them, so any solution counts.
    void writeSquares() {
        static constexpr std::array<std::string_view, 4> kCorners = {"top left", "top right",
                                                                     "bottom left", "bottom right"};
        m_out += "<div class=\"squares\">\n";
        int number = 0;
        for (const SheetSquare& square : m_content.squares) {
            ++number;
            const std::string n = std::to_string(number);
            MathSquare shown;
            shown.skill = square.skill;
            shown.results = square.results;
            shown.remainders = square.remainders;
            m_out += "<fieldset class=\"square item\" data-n=\"" + n + "\" data-skill=\"" +
                     std::string(SkillSign(square.skill)) + "\" data-results=\"";
            for (size_t k = 0; k < 4; ++k)
                m_out.append(k ? " " : "").append(TrimmedNumberText(square.results[k]));
            m_out += "\" data-rems=\"";
            for (size_t k = 0; k < 4; ++k)
                m_out.append(k ? " " : "").append(TrimmedNumberText(square.remainders[k]));
            m_out += "\"><legend>Square " + n + "</legend>\n<div class=\"grid\">";
            for (size_t k = 0; k < 4; ++k) {
                m_out += "<input class=\"box\" type=\"text\" autocomplete=\"off\" "
                         "spellcheck=\"false\" aria-label=\"Square " +
                         n + ", " + std::string(kCorners[k]) + "\"";
                if (k == 0 && !square.given.empty())
                    m_out += " value=\"" + HtmlText(square.given) + "\" readonly";
                m_out += ">";
                if (k % 2 == 1)
                    m_out += "<span class=\"res\">" +
                             HtmlText(SquareResultText(shown, static_cast<int>(k / 2),
                                                       m_content.remaindersShown)) +
                             "</span>";
            }
            for (int k = 2; k < 4; ++k)
                m_out += "<span class=\"res\">" +
                         HtmlText(SquareResultText(shown, k, m_content.remaindersShown)) +
                         "</span>";
            m_out += "</div> <span class=\"mark\"></span></fieldset>\n";
        }
        m_out += "</div>\n";
    }

    // The punch line's letters as blanks, each with the answer of its letter's problem under
    // it: a right answer puts its letter in every blank over that number.
    void writePunchLine() {
        std::array<std::string, 26> under;
        for (const SheetProblem& problem : m_content.problems)
            if (problem.letter >= 'A' && problem.letter <= 'Z')
                under[static_cast<size_t>(problem.letter - 'A')] = problem.answer;
        m_out += "<div class=\"punchline\"><p><span class=\"lead\">The Answer:</span> <span "
                 "class=\"word\">";
        for (const char c : PageText(m_content.punchLine)) {
            const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            if (lower >= 'a' && lower <= 'z' && !under[static_cast<size_t>(lower - 'a')].empty()) {
                const std::string& answer = under[static_cast<size_t>(lower - 'a')];
                m_out += "<span class=\"blank\" data-for=\"" + HtmlText(answer) +
                         "\"><span class=\"ch\">&nbsp;</span><span class=\"under\">(" +
                         HtmlText(answer) + ")</span></span>";
            } else if (c == ' ') {
                m_out += "</span> <span class=\"word\">";
            } else if (static_cast<unsigned char>(c) >= 0x80) {
                m_out += c; // a byte of a character PageText has made whole
            } else {
                m_out += "<span class=\"lit\">";
                AppendHtmlText(m_out, std::string_view(&c, 1));
                m_out += "</span>";
            }
        }
        m_out += "</span></p></div>\n";
    }

    void writeCards() {
        m_out += "<ul class=\"cards\">\n";
        for (const SheetProblem& problem : m_content.problems)
            m_out += "<li><button type=\"button\" class=\"card\" aria-pressed=\"false\"><span "
                     "class=\"front\">" +
                     HtmlText(problem.question) + "</span><span class=\"back\" hidden>" +
                     HtmlText(problem.answer) + "</span></button></li>\n";
        m_out += "</ul>\n";
    }

    std::string& m_out;
    const SheetContent& m_content;
    std::string m_id;
    std::string m_code;
};

} // namespace

std::string WorksheetHtml(std::span<const WebVersion> versions, const Picture* picture) {
    std::string out = PageStart(versions.empty() ? "" : versions.front().content->heading);
    // A class set opens with a list of its versions, each a link to its own section.
    if (versions.size() > 1) {
        out += "<nav aria-label=\"Versions\"><ul class=\"versions\">\n";
        for (size_t k = 0; k < versions.size(); ++k)
            out += "<li><a href=\"#v" + std::to_string(k + 1) + "\">" +
                   HtmlText(versions[k].label) + "</a></li>\n";
        out += "</ul></nav>\n";
    }
    for (size_t k = 0; k < versions.size(); ++k) {
        std::string id = "v";
        id += std::to_string(k + 1);
        SheetPage(out, *versions[k].content, std::move(id)).write(versions[k], picture);
    }
    out += PageEnd();
    return out;
}

} // namespace abacore
