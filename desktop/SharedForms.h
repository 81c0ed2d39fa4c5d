#pragma once
// The forms the three programs share: what each program changes in them,
// and what they need of the program around them.
#include <functional>
#include <string>
#include <vector>

namespace core {
class TMainWindow;
class DeferredMainWindow;
}

namespace desktop {

// The layouts of the shared forms: Corvanta's, then the running program's
// variant of it (captions, sizes).
struct SharedLayouts {
  std::vector<std::string> about{"TUeberDlg"};
  std::vector<std::string> wordList{"TWoerterListeDlg"};
  std::vector<std::string> description{"TBeschreibungDlg"};
  std::vector<std::string> stopWords{"TStopwortlisteDlg"};
  std::vector<std::string> environment{"TUmgebungDlg"};
  std::vector<std::string> firstRun{"TumgebungInitDlg"};
};

// What the forms ask of the main window: a local page (a path, optionally
// with "#" and an anchor) in the browser, false when it could not be shown
// (the user has been told); and the shared file choice, started at file,
// false when the user chose none.
struct DialogServices {
  std::function<bool(const std::string& page)> openInBrowser;
  std::function<bool(const std::string& title, const std::string& filter, std::string& file)> selectFile;
};

// The main window's browser and file choice, for the forms it opens; also
// in batch runs, where the window is never shown.
DialogServices ServicesOf(core::TMainWindow& window);
// The same for a main window not yet made: it is made when a form first asks.
DialogServices ServicesOf(core::DeferredMainWindow& host);

}  // namespace desktop
