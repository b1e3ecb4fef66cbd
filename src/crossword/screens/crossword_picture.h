#pragma once
// The picture behind the crossword, chosen from the builder window's "Choose picture..."
// button. One function, so the picture window can take over the choosing without the crossword
// windows changing.

#include <QImage>
#include <optional>

class QWidget;

namespace abacore {

struct AppContext;

// Asks for a picture file and loads it. Marks the request's picture as one for the crossword
// (ClipArtForWorksheet false). Nothing when the user cancels; a file that cannot be loaded is
// reported with the "Error:" message and gives nothing.
std::optional<QImage> ChooseCrosswordPicture(AppContext& context, QWidget* parent);

} // namespace abacore
