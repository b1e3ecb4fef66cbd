#pragma once
// How the logic reports that it could not do its work: it throws a Failure whose what() is the
// message for the user, in words. The window or command that started the work catches it and
// shows it; nothing below a window shows anything. A check of the user's input is not a
// failure: it returns the message to show, or nothing.

#include <stdexcept>

namespace abacore {

class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file could not be written; the message names the file and the reason.
class WriteError : public Failure {
public:
    using Failure::Failure;
};

// A file could not be read; the message names the file and the reason.
class ReadError : public Failure {
public:
    using Failure::Failure;
};

} // namespace abacore
