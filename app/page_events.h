#pragma once
// The browser edition tells the page around it how the start-up goes, so that the page
// (or a test driving it) knows when the window is there: every step is appended to the
// array globalThis.strsStartup and sent as a "strs-startup" event whose detail is the
// step. Elsewhere this does nothing.

namespace strs {

void TellPage(const char* step);

}  // namespace strs
