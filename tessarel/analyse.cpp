#include "tessarel/analyse.h"

#include <windows.h>

#include <cmath>
#include <vector>

#include "core/HelpContexts.h"
#include "core/ProgressTimes.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/FolderEntries.h"
#include "platform/base/Clock.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "tessarel/SchlagwortSeite.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/WortFilter.h"
#include "tessarel/hinweis.h"
#include "tessarel/ini.h"
#include "tessarel/projektVerwaltung.h"
#include "tessarel/scanner.h"

namespace tessarel {

namespace {

constexpr int kLabelWidth = 50;
constexpr int kShownWordLength = 50;

std::string ProgramTitle() { return core::LoadStr(core::Txt::ProgramTitle); }

std::string LabelPath(const std::string& path) {
  return core::Text().StripTrailingChar('\\', core::Text().ShortenUrl(path, kLabelWidth));
}

std::string PercentTitle(int position, int maximum) {
  const double share = maximum > 0 ? 100.0 * position / maximum : 0.0;
  return core::FormatStr(txt::Load(IDS_TITLE_PERCENT),
                         {ProgramTitle(), std::to_string(static_cast<long long>(std::nearbyint(share)))});
}

bool LastWrite(const std::string& path, FILETIME& time) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
  time = data.ftLastWriteTime;
  return true;
}

platform::TStringList SortedList() {
  platform::TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(platform::TDuplicates::dupIgnore);
  return list;
}

}  // namespace

bool PageOutdated(const std::string& page, const std::string& document, bool always) {
  FILETIME pageTime{};
  if (always || !LastWrite(page, pageTime)) return true;
  FILETIME documentTime{};
  if (!LastWrite(document, documentTime)) return false;
  return CompareFileTime(&pageTime, &documentTime) < 0;
}

tAnalyse::tAnalyse(const std::string& documentsFolder, bool& abort, bool commonFrame, const std::string& frameFolder)
    : documentsFolder_(documentsFolder),
      frameFolder_(frameFolder),
      commonFrame_(commonFrame),
      documents_(SortedList()),
      skipped_(SortedList()) {
  // A list or page template named outside the template folder: no run.
  if (const auto refused = Projekt()->RefusedFileName()) {
    ReportRefusedFileName(*refused);
    abort = true;
    return;
  }
  THinweisDlg window;
  platform::App().SetTitle(ProgramTitle() + txt::Load(IDS_TITLE_SUCHE));
  window.SetCaption(ProgramTitle() + txt::Load(IDS_CAPTION_SUCHE));
  window.SingleBar();
  window.Show();

  std::string root = documentsFolder_;
  if (root.empty() || root.back() != '\\') root += '\\';
  platform::TStringList skippedFiles = SortedList();
  if (!abort) Search(window, root, std::string(), abort, skippedFiles);

  const std::string excluded = Projekt()->ExcludeDateiendungen + txt::Fixed(IDS_EXCLUDE_ALWAYS);
  ExcludeByExtensions(documents_, excluded, abort);
  // What the list would not have taken anyway is not reported either.
  ExcludeByExtensions(skippedFiles, excluded, abort);
  for (int i = 0; i < skippedFiles.Count(); ++i) skipped_.Add(skippedFiles[i]);
}

tAnalyse::~tAnalyse() = default;

bool tAnalyse::Step(THinweisDlg& window, const std::string& folder, bool& abort) {
  window.lblAnzeige.SetCaption(LabelPath(folder));
  platform::ProgressBar& bar = window.pbFortschritt;
  bar.SetPosition(bar.Position() >= 100 ? 1 : bar.Position() + 1);
  if (!window.Visible()) {
    abort = true;
    return false;
  }
  platform::App().ProcessMessages();
  return true;
}

