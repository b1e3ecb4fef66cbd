#include "worksheet/page_setup.h"
#include "worksheet/rtf_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace {

// A small reader for what the writer emits: the font and colour tables, then paragraphs of
// runs with the character state in force at each character. Unicode escapes keep their code
// point and skip the one fallback that follows; \'xx is read as Windows-1252 (Latin-1 plus the
// euro sign, enough for these tests).
struct ReadRun {
    CharFormat format;
    std::string text;
};
struct ReadParagraph {
    std::string alignment; // "ql", "qc" or "qr"
    std::vector<int> tabs;
    std::vector<ReadRun> runs;
    CharFormat markFormat; // in force at \par or at the end
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::vector<ReadParagraph> ReadBack(const std::string& rtf) {
    std::map<int, std::string> fonts;
    const std::regex fontEntry(R"(\{\\f(\d+)[^ ]* ([^;]*);\})");
    const size_t fontTable = rtf.find("{\\fonttbl");
    const size_t colourTable = rtf.find("{\\colortbl;");
    EXPECT_NE(fontTable, std::string::npos);
    EXPECT_NE(colourTable, std::string::npos);
    const std::string fontText = rtf.substr(fontTable, colourTable - fontTable);
    for (std::sregex_iterator it(fontText.begin(), fontText.end(), fontEntry), end; it != end; ++it)
        fonts[std::stoi((*it)[1])] = (*it)[2];
    std::vector<Rgb> colours{Rgb{}};
    const size_t bodyStart = rtf.find("}\n", colourTable) + 2;
    const std::string colourText = rtf.substr(colourTable, bodyStart - colourTable);
    const std::regex colourEntry(R"(\\red(\d+)\\green(\d+)\\blue(\d+);)");
    for (std::sregex_iterator it(colourText.begin(), colourText.end(), colourEntry), end; it != end;
         ++it)
        colours.push_back(Rgb{static_cast<uint8_t>(std::stoi((*it)[1])),
                              static_cast<uint8_t>(std::stoi((*it)[2])),
                              static_cast<uint8_t>(std::stoi((*it)[3]))});

    std::vector<ReadParagraph> out(1);
    CharFormat state;
    auto addText = [&](char32_t cp) {
        auto& runs = out.back().runs;
        if (runs.empty() || !(runs.back().format == state))
            runs.push_back(ReadRun{state, {}});
        AppendUtf8(runs.back().text, cp);
    };
    size_t i = bodyStart;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '}' && i + 2 >= rtf.size())
            break;
        if (c == '\n') {
            ++i;
            continue;
        }
        if (c != '\\') {
            addText(static_cast<unsigned char>(c));
            ++i;
            continue;
        }
        const char next = rtf[i + 1];
        if (next == '\\' || next == '{' || next == '}') {
            addText(static_cast<unsigned char>(next));
            i += 2;
            continue;
        }
        if (next == '\'') {
            const int byte = std::stoi(rtf.substr(i + 2, 2), nullptr, 16);
            addText(byte == 0x80 ? 0x20AC : static_cast<char32_t>(byte));
            i += 4;
            continue;
        }
        size_t j = i + 1;
        while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
            ++j;
        const std::string word = rtf.substr(i + 1, j - i - 1);
        size_t k = j;
        if (k < rtf.size() && rtf[k] == '-')
            ++k;
        while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k])))
            ++k;
        const bool hasNumber = k > j;
        const int number = hasNumber ? std::stoi(rtf.substr(j, k - j)) : 0;
        if (k < rtf.size() && rtf[k] == ' ')
            ++k;
        i = k;
        if (word.starts_with("paper") || word.starts_with("marg")) {
            // the page, checked elsewhere
        } else if (word == "pard") {
            out.back().tabs.clear();
        } else if (word == "ql" || word == "qc" || word == "qr") {
            out.back().alignment = word;
        } else if (word == "tx") {
            out.back().tabs.push_back(number);
        } else if (word == "par") {
            out.back().markFormat = state;
            out.emplace_back();
        } else if (word == "f") {
            state.fontName = fonts.at(number);
        } else if (word == "fs") {
            state.fontSize = number / 2.0;
        } else if (word == "b") {
            state.bold = !hasNumber || number != 0;
        } else if (word == "i") {
            state.italic = !hasNumber || number != 0;
        } else if (word == "ul") {
            state.underline = true;
        } else if (word == "ulnone") {
            state.underline = false;
        } else if (word == "cf") {
            state.color = colours.at(static_cast<size_t>(number));
        } else if (word == "tab") {
            addText('\t');
        } else if (word == "u") {
            addText(static_cast<char32_t>(static_cast<uint16_t>(number)));
            i += rtf[i] == '\\' ? 4 : 1; // the fallback: \'xx or one character
        } else {
            ADD_FAILURE() << "unexpected control word \\" << word;
        }
    }
    out.back().markFormat = state;
    return out;
}

