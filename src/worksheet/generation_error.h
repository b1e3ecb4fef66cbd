#pragma once

#include "core/failure.h"

namespace abacore {

// The ranges cannot (or practically cannot) make the requested problems. what() is the
// message for the user: it names the skill and what to change.
class GenerationError : public Failure {
public:
    using Failure::Failure;
};

} // namespace abacore
