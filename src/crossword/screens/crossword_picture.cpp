#include "crossword/screens/crossword_picture.h"

#include "crossword/crossword_messages.h"
#include "shell/worksheet_request.h"
#include "ui/app_context.h"
#include "ui/dialogs.h"

#include <QImageReader>

namespace abacore {

std::optional<QImage> ChooseCrosswordPicture(AppContext& context, QWidget* parent) {
    context.request.ClipArtForWorksheet = false;
    const std::optional<QString> path =
        context.dialogs.openFile(parent, QString::fromUtf8(CrosswordText::kPictureTitle),
                                 QString::fromUtf8(CrosswordText::kPictureFilter),
                                 QString::fromStdString(context.request.ProgramFolder));
    if (!path || path->isEmpty())
        return std::nullopt;
    QImageReader reader(*path);
    // Photos from a camera say which way up they were taken.
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull()) {
        context.dialogs.message(parent, QString::fromUtf8(CrosswordText::kPictureErrorTitle),
                                QString::fromUtf8(CrosswordText::kPictureError));
        return std::nullopt;
    }
    // Enough for a full page at 200 dots per inch; a camera's full size only slows the drawing
    // and swells the PDF files.
    constexpr int kLargestSide = 2200;
    if (picture.width() > kLargestSide || picture.height() > kLargestSide)
        picture = picture.scaled(kLargestSide, kLargestSide, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
    return picture;
}

} // namespace abacore
