#pragma once
// The texts of the math squares' option screen, shown after the count: whether the top-left
// number of every square is printed, to give younger pupils a start.

namespace abacore::SquaresOptionText {

inline constexpr const char* kCaption = "Math Squares Difficulty";
inline constexpr const char* kQuestion =
    "Math Squares can be made easier for younger or special needs students by giving them one "
    "of the answers to start them off. Would you like to choose this option?";
inline constexpr const char* kYes = "Yes, give them an answer";

} // namespace abacore::SquaresOptionText
