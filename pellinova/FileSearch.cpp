#include "pellinova/FileSearch.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "core/HelpContexts.h"
#include "core/ProjectSettings.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/FolderEntries.h"
#include "coregui/hinweis.h"
#include "pellinova/TextNumbers.h"
#include "platform/base/StringList.h"
#include "platform/gui/Dialogs.h"

namespace pellinova {

namespace {

constexpr int kLabelWidth = 55;
// The bar only shows that the search goes on: it runs from 1 to this, again
// and again.
constexpr int kBarCycle = 100;

// The entries a pattern finds, in name order, so that every search walks a
// tree the same way whatever order the file system keeps.
std::vector<core::FolderEntry> ListEntries(const std::string& folder, const std::string& pattern) {
  std::vector<core::FolderEntry> entries = core::ListFolder(folder, pattern);
  std::sort(entries.begin(), entries.end(),
            [](const core::FolderEntry& a, const core::FolderEntry& b) { return a.name < b.name; });
  return entries;
}

// The extension from the last ".", the dot included; "" when there is none.
std::string Extension(const std::string& name) {
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

class Search {
 public:
  Search(core::THinweisDlg& window, std::string base, bool& abort, bool relative, platform::TStringList& list,
         platform::TStringList* skipped)
      : window_(window),
        run_(window),
        base_(std::move(base)),
        abort_(abort),
        relative_(relative),
        list_(list),
        skipped_(skipped) {}

  void Run(const std::string& mask) {
    if (abort_) return;
    const size_t split = mask.rfind('\\');
    const std::string sub = split == std::string::npos ? std::string() : mask.substr(0, split + 1);
    const std::string pattern = mask.substr(sub.size());

    for (const core::FolderEntry& entry : ListEntries(base_ + sub, "*.*")) {
      if (!Visit(sub)) return;
      // Skips "." and "..", and hidden folders such as ".svn" on purpose.
      if (!entry.folder || entry.name.empty() || entry.name[0] == '.') continue;
      // A folder that no path can name is skipped whole, and said so; one
      // whose files' paths grow too long is searched, and they are named.
      if (entry.fault == core::EntryFault::Name) {
        Skip(sub + entry.name + "\\");
        continue;
      }
      Run(sub + entry.name + "\\" + pattern);
      if (abort_) return;
    }
    const std::string wanted = Extension(pattern);
    for (const core::FolderEntry& entry : ListEntries(base_ + sub, pattern)) {
      if (!Visit(sub)) return;
      // The system's pattern also matches without regard to case and on
      // short names ("*.htm" meets "a.html"): only the exact extension counts.
      if (entry.folder || Extension(entry.name) != wanted) continue;
      // One file the run could not open must not cancel the rest.
      if (entry.fault != core::EntryFault::None) Skip(sub + entry.name);
      else list_.Add(relative_ ? sub + entry.name : base_ + sub + entry.name);
    }
  }

 private:
  void Skip(const std::string& relative) {
    if (skipped_) skipped_->Add(relative);
  }

  // Progress for one entry; false when the user has closed the window.
  bool Visit(const std::string& sub) {
    if (sub != labelled_ || !labelShown_) {
      window_.lblAnzeige.SetCaption(
          core::Text().StripTrailingChar('\\', core::Text().ShortenUrl(base_ + sub, kLabelWidth)));
      labelled_ = sub;
      labelShown_ = true;
    }
    const int position = window_.pbFortschritt.Position();
    window_.pbFortschritt.SetPosition(position >= kBarCycle ? 1 : position + 1);
    if (run_.Cancelled()) {
      abort_ = true;
      return false;
    }
    run_.Pump();
    return true;
  }

  core::THinweisDlg& window_;
  core::ProgressRun run_;
  std::string base_;
  bool& abort_;
  bool relative_;
  platform::TStringList& list_;
  platform::TStringList* skipped_;
  std::string labelled_;
  bool labelShown_ = false;
};

// HTMLVerzeichnis and ZielVerzeichnis without a trailing "\".
std::string Folder(const std::string& path) { return core::Text().StripTrailingChar('\\', path); }

}  // namespace

void SearchFilesRecursive(core::THinweisDlg& window, const std::string& base, bool& abort, bool relative,
                          platform::TStringList& list, const std::string& mask, platform::TStringList* skipped) {
  if (abort) return;
  std::string root = base;
  if (root.empty() || root.back() != '\\') root += '\\';
  Search(window, std::move(root), abort, relative, list, skipped).Run(mask);
}

void SearchSourceFiles(core::THinweisDlg& window, const core::ProjectSettings& settings, bool& abort,
                       platform::TStringList& list, platform::TStringList* skipped) {
  SearchExtensions(window, Folder(settings.HTMLVerzeichnis), settings.Dateiendungen, abort, list, skipped);
}

void SearchExtensions(core::THinweisDlg& window, const std::string& root, const std::string& extensions, bool& abort,
                      platform::TStringList& list, platform::TStringList* skipped) {
  const std::string title = core::LoadStr(core::Txt::ProgramTitle);
  size_t start = 0;
  while (!abort) {
    const size_t comma = extensions.find(',', start);
    const bool last = comma == std::string::npos;
    const std::string piece = extensions.substr(start, last ? std::string::npos : comma - start);
    // An empty last piece (a list ending in ",") is not searched; an empty
    // piece between commas searches "*." as the list says.
    if (last && piece.empty()) break;
    window.SetCaption(title + core::FormatStr(txt::Load(IDS_CAP_SEARCH_EXTENSION), {piece}));
    SearchFilesRecursive(window, root, abort, true, list, "*." + piece, skipped);
    if (last) break;
    start = comma + 1;
  }
}

void DropSearchFormFiles(const core::ProjectSettings& settings, platform::TStringList& list, const bool& abort) {
  const std::string* const ownNames[] = {&settings.JavascriptDatei, &settings.FrameDatei, &settings.FrameEingabeDatei,
                                    &settings.FrameHilfeDatei, &settings.FrameLadenDatei};
  // The target folder as a path relative to the source folder, when it lies
  // below it: "suche\".
  std::string targetPrefix;
  const std::string source = Folder(settings.HTMLVerzeichnis) + "\\";
  const std::string target = Folder(settings.ZielVerzeichnis) + "\\";
  if (target.size() > source.size() && platform::SameText(target.substr(0, source.size()), source))
    targetPrefix = target.substr(source.size());

  for (int i = 0; i < list.Count() && !abort;) {
    const std::string& entry = list[i];
    bool drop = !targetPrefix.empty() && entry.size() > targetPrefix.size() &&
                platform::SameText(entry.substr(0, targetPrefix.size()), targetPrefix);
    // By the last path component: a copy of the form in any sub-folder (an
    // old target folder, a second form) is no page to index either.
    const size_t slash = entry.rfind('\\');
    const std::string name = slash == std::string::npos ? entry : entry.substr(slash + 1);
    for (const std::string* own : ownNames) drop = drop || platform::SameText(name, *own);
    if (drop) list.Delete(i);
    else ++i;
  }
}

void ReportSkippedFiles(const platform::TStringList& skipped) {
  if (skipped.Count() == 0) return;
  platform::MessageDlg(core::FormatStr(txt::Load(IDS_MSG_FILES_SKIPPED), {core::MessageLines(skipped.Lines())}),
                       platform::MsgDlgType::Warning, platform::mbOK, core::hcNone);
}

}  // namespace pellinova
