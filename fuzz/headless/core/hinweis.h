#pragma once
// Stand-in for the progress window, for the page scanner's fuzz target only.
// The scanner's source holds the word loop of a page (tParser) beside the
// tokenizer, and that loop asks the window and the system's tick count; the
// fuzz target drives the tokenizer and the page steps, never the loop. Goes
// when the scanner reaches its window through the core's run context.
namespace core {

class THinweisDlg {
 public:
  bool Visible() const { return true; }
};

}  // namespace core

using DWORD = unsigned long;
inline DWORD GetTickCount() { return 0; }