std::string AlignmentWord(Alignment a) {
    return a == Alignment::Left ? "ql" : a == Alignment::Centre ? "qc" : "qr";
}

// The worksheet as the window builds it: heading, Name/Date line, directions, grid rows with
// underlined cells and the division sign, and a right-aligned coloured line.
Document Worksheet(const std::string& heading) {
    Document d;
    d.setTabStops({0, 15, 30, 45});
    d.SetFontSize(18);
    d.SetBold(true);
    d.SetFontName("Times New Roman");
    d.SetAlignment(Alignment::Centre);
    d.Insert(heading + "\n");
    d.MoveToEnd();
    d.SetFontSize(14);
    d.SetBold(false);
    d.Insert("\nName_____________________________     Date_______________\n");
    d.SetFontSize(10);
    d.SetBold(true);
    d.SetItalic(true);
    d.Insert("\nDirections: Practice your  skills by solving the problems below.\n\n");
    d.SetItalic(false);
    d.SetFontSize(11);
    d.SetAlignment(Alignment::Left);
    d.SetFontName("Courier New");
    for (int row = 0; row < 3; ++row) {
        d.SetUnderline(false);
        d.Insert("    1)   144 \xC3\xB7 12 =      2)    35");
        d.SetUnderline(true);
        d.Insert("+ 17");
        d.SetUnderline(false);
        d.Insert("         3)  7 - 2 =                 \n");
    }
    d.SetColor({255, 0, 0});
    d.SetAlignment(Alignment::Right);
    d.Insert("red on the right");
    return d;
}

void ExpectSameAsModel(const Document& d, const std::vector<ReadParagraph>& read) {
    ASSERT_EQ(read.size(), d.paragraphs().size());
    for (size_t p = 0; p < read.size(); ++p) {
        SCOPED_TRACE("paragraph " + std::to_string(p));
        const Paragraph& want = d.paragraphs()[p];
        EXPECT_EQ(read[p].alignment, AlignmentWord(want.alignment));
        EXPECT_EQ(read[p].tabs, d.tabStops());
        ASSERT_EQ(read[p].runs.size(), want.runs.size());
        for (size_t r = 0; r < want.runs.size(); ++r) {
            EXPECT_EQ(read[p].runs[r].text, want.runs[r].text);
            EXPECT_EQ(read[p].runs[r].format, want.runs[r].format) << want.runs[r].text;
        }
        EXPECT_EQ(read[p].markFormat, want.endFormat);
    }
}

std::string Between(const std::string& s, const std::string& from, const std::string& to) {
    const size_t a = s.find(from);
    const size_t b = s.find(to, a);
    return a == std::string::npos || b == std::string::npos ? "" : s.substr(a, b - a);
}

} // namespace

