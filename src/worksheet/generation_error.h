#pragma once

#include <stdexcept>

namespace abacore {

// The ranges cannot (or practically cannot) make the requested problems. what() is the
// message for the user: it names the skill and what to change.
class GenerationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace abacore
