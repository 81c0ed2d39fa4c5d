#include "coregui/projektVerwaltung.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <unordered_map>

#include "core/HelpContexts.h"
#include "core/Profile.h"
#include "core/Texts.h"
#include "core/Vorlage.h"
#include "coregui/CommandLine.h"
#include "coregui/Hilfsmittel.h"
#include "coregui/hinweis.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"

namespace core {

namespace {

// Saving more pages than this shows a progress window.
constexpr size_t kSaveQuietPages = 150;
constexpr int kLoadLabelWidth = 45;
constexpr int kGlossaryLabelWidth = 55;
constexpr long long kMaxStep = std::numeric_limits<int>::max();

std::string Number(long long n) { return std::to_string(n); }

void ShowProgressWindow(THinweisDlg& window, Txt caption, int maximum) {
  window.SetCaption(LoadStr(Txt::ProgramTitle) + LoadStr(caption));
  window.pbFortschritt.SetMax(std::max(maximum, 1));
  window.pbFortschritt.SetPosition(0);
  window.HideTimeLabels();
  window.lblAnzeige.SetCaption(LoadStr(Txt::LblBasisdaten));
  window.StartTime = platform::Now();
  window.Show();
  platform::App().ProcessMessagesNow();
}

// The program title with the share of the bar done, rounded half to even.
std::string PercentTitle(int position, int maximum) {
  const double share = maximum > 0 ? 100.0 * position / maximum : 0.0;
  return FormatStr(LoadStr(Txt::FmtTitlePercent),
                   {LoadStr(Txt::ProgramTitle), Number(static_cast<long long>(std::nearbyint(share)))});
}

}  // namespace

TProjekt::TProjekt(const std::string& path, bool& failed, THinweisDlg* shared)
    : platform::TIniFile(platform::TIniFile::FromText({})) {
  MakeStopWordList(stopWords_);
  glossaryLines_.SetDuplicates(platform::TDuplicates::dupAccept);
  Load(path, failed, shared);
}

TProjekt::~TProjekt() {
  for (auto& page : pages_) {
    page.reset();
    platform::App().ProcessMessages();
  }
  for (auto& entry : glossary_) {
    entry.reset();
    platform::App().ProcessMessages();
  }
}

// --- load ---

void TProjekt::Load(const std::string& path, bool& failed, THinweisDlg* shared) {
  failed = false;
  StepWindow step(shared);
  THinweisDlg& window = *step;
  ShowProgressWindow(window, Txt::CapLoadProject, 1);
  saved_ = true;

  try {
    platform::TIniFile::operator=(platform::TIniFile(path));
    // The file on disk is the project, not what an earlier opening of the
    // same file left in this process's copy.
    Reload();
  } catch (const std::exception&) {
    platform::MessageDlg(FormatStr(LoadStr(Txt::MsgProjectUnreachable), {path}), platform::MsgDlgType::Warning,
                         platform::mbOK | platform::mbHelp, hcProjektLaden);
    failed = true;
    return;
  }
  projectFileName_ = path;

  loading_ = true;
  file_.ReadSettings(CurrentProfile(), s_);
  loading_ = false;
  if (RefuseOutsideName()) {
    failed = true;
    return;
  }
  // The basic data and one step per announced page, whatever the file
  // announces.
  window.pbFortschritt.SetMax(static_cast<int>(std::clamp(file_.AnnouncedPages() + 1LL, 1LL, kMaxStep)));
  window.pbFortschritt.SetPosition(1);

  const std::string stopFile = StopWordFileName();
  if (platform::FileExists(stopFile)) {
    try {
      LoadStopWords(stopFile, stopWords_);
    } catch (const std::exception&) {
      stopWords_.Clear();
      s_.StopwortListeVerwenden = false;
    }
    storedStopWords_ = stopWords_.Lines();
  } else if (s_.StopwortListeVerwenden) {
    platform::MessageDlg(LoadStr(Txt::MsgStopwordSetting), platform::MsgDlgType::Error,
                         platform::mbOK | platform::mbHelp, hcStopwortliste);
    failed = true;
    return;
  }

  if (!LoadPages(window)) failed = true;
}

namespace {

void ShowRefusedName(const RefusedFileName& refused) {
  platform::MessageDlg(FormatStr(LoadStr(Txt::MsgFileNameOutside), {refused.key + "=" + refused.value, refused.file}),
                       platform::MsgDlgType::Error, platform::mbOK, hcNone);
}

}  // namespace

bool TProjekt::RefuseOutsideName() {
  std::optional<RefusedFileName> refused = refusedTemplate_;
  if (!refused && file_.RefusedName()) {
    refused = file_.RefusedName();
    refused->file = projectFileName_;
  }
  if (!refused) return false;
  // Neither its stop-word list is read nor anything written: the project
  // does not open.
  ShowRefusedName(*refused);
  return true;
}

bool TProjekt::DirExists(const std::string& path) const { return Dir().DirExists(path); }

std::string TProjekt::ProgramFolder() const { return ProgramDirectory(); }

bool TProjekt::LoadPages(THinweisDlg& window) {
  ProgressRun run(window);
  return file_.ReadPages(CurrentProfile(), pages_, [&](int n, const std::string& url) {
    if (run.Cancelled()) return false;
    window.pbFortschritt.SetPosition(static_cast<int>(std::min(n + 1LL, kMaxStep)));
    run.Pump();
    if (!url.empty()) window.lblAnzeige.SetCaption(core::Text().ShortenUrl(url + "...", kLoadLabelWidth));
    return true;
  });
}

void TProjekt::LoadTemplateSettings(const std::string& directory) {
  TemplateSwitches switches;
  RefusedFileName refused;
  const bool read = ReadTemplateDescriptor(directory, switches, &refused);
  if (!read && !refused.key.empty()) {
    if (loading_) refusedTemplate_ = refused;
    else ShowRefusedName(refused);
    return;
  }
  const bool otherFolder = !platform::SameText(directory, s_.VorlagenVerzeichnis);
  s_.VorlagenVerzeichnis = directory;
  saved_ = false;
  if (read) file_.ReadTemplateKeys(CurrentProfile(), s_, switches);
  // The stop words in memory are the old folder's; the next save would write
  // them over the new folder's own list.
  const std::string stopFile = StopWordFileName();
  if (otherFolder && platform::FileExists(stopFile)) {
    try {
      LoadStopWords(stopFile, stopWords_);
    } catch (const std::exception&) {
      stopWords_.Clear();
    }
    storedStopWords_ = stopWords_.Lines();
  }
}

std::string TProjekt::StopWordFileName() const { return s_.VorlagenVerzeichnis + "\\" + s_.StopwortListe; }

bool TProjekt::FolderSubstituted(Txt key) const { return file_.FolderSubstituted(key); }

std::string TProjekt::PageName(const TSchlagwortDatei& page) const {
  const auto pageName = CurrentProfile().pageName;
  return pageName ? pageName(s_, page) : page.url;
}

// --- save ---

void TProjekt::SaveProject(THinweisDlg* shared) {
  if (saved_) return;
  std::optional<StepWindow> step;
  THinweisDlg* window = nullptr;
  if (pages_.size() > kSaveQuietPages) {
    window = &*step.emplace(shared);
    ShowProgressWindow(*window, Txt::CapSaveProject, static_cast<int>(pages_.size()));
  }

  file_.WriteSettings(CurrentProfile(), s_, static_cast<int>(pages_.size()));

  if (window) window->pbFortschritt.SetPosition(1);
  // The file is the user's: it is written only when the entries changed
  // (a list that could not be read is thus never saved over it as empty).
  if (std::vector<std::string> words = stopWords_.Lines(); words != storedStopWords_) {
    try {
      SaveStopWords(StopWordFileName(), stopWords_);
      storedStopWords_ = std::move(words);
    } catch (const std::exception&) {
      // The stop-word file is the template's; a read-only template keeps it.
    }
  }

  WritePages(window);
  UpdateFile();
  saved_ = true;
}

void TProjekt::WritePages(THinweisDlg* window) {
  file_.WritePages(pages_, [&](size_t i, const std::string& url) {
    if (!window) return;
    window->pbFortschritt.SetPosition(static_cast<int>(i + 1));
    ProgressRun(*window).Pump();
    if (!url.empty()) window->lblAnzeige.SetCaption(core::Text().ShortenUrl(url + "...", kLoadLabelWidth));
  });
}

// --- run steps ---

void TProjekt::ClearRunData() {
  for (auto& page : pages_) page->ClearRunData();
  glossary_.clear();
}

void TProjekt::RemoveStopWords(int position) {
  KeywordList& words = pages_.at(static_cast<size_t>(position))->words;
  if (stopWords_.Count() == 0 || words.Count() == 0) return;
  // One pass deletes the stop words and closes up the rest; while the words
  // are sorted it walks both lists side by side.
  words.DeleteLinesIn(stopWords_);
}

void TProjekt::DropEmptyPages() {
  std::erase_if(pages_, [](const std::unique_ptr<TSchlagwortDatei>& page) { return page->words.Count() == 0; });
  std::int32_t total = 0;
  for (const auto& page : pages_) total += page->words.Count();
  s_.SchlagworteGesamt = total;
}

void TProjekt::BuildGlossary(THinweisDlg& window, RunContext& run) {
  // The words are entries of one shared table: a word is its entry.
  std::unordered_map<const KeywordEntry*, TGlossarEintrag*> byWord;
  byWord.reserve(glossary_.size() * 2 + 1024);
  for (const auto& entry : glossary_) byWord.emplace(InternKeyword(entry->wort), entry.get());

  for (auto& page : pages_) {
    window.lblAnzeige.SetCaption(
        core::Text().StripTrailingChar('\\', core::Text().ShortenUrl(PageName(*page), kGlossaryLabelWidth)));
    const int maximum = window.pbFortschritt.Max();
    const int position = std::min(window.pbFortschritt.Position() + 1, maximum);
    window.pbFortschritt.SetPosition(position);
    platform::App().SetTitle(PercentTitle(position, maximum));
    page->glossaryRefs.clear();
    page->glossaryRefs.reserve(static_cast<size_t>(page->words.Count()));
    run.Pump();
    for (int i = 0; i < page->words.Count(); ++i) {
      const KeywordEntry* word = page->words.Entry(i);
      auto [it, fresh] = byWord.try_emplace(word, nullptr);
      if (fresh) {
        glossary_.push_back(std::make_unique<TGlossarEintrag>(std::string(word->Text())));
        it->second = glossary_.back().get();
      } else {
        ++it->second->anzahl;
      }
      page->glossaryRefs.push_back(it->second);
    }
  }

  // Equal counts keep the order in which the words were first met.
  std::stable_sort(glossary_.begin(), glossary_.end(),
                   [](const auto& a, const auto& b) { return a->anzahl > b->anzahl; });
  for (size_t i = 0; i < glossary_.size(); ++i) glossary_[i]->index = static_cast<std::int32_t>(i);

  for (auto& page : pages_) {
    run.Pump();
    page->words.SetSorted(false);
    for (int i = 0; i < page->words.Count(); ++i)
      page->words.Put(i, Number(page->glossaryRefs[static_cast<size_t>(i)]->index));
  }
}

void TProjekt::GlossaryLine() {
  glossaryLines_.Clear();
  std::string words;
  for (size_t i = 0; i < glossary_.size(); ++i) {
    if (i > 0) words += ',';
    // The search form splits the line at "," into the numbered words, and
    // the line is a JavaScript string: a comma inside a word would shift the
    // number of every later word, a backslash would escape what follows.
    for (char c : glossary_[i]->wort) words += c == ',' ? ' ' : c == '\\' ? '/' : c;
  }
  glossaryLines_.Add(FormatStr(LoadStr(Txt::FmtGlossaryLine), {words}));
}

}  // namespace core
