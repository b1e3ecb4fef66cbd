#include "clipart/picture_messages.h"

#include "clipart/picture_size.h"

namespace abacore {

namespace {

std::string Quoted(std::string_view name) {
    std::string quoted;
    quoted.reserve(name.size() + 2);
    quoted.append(1, '"').append(name).append(1, '"');
    return quoted;
}

} // namespace

std::string PictureUnreadableReason(std::string_view name, std::string_view why) {
    return "The file " + Quoted(name) + " cannot be read: " + std::string(why) + ".";
}

std::string NotAPictureReason(std::string_view name) {
    return "The file " + Quoted(name) + " is not a picture that Abacore can show.";
}

std::string PictureFileTooLargeReason(std::string_view name) {
    return "The file " + Quoted(name) + " is too large for a picture (more than " +
           std::to_string(kLargestPictureFileBytes / (1024 * 1024)) + " MB).";
}

std::string TooManyPixelsReason(std::string_view name) {
    return "The file " + Quoted(name) + " has too many pixels for a picture (more than " +
           std::to_string(kMostPicturePixels / 1'000'000) + " million).";
}

std::string PreviewFailedMessage(std::string_view reason) {
    return std::string(reason) + " Please choose another file.";
}

} // namespace abacore
