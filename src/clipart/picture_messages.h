#pragma once
// What the user is told when a picture cannot be added.

#include "core/failure.h"

#include <string>
#include <string_view>

namespace abacore {

// A picture file that cannot be read or is not a picture; what() names the file and the reason.
class PictureError : public ReadError {
public:
    using ReadError::ReadError;
};

// The message of a failed "Add This Picture", whatever the reason.
inline constexpr const char* kPictureErrorTitle = "Error:";
inline constexpr const char* kPictureErrorText =
    "This control uses Active X to add clipart to your worksheet. It appears that Active X is "
    "not properly installed on your computer. You have several other options. You can <copy and "
    "paste> clipart onto the worksheet, you can save the worksheet to open in another "
    "application, or you can use the <QuickWord> feature to open the worksheet directly in your "
    "word processor.";

// Files larger than this are not read: no picture for a worksheet comes near it.
inline constexpr long long kLargestPictureFileBytes = 100LL * 1024 * 1024;

// The reasons of a PictureError; `name` is the file's name as the user sees it.
std::string PictureUnreadableReason(std::string_view name, std::string_view why);
std::string NotAPictureReason(std::string_view name);
std::string PictureFileTooLargeReason(std::string_view name);
std::string TooManyPixelsReason(std::string_view name);

// A file whose preview failed: the window stays open for another choice.
inline constexpr const char* kPreviewFailedTitle = "Oops!";
std::string PreviewFailedMessage(std::string_view reason);

} // namespace abacore
