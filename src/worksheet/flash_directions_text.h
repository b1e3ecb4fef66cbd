#pragma once
// The texts of the FlashDirections screen, shown between the ranges and the count for flash
// cards: how to make cards of the printed strips.

namespace abacore::FlashDirectionsText {

inline constexpr const char* kCaption = "Directions for Making Flash Cards";
inline constexpr const char* kTitle = "Directions for Assembling Flash Cards";
inline constexpr const char* kStepCut =
    "1) Cut paper into strips with one problem and one answer on each strip";
inline constexpr const char* kStepFold =
    "2) Fold each strip so that the question is on the front with the answer on the back.";

} // namespace abacore::FlashDirectionsText