TEST(RtfWriter, HeaderNamesOnlyTheFontsAndColoursUsedAndThePage) {
    Document d;
    d.SetFontName("Courier New");
    d.Insert("a");
    d.SetFontName("Terminal");
    d.SetColor({0, 0, 255});
    d.Insert("b");
    d.SetFontName("Some Font");
    d.Insert("c\n");
    const std::string rtf = RtfText(d);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252\\deff0", 0), 0u);
    EXPECT_EQ(Between(rtf, "{\\fonttbl", "}\n"),
              "{\\fonttbl{\\f0\\fmodern\\fcharset0\\fprq1 Courier New;}"
              "{\\f1\\fmodern\\fcharset255\\fprq1 Terminal;}{\\f2\\fnil\\fcharset0 Some Font;}");
    EXPECT_EQ(rtf.find("Times New Roman"), std::string::npos);
    EXPECT_EQ(Between(rtf, "{\\colortbl", "}"),
              "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;");
    const std::string page = "\\paperw12240\\paperh15840\\margl864\\margr864\\margt1080\\margb1080";
    EXPECT_NE(rtf.find(page), std::string::npos);
    EXPECT_EQ(rtf.substr(rtf.size() - 2), "}\n");
}

TEST(RtfWriter, PageLeavesRoomForAGridRow) {
    EXPECT_EQ(PageSetup::paperWidthTwips - PageSetup::leftMarginTwips - PageSetup::rightMarginTwips,
              PageSetup::ToTwips(7.3));
    EXPECT_GT(PageSetup::ToTwips(PageSetup::textWidthInches),
              PageSetup::ToTwips(PageSetup::gridRowWidthInches));
}

TEST(RtfWriter, EscapesByFontAndCharacter) {
    struct Case {
        const char* name;
        const char* font;
        const char* text;
        const char* rtf;
    };
    const Case cases[] = {
        {"backslash and braces", "Courier New", "a\\b{c}", "a\\\\b\\{c\\}"},
        {"tab", "Courier New", "1\t2", "1\\tab 2"},
        {"tab before a blank", "Courier New", "\t 2", "\\tab  2"},
        {"division sign", "Courier New", "\xC3\xB7", "\\'f7"},
        {"accent", "Courier New", "caf\xC3\xA9", "caf\\'e9"},
        {"euro from the 0x80 row", "Courier New", "\xE2\x82\xAC", "\\'80"},
        {"greek", "Times New Roman", "\xCE\xB1", "\\u945?"},
        {"cyrillic", "Times New Roman", "\xD0\x96", "\\u1046?"},
        {"cjk above 32767 goes negative", "Times New Roman", "\xE8\xAA\x9E", "\\u-30050?"},
        {"outside the basic plane as a pair", "Times New Roman", "\xF0\x9F\x98\x80",
         "\\u-10179?\\u-8704?"},
        {"broken utf-8", "Times New Roman",
         "a\xFF"
         "b",
         "a\\u-3?b"},
        {"control character dropped", "Times New Roman", "a\rb", "ab"},
        {"box line in terminal", "Terminal", "\xE2\x94\x82", "\\u9474\\'b3"},
        {"double corner in terminal", "Terminal", "\xE2\x95\x94", "\\u9556\\'c9"},
        {"full block in terminal", "Terminal", "\xE2\x96\x88", "\\u9608\\'db"},
        {"division sign in terminal", "Terminal", "\xC3\xB7", "\\u247\\'f6"},
        {"not in code page 437", "Terminal", "\xE2\x82\xAC", "\\u8364?"},
        {"box line in a text font", "Courier New", "\xE2\x94\x82", "\\u9474?"},
    };
    for (const Case& c : cases) {
        Document d;
        d.SetFontName(c.font);
        d.Insert(c.text);
        const std::string rtf = RtfText(d);
        const size_t body = rtf.find("\\cf1 ");
        ASSERT_NE(body, std::string::npos) << c.name;
        EXPECT_EQ(rtf.substr(body + 5, rtf.size() - body - 7), c.rtf) << c.name;
    }
}

