#pragma once
// A message box as the wizard's rules ask for it: the window (or the batch command) shows it
// with an OK button.

#include <string>

namespace abacore {

struct WizardMessage {
    std::string title;
    std::string text;

    bool operator==(const WizardMessage&) const = default;
};

} // namespace abacore
