#pragma once
// The message of the failure an action throws, for the logic and the window tests alike.

#include <string>

namespace abacore {

// What `action` threw as an `Error`, in the user's words; empty when it threw nothing.
template <typename Error, typename Action> std::string FailureText(Action&& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

} // namespace abacore
