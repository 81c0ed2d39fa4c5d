#pragma once
// Opening local pages in the configured web browser and files in the
// configured editors; the three programs share it, each main window keeping
// one launcher (which holds the browser automation object between calls).
//
// How a page reaches the browser depends on the browser: a Unix program under
// Wine is started on the page's Unix path; otherwise the page becomes a
// "file:///" URL that is handed to Netscape, Mozilla and Opera by DDE, to
// Internet Explorer by automation, and to any other browser on its command
// line. Netscape and Mozilla get help pages through the frame page "_top.htm"
// of the help folder when it is installed.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/WineDrives.h"

namespace core {

// A tool as the settings name it.
struct ToolSetting {
  std::string path;    // the program file
  std::string params;  // extra command-line parameters, as the user wrote them
  bool unix = false;   // a Unix program under Wine: it gets Unix paths
};

// A failure of the browser's automation server or of the automation layer.
class EAutomationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// No DDE server answered, even after the browser was started.
class EDdeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The part of a browser's automation object that the launcher uses: the
// property Visible and the method Navigate. Both throw EAutomationError.
class BrowserAutomation {
 public:
  virtual ~BrowserAutomation() = default;
  virtual void SetVisible(bool visible) = 0;
  virtual void Navigate(const std::string& url) = 0;
};

// Makes a new automation object of a class ("InternetExplorer.Application");
// throws EAutomationError when it cannot.
using AutomationFactory = std::function<std::unique_ptr<BrowserAutomation>(const std::string& progId)>;

// The factory of the system: COM, late bound through IDispatch.
std::unique_ptr<BrowserAutomation> CreateComAutomation(const std::string& progId);

// What a Unix browser is given for a page: the Unix path of the page; for a
// page with an anchor, whose "#" no file name may keep, the file URL of that
// path followed by the anchor.
std::string UnixBrowserTarget(std::string_view page, const WineDrives& drives);

// "file://" + a Unix path (code page 1252), every byte that a URL path
// cannot hold percent-encoded, the text as UTF-8, the way Unix file names
// are stored.
std::string UnixFileUrl(std::string_view unixPath);

class Launcher {
 public:
  // programDir: the program's folder with its trailing "\"; the help folder
  // "hilfe" lies in it. missingPageHelpContext: the help context of the
  // warning about a missing page; 0 shows the warning with OK alone.
  Launcher(std::string programDir, int missingPageHelpContext);
  ~Launcher();
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;

  // Hands page (a Windows path, optionally followed by "#" and an anchor) to
  // the browser. True when the browser was given it; false after telling the
  // user that the browser setting is wrong or the page is missing. A Unix
  // browser is started without looking at either. DDE and automation
  // failures are thrown (EDdeError, EAutomationError).
  bool OpenInBrowser(const std::string& page, const ToolSetting& browser, const WineDrives& drives);

  // Starts program with its parameters and the file in double quotes; no
  // result, no waiting.
  void OpenWithTool(const std::string& program, const std::string& params, const std::string& file);

  // Opens an address of the site (not a local page) in the browser: a Unix
  // browser gets its parameters and the address as one argument, as it
  // stands; any other browser goes through OpenWithTool.
  void OpenUrl(const ToolSetting& browser, const std::string& url);

  // Opens file in an editor: a Unix editor gets the file's Unix path as one
  // argument, any other OpenWithTool. The caller has checked that the editor
  // exists.
  void OpenInEditor(const ToolSetting& editor, const WineDrives& drives, const std::string& file);

  // The browser-specific ways; browser is the browser's program file, which
  // DDE starts when no server answers.
  void DdeOpenNetscape(const std::string& url, const std::string& browser);
  void DdeOpenMozilla(const std::string& url, const std::string& browser);
  void DdeOpenOpera(const std::string& url, const std::string& browser);
  // Navigates the kept automation object, creating one when there is none
  // or when the kept one fails (its window was closed).
  void OleOpenExplorer(const std::string& url);

  // The URL that Netscape and Mozilla are given: the frame page's URL, "?",
  // and url with ":" turned into "=" and "#" into "!"; url itself when the
  // help folder has no frame page.
  std::string WrappedUrl(const std::string& url) const;

  // For tests: where automation objects come from, and how long DDE waits
  // for a browser it had to start.
  void SetAutomationFactory(AutomationFactory factory) { factory_ = std::move(factory); }
  unsigned long ddeStartTimeoutMs = 15000;

 private:
  void DdeOpen(const std::string& service, bool activate, const std::string& item, const std::string& browser);

  std::string programDir_;
  int missingPageHelpContext_;
  AutomationFactory factory_;
  std::unique_ptr<BrowserAutomation> explorer_;
};

// Opens page in the browser of a settings object (Corvanta's and Pellinova's
// or Tessarel's); without one, the launcher finds no browser and says so.
template <class Settings>
bool OpenInBrowser(Launcher& launcher, const Settings* settings, const std::string& page) {
  static const WineDrives kNoDrives;
  return settings ? launcher.OpenInBrowser(page, settings->WWWBrowserTool(), settings->Drives())
                  : launcher.OpenInBrowser(page, {}, kNoDrives);
}

}  // namespace core
