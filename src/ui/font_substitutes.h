#pragma once
// The fonts the documents name but this system may lack, mapped to installed fonts of the same
// kind, for the screen, printing and PDF alike.

namespace abacore {

// Call once, after the application object exists and before any document is drawn.
void InstallFontSubstitutes();

} // namespace abacore
