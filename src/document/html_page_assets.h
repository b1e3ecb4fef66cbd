#pragma once
// The style and the script of every web page we write, kept together in
// html_page_assets.cpp.

namespace abacore {

extern const char* const kPageStyle;
extern const char* const kPageScript;

} // namespace abacore
