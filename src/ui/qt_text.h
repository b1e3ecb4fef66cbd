#pragma once
// The logic's text (UTF-8 in std::string) as Qt's: the one conversion the windows use.

#include <QString>
#include <string_view>

namespace abacore {

inline QString QText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace abacore