TEST(RtfWriter, EveryParagraphStatesAlignmentTabsAndItsFormat) {
    const Document d = Worksheet("Math Skills Practice Worksheet");
    const std::string rtf = RtfText(d);
    size_t pards = 0;
    for (size_t at = rtf.find("\\pard"); at != std::string::npos; at = rtf.find("\\pard", at + 1))
        ++pards;
    EXPECT_EQ(pards, d.paragraphs().size());
    EXPECT_NE(rtf.find("\\pard\\qc\\tx0\\tx15\\tx30\\tx45\\f0\\fs36\\b\\i0\\ulnone\\cf1 Math"),
              std::string::npos);
    // The empty line after the heading is 14 points high: its mark carries the size.
    EXPECT_NE(rtf.find("\\pard\\qc\\tx0\\tx15\\tx30\\tx45\\f0\\fs28\\b0\\i0\\ulnone\\cf1 \\par\n"),
              std::string::npos);
    // Between runs only the underline changes.
    EXPECT_NE(rtf.find("35\\ul + 17\\ulnone          3)"), std::string::npos);
    EXPECT_NE(rtf.find("\\pard\\qr"), std::string::npos);
    ExpectSameAsModel(d, ReadBack(rtf));
}

TEST(RtfWriter, ReadsBackToTheModelWithEditsAndOddText) {
    Document d = Worksheet("Quiz \\ {1} \xC3\xA9t\xC3\xA9 \xCE\xA9\xCE\xBC \xD0\x96 \xE6\xBC\xA2");
    std::vector<Paragraph> paragraphs = d.paragraphs();
    // An edit as the window makes it: part of a run in another font, size, italic and colour.
    Paragraph& row = paragraphs[7];
    ::Run tail = row.runs[0];
    row.runs[0].text = "    1)";
    tail.text = tail.text.substr(6);
    tail.format.fontName = "Arial";
    tail.format.fontSize = 10.5;
    tail.format.italic = true;
    tail.format.color = {0, 255, 0};
    row.runs.insert(row.runs.begin() + 1, tail);
    Paragraph box;
    box.endFormat.fontName = "Terminal";
    box.endFormat.fontSize = 11;
    box.runs.push_back({box.endFormat, "\xE2\x94\x8C\xE2\x94\x80\xE2\x94\x90 \xE2\x95\x91"});
    paragraphs.push_back(box);
    d.setParagraphs(paragraphs);
    ExpectSameAsModel(d, ReadBack(RtfText(d)));
}

TEST(RtfWriter, EmptyDocumentIsAValidFileWithOneParagraph) {
    const Document d;
    const std::string rtf = RtfText(d);
    EXPECT_EQ(rtf.find("\\par\n"), std::string::npos);
    ExpectSameAsModel(d, ReadBack(rtf));
    std::ostringstream stream;
    WriteRtf(stream, d);
    EXPECT_EQ(stream.str(), rtf);
}

// LibreOffice reads the file as a word processor would; its text export must give back every
// character, in order. Skipped where it is not installed.
TEST(RtfWriter, LibreOfficeReadsTheTextBack) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice is not installed";
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("abacore-rtf-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const Document d = Worksheet("Quiz \\ {1} caf\xC3\xA9 \xCE\xA9\xCE\xBC \xD0\x96 \xE6\xBC\xA2");
    {
        std::ofstream file(dir / "sheet.rtf", std::ios::binary);
        WriteRtf(file, d);
    }
    const std::string command = "cd '" + dir.string() +
                                "' && soffice -env:UserInstallation=file://" + dir.string() +
                                "/profile --headless --convert-to txt:Text --outdir out sheet.rtf"
                                " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(dir / "out" / "sheet.txt", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fs::remove_all(dir);
    // The export starts with a byte order mark and marks runs of blanks in proportional fonts
    // with U+2006 before each blank; neither is part of the document.
    const std::string bom = "\xEF\xBB\xBF", sixPerEm = "\xE2\x80\x86";
    if (text.rfind(bom, 0) == 0)
        text.erase(0, bom.size());
    for (size_t at = text.find(sixPerEm); at != std::string::npos; at = text.find(sixPerEm, at))
        text.erase(at, sixPerEm.size());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    EXPECT_EQ(text, d.plainText());
}
