#include "clipart/picture_placement.h"

#include <utility>

namespace abacore {

void PlacePictureBelowHeading(Document& worksheet, std::shared_ptr<const Picture> picture) {
    if (!picture)
        return;
    std::vector<Paragraph> paragraphs = worksheet.paragraphs();
    Paragraph line;
    line.alignment = Alignment::Centre;
    line.runs.push_back(Run{line.endFormat, std::string(), std::move(picture)});
    const auto at = paragraphs.empty() ? paragraphs.end() : paragraphs.begin() + 1;
    paragraphs.insert(at, std::move(line));
    worksheet.setParagraphs(std::move(paragraphs));
}

} // namespace abacore
