#pragma once
// The crossword grid as screen readers meet it: a table of the used rows and columns whose cells
// say their entry number and their character, "blank" or "empty" (SpokenCell).

namespace abacore {

class CrosswordView;

// Makes every crossword view a table for readers; once is enough, later calls do nothing.
void InstallCrosswordGridAccess();
// Tells readers that the view's current cell has the focus.
void AnnounceCurrentCell(CrosswordView& view);

} // namespace abacore