void tAnalyse::Search(THinweisDlg& window, const std::string& root, const std::string& relative, bool& abort,
                      platform::TStringList& skippedFiles) {
  const std::string folder = root + relative;
  const std::vector<core::FolderEntry> entries = core::ListFolder(folder, "*.*");

  // Sub-folders first, depth first; hidden and system folders are passed over.
  for (const core::FolderEntry& entry : entries) {
    if (entry.attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
    if (!Step(window, folder, abort)) return;
    if (!entry.folder || entry.name.empty() || entry.name[0] == '.') continue;
    // No path names what lies in such a folder: it is reported whole.
    if (entry.fault == core::EntryFault::Name) {
      skipped_.Add(relative + entry.name + "\\");
      continue;
    }
    Search(window, root, relative + entry.name + "\\", abort, skippedFiles);
    if (abort) return;
  }

  for (const core::FolderEntry& entry : entries) {
    if (entry.folder) continue;
    // A document that no reader could open must not cancel the run. What a
    // page write cut off by a kill left beside its page is no document.
    if (!platform::IsReplacementTemp(entry.name))
      (entry.fault == core::EntryFault::None ? documents_ : skippedFiles).Add(relative + entry.name);
    if (!Step(window, folder, abort)) return;
  }
}

void tAnalyse::Analyse(bool& abort) {
  TProjekt& p = *Projekt();
  const platform::TDateTime start = platform::Now();
  const std::string title = ProgramTitle();
  const std::string templatePath = p.VorlagenVerzeichnis + "\\" + p.Rahmen;
  const WordFilter filter(p);
  const bool unixBrowser = Settings() && Settings()->GetWWWBrowserUnix();

  THinweisDlg window;
  platform::App().SetTitle(title + txt::Load(IDS_TITLE_ANALYSE));
  window.SetCaption(title + txt::Load(IDS_CAPTION_ANALYSE));
  window.StartTime = start;
  window.pbFortschritt.SetMax(documents_.Count() + 1);
  window.Show();

  p.automationErrors.Clear();
  int analysed = 0;
  long long total = 0;

  auto cancel = [&] {
    abort = true;
    scanner_.reset();
    platform::App().SetTitle(title);
  };

  for (int i = 0; i < documents_.Count(); ++i) {
    const std::string& relative = documents_[i];
    platform::App().SetTitle(PercentTitle(window.pbFortschritt.Position(), window.pbFortschritt.Max()));
    const std::string page = PageFileName(documentsFolder_, relative, commonFrame_, frameFolder_);
    const std::string document = core::Text().StripTrailingChar('\\', documentsFolder_) + "\\" + relative;
    // A page that no path can name is never written: its document is
    // reported instead.
    if (page.size() >= MAX_PATH) {
      skipped_.Add(relative);
      continue;
    }
    if (!PageOutdated(page, document, p.UpdateHTMLDatei)) continue;

    ++analysed;
    keywords_.Clear();
    platform::App().ProcessMessages();

    bool rawRead = false;
    scanner_ = std::make_unique<tScanner>(&window, abort, rawRead, document, p);

    window.lblAnzeige2.SetCaption(LabelPath(platform::AnsiUpperCase(relative)));
    window.lblAnzeige.SetCaption(txt::Load(IDS_SUCHE_SCHLAGWORTE));
    window.pbFortschritt.SetPosition(window.pbFortschritt.Position() + 1);

    // A reader whose file the user gave up opening has set abort already:
    // nothing more is read, and nothing more asked.
    if (abort || !window.Visible()) return cancel();

    std::string word;
    while (!scanner_->AtEnd()) {
      if (!window.Visible()) return cancel();
      scanner_->NextWord(abort, word);
      if (abort) return cancel();
      const WordVerdict verdict = filter.Judge(word, rawRead);
      if (verdict == WordVerdict::Dropped) continue;
      if (verdict == WordVerdict::Keyword) {
        keywords_.Add(word);
        window.lblAnzeige.SetCaption(core::FormatStr(txt::Load(IDS_SHOWN_WORD), {word.substr(0, kShownWordLength)}));
      }
      if (filter.LimitReached(keywords_.Count())) break;
    }

    if (keywords_.Count() > 0) {
      const PageValues values{PageLinkText(documentsFolder_, relative, commonFrame_, frameFolder_, unixBrowser),
                              KeywordBody(keywords_.Sorted()), PageFooter(platform::Now())};
      WriteKeywordPage(templatePath, page, values, abort);
      if (abort) return cancel();
      total += keywords_.Count();
    }
    scanner_.reset();
  }

  p.duration = core::FormatDuration(platform::Now() - start);
  platform::App().SetTitle(title);
  p.considered = std::to_string(documents_.Count());
  p.analysed = std::to_string(analysed);
  p.keywords = std::to_string(total);
  p.average = analysed > 0 ? std::to_string(total / analysed) : "0";
}

void ReportSkippedDocuments(const platform::TStringList& skipped) {
  if (skipped.Count() == 0) return;
  platform::MessageDlg(core::FormatStr(txt::Load(IDS_DOCUMENTS_SKIPPED), {core::MessageLines(skipped.Lines())}),
                       platform::MsgDlgType::Warning, platform::mbOK, core::hcNone);
}

}  // namespace tessarel
