#pragma once
// Reads the picture groups of an RTF file back: the kind of image, its sizes and its bytes.

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace abacore {

struct RtfPicture {
    std::string kind;                // "pngblip" or "jpegblip"
    std::map<std::string, int> size; // picw, pich, picwgoal, pichgoal
    std::string bytes;               // the hex decoded
    size_t paragraph = 0;            // how many \par come before it
};

inline std::vector<RtfPicture> ReadRtfPictures(const std::string& rtf) {
    std::vector<RtfPicture> out;
    size_t at = 0;
    while ((at = rtf.find("{\\pict", at)) != std::string::npos) {
        const size_t end = rtf.find('}', at);
        if (end == std::string::npos)
            break;
        RtfPicture picture;
        for (size_t p = rtf.find("\\par", 0); p < at; p = rtf.find("\\par", p + 1))
            if (rtf.compare(p, 5, "\\pard") != 0)
                ++picture.paragraph;
        const std::string group = rtf.substr(at + 1, end - at - 1);
        const std::regex word("\\\\([a-z]+)(-?[0-9]+)?");
        size_t body = 0;
        for (auto it = std::sregex_iterator(group.begin(), group.end(), word);
             it != std::sregex_iterator(); ++it) {
            const std::smatch& m = *it;
            if (m[2].matched)
                picture.size[m[1]] = std::stoi(m[2]);
            else if (m[1] != "pict")
                picture.kind = m[1];
            body = static_cast<size_t>(m.position(0) + m.length(0));
        }
        std::string hex;
        for (size_t i = body; i < group.size(); ++i)
            if (!std::isspace(static_cast<unsigned char>(group[i])))
                hex += group[i];
        for (size_t i = 0; i + 1 < hex.size(); i += 2)
            picture.bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        if (hex.size() % 2 != 0)
            picture.bytes += '?'; // an odd digit count can never match real bytes
        out.push_back(std::move(picture));
        at = end;
    }
    return out;
}

} // namespace abacore
