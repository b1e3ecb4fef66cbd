#pragma once
// The skill screen's rules: which skills were chosen, the mode they make, and which of the two
// yes/no questions the activity asks.

#include "core/skill_names.h"
#include "core/worksheet_request.h"

#include <array>

namespace abacore {

namespace SkillText {
inline constexpr const char* kCaption = "Choose a skill...";
inline constexpr const char* kPrompt = "Choose the skill(s) for this worksheet";
// Index = skill code - 1.
inline constexpr std::array<const char*, 4> kNames = {kSkillNames[1], kSkillNames[2],
                                                      kSkillNames[3], kSkillNames[4]};
inline constexpr const char* kNoSkillTitle = "Hey!";
inline constexpr const char* kNoSkill = "Please choose at least one skill...";
inline constexpr const char* kRemaindersTitle = "Allow Remainders?";
inline constexpr const char* kRemainders =
    "Do you want to allow remainders for the division problems?";
inline constexpr const char* kNegativesTitle = "Allow negative answers?";
inline constexpr const char* kNegatives =
    "Do you want to allow negative answers for the subtraction problems?";
} // namespace SkillText

// Records the ticked skills (index = skill code - 1): SkillChecked is first set back to unset,
// then the ticked skills become true. With nothing ticked it returns false and changes no
// other field; otherwise it sets SkillMode (the single skill, or Mixed) and MixedSkills.
bool ApplySkillChoice(WorksheetRequest& request, const std::array<bool, 4>& ticked);

// Whether "Allow Remainders?" is asked: division chosen, and the activity's row asks it (its
// division problems can leave a remainder at all).
bool AsksRemainders(const WorksheetRequest& request);

// Whether "Allow negative answers?" is asked: subtraction chosen, and the activity's row asks it
// (its subtraction answers can be negative at all).
bool AsksNegatives(const WorksheetRequest& request);

} // namespace abacore
