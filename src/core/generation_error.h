#pragma once

#include "core/failure.h"

namespace abacore {

// The ranges cannot (or practically cannot) make the requested problems. what() is the
// message for the user: it names the skill and what to change.
class GenerationError : public Failure {
public:
    using Failure::Failure;
};

// A data file the sheet draws from is missing, unreadable or malformed; what() names it and
// what to do. A GenerationError, so that whoever only reports the refusal need not tell them
// apart.
class DataFileError : public GenerationError {
public:
    using GenerationError::GenerationError;
};

} // namespace abacore
