#include "core/projektVerwaltung.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <type_traits>
#include <unordered_map>
#include <variant>

#include "core/Hilfsmittel.h"
#include "core/Profile.h"
#include "core/Texts.h"
#include "core/Vorlage.h"
#include "core/hinweis.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"

namespace core {

namespace {

constexpr int kHelpProjectUnreachable = 800;
constexpr int kHelpStopwordSetting = 305;
// Saving more pages than this shows a progress window.
constexpr size_t kSaveQuietPages = 150;
constexpr int kLoadLabelWidth = 45;
constexpr int kGlossaryLabelWidth = 55;

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

std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return platform::ExtractFilePath(std::string(path, n));
}

// The highest page number "Dateien" holds a key for, up to limit: beyond it
// every entry reads empty, so a damaged AnzahlEintraege cannot make the load
// walk through millions of empty entries.
int LastPageKey(const platform::TIniFile& ini, const std::string& section, int limit) {
  platform::TStringList keys;
  ini.ReadSection(section, keys);
  int last = 0;
  for (int i = 0; i < keys.Count(); ++i) {
    const std::string& key = keys[i];
    if (key.empty() || key.size() > 10 || !std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    const long long n = std::atoll(key.c_str());
    if (n <= limit && n > last) last = static_cast<int>(n);
  }
  return last;
}

}  // namespace

TProjekt::TProjekt(const std::string& path, bool& failed) : platform::TIniFile(platform::TIniFile::FromText({})) {
  MakeStopWordList(stopWords_);
  glossaryLines_.SetDuplicates(platform::TDuplicates::dupAccept);
  Load(path, failed);
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

void TProjekt::Load(const std::string& path, bool& failed) {
  failed = false;
  THinweisDlg window;
  ShowProgressWindow(window, Txt::CapLoadProject, 1);
  saved_ = true;

  try {
    platform::TIniFile::operator=(platform::TIniFile(path));
    // The file on disk is the project, not what an earlier opening of the
    // same file left in this process's copy.
    Reload();
  } catch (const std::exception&) {
    platform::MessageDlg(FormatStr(LoadStr(Txt::MsgProjectUnreachable), {path}), platform::MsgDlgType::Warning,
                         platform::mbOK | platform::mbHelp, kHelpProjectUnreachable);
    failed = true;
    return;
  }
  projectFileName_ = path;

  const std::string settings = LoadStr(Txt::IniEinstellungen);
  anzahlEintraege_ = ReadInteger(settings, LoadStr(Txt::KeyAnzahlEintraege), 0);
  window.pbFortschritt.SetMax(std::max(anzahlEintraege_ + 1, 1));
  for (const SettingKey& key : CurrentProfile().loadKeys) ReadKey(key);
  window.pbFortschritt.SetPosition(1);

  const std::string stopFile = StopWordFileName();
  if (platform::FileExists(stopFile)) {
    try {
      LoadStopWords(stopFile, stopWords_);
      stopWordsWritable_ = true;
    } catch (const std::exception&) {
      stopWords_.Clear();
      s_.StopwortListeVerwenden = false;
    }
  } else if (s_.StopwortListeVerwenden) {
    platform::MessageDlg(LoadStr(Txt::MsgStopwordSetting), platform::MsgDlgType::Error,
                         platform::mbOK | platform::mbHelp, kHelpStopwordSetting);
    failed = true;
    return;
  }

  if (!LoadPages(window)) failed = true;
}

void TProjekt::ReadKey(const SettingKey& key) {
  const std::string section = LoadStr(Txt::IniEinstellungen);
  const std::string name = LoadStr(key.name);
  static const ProjectSettings kFresh;
  std::string defaultText;
  bool defaultSwitch = false;
  switch (key.def) {
    case KeyDefault::Member:
      break;
    case KeyDefault::Text:
      defaultText = LoadStr(key.defaultText);
      break;
    case KeyDefault::Descriptor:
      defaultText = Descriptor(key.descriptor);
      break;
    case KeyDefault::ProgramFolder:
      defaultText = ProgramFolder() + LoadStr(key.defaultText);
      break;
    case KeyDefault::WithGlossary:
      defaultSwitch = templateWithGlossary_;
      break;
    case KeyDefault::TemplateMega:
      defaultSwitch = templateMega_;
      break;
    case KeyDefault::OtherKey:
      defaultText = s_.*key.defaultField;
      break;
  }
  const bool switchDefault = key.def == KeyDefault::WithGlossary || key.def == KeyDefault::TemplateMega;
  if (key.rule == KeyRule::OffInLetterMode && s_.Mega) {
    if (auto member = std::get_if<bool ProjectSettings::*>(&key.field)) s_.**member = false;
    return;
  }
  std::visit(
      [&](auto member) {
        using T = std::remove_reference_t<decltype(s_.*member)>;
        if constexpr (std::is_same_v<T, std::string>) {
          const std::string def = key.def == KeyDefault::Member ? kFresh.*member : defaultText;
          s_.*member = key.rule == KeyRule::NotRead ? def : ReadString(section, name, def);
        } else if constexpr (std::is_same_v<T, bool>) {
          const bool def = switchDefault ? defaultSwitch : kFresh.*member;
          s_.*member = key.rule == KeyRule::NotRead ? def : ReadBool(section, name, def);
        } else {
          // Bytes keep the low eight bits of the number, as the file's
          // readers always did.
          s_.*member = static_cast<T>(ReadInteger(section, name, kFresh.*member));
        }
      },
      key.field);

  switch (key.rule) {
    case KeyRule::ExistingFolder: {
      const auto field = std::get<std::string ProjectSettings::*>(key.field);
      std::string& folder = s_.*field;
      const std::string drive = LoadStr(Txt::DefDrive);
      bool substituted = !Dir().DirExists(folder);
      if (substituted) {
        folder = drive;
      } else if (ReadString(section, name, {}).empty()) {
        // Not named by the file: the default is a setting only when it came
        // from another folder that was one.
        substituted = key.def == KeyDefault::OtherKey ? FolderSubstituted(key.defaultField) : folder == drive;
      }
      if (substituted) substitutedFolders_.push_back({key.name, field});
      break;
    }
    case KeyRule::TemplateFolder: {
      const std::string folder = s_.*std::get<std::string ProjectSettings::*>(key.field);
      LoadTemplateSettings(Dir().DirExists(folder) ? folder : defaultText);
      break;
    }
    default:
      break;
  }
}

bool TProjekt::LoadPages(THinweisDlg& window) {
  const std::string files = LoadStr(Txt::IniDateien);
  const std::string descriptions = LoadStr(Txt::IniBeschreibung);
  const std::string changes = LoadStr(Txt::IniSchlagworte);
  const int last = LastPageKey(*this, files, anzahlEintraege_);
  ProgressRun run(window);
  for (int n = 1; n <= last; ++n) {
    if (run.Cancelled()) return false;
    window.pbFortschritt.SetPosition(n + 1);
    run.Pump();
    const std::string key = Number(n);
    const std::string url = ReadString(files, key, {});
    // An entry without address is dropped; the next save numbers the pages
    // anew.
    if (url.empty()) continue;
    window.lblAnzeige.SetCaption(core::Text().ShortenUrl(url + "...", kLoadLabelWidth));
    const auto newPage = CurrentProfile().newPage;
    std::unique_ptr<TSchlagwortDatei> page = newPage ? newPage(url) : std::make_unique<TSchlagwortDatei>(url);
    page->manualDescription = ReadString(descriptions, key, {});
    page->SetChangeLogText(ReadString(changes, key, {}));
    pages_.push_back(std::move(page));
  }
  return true;
}

void TProjekt::LoadTemplateSettings(const std::string& directory) {
  const bool otherFolder = !platform::SameText(directory, s_.VorlagenVerzeichnis);
  s_.VorlagenVerzeichnis = directory;
  saved_ = false;
  TemplateSwitches switches;
  if (ReadTemplateDescriptor(directory, switches)) {
    templateWithGlossary_ = switches.withGlossary;
    templateMega_ = switches.mega;
    for (const SettingKey& key : CurrentProfile().templateKeys) ReadKey(key);
  }
  // The stop words in memory are the old folder's; the next save would write
  // them over the new folder's own list.
  const std::string stopFile = StopWordFileName();
  if (otherFolder && platform::FileExists(stopFile)) {
    try {
      LoadStopWords(stopFile, stopWords_);
      stopWordsWritable_ = true;
    } catch (const std::exception&) {
      stopWords_.Clear();
      stopWordsWritable_ = false;
    }
  }
}

std::string TProjekt::StopWordFileName() const { return s_.VorlagenVerzeichnis + "\\" + s_.StopwortListe; }

bool TProjekt::FolderSubstituted(Txt key) const {
  return std::any_of(substitutedFolders_.begin(), substitutedFolders_.end(),
                     [&](const SubstitutedFolder& f) { return f.key == key; });
}

bool TProjekt::FolderSubstituted(std::string ProjectSettings::* field) const {
  return std::any_of(substitutedFolders_.begin(), substitutedFolders_.end(),
                     [&](const SubstitutedFolder& f) { return f.field == field; });
}

std::string TProjekt::PageName(const TSchlagwortDatei& page) const {
  const auto pageName = CurrentProfile().pageName;
  return pageName ? pageName(s_, page) : page.url;
}

// --- save ---

void TProjekt::SaveProject() {
  if (saved_) return;
  std::unique_ptr<THinweisDlg> window;
  if (pages_.size() > kSaveQuietPages) {
    window = std::make_unique<THinweisDlg>();
    ShowProgressWindow(*window, Txt::CapSaveProject, static_cast<int>(pages_.size()));
  }

  const std::string settings = LoadStr(Txt::IniEinstellungen);
  WriteInteger(settings, LoadStr(Txt::KeyAnzahlEintraege), static_cast<int>(pages_.size()));
  for (const SettingKey& key : CurrentProfile().saveKeys) WriteKey(key);

  if (window) window->pbFortschritt.SetPosition(1);
  // A list that could not be read must not be saved over its file as empty.
  if (stopWordsWritable_) {
    try {
      SaveStopWords(StopWordFileName(), stopWords_);
    } catch (const std::exception&) {
      // The stop-word file is the template's; a read-only template keeps it.
    }
  }

  WritePages(window.get());
  UpdateFile();
  saved_ = true;
}

void TProjekt::WriteKey(const SettingKey& key) {
  const std::string section = LoadStr(Txt::IniEinstellungen);
  const std::string name = LoadStr(key.name);
  std::visit(
      [&](auto member) {
        using T = std::remove_reference_t<decltype(s_.*member)>;
        if constexpr (std::is_same_v<T, std::string>) {
          WriteString(section, name, s_.*member);
        } else if constexpr (std::is_same_v<T, bool>) {
          WriteBool(section, name, s_.*member);
        } else {
          WriteInteger(section, name, static_cast<int>(s_.*member));
        }
      },
      key.field);

  switch (key.rule) {
    case KeyRule::TitleFallback:
      if (!s_.TitleModus && !s_.DescriptionModus) s_.TitleModus = true;
      break;
    case KeyRule::FullTextFallback:
      if (!s_.VolltextModus && !s_.KeywordsModus) s_.VolltextModus = true;
      break;
    default:
      break;
  }
}

void TProjekt::WritePages(THinweisDlg* window) {
  const std::string files = LoadStr(Txt::IniDateien);
  const std::string descriptions = LoadStr(Txt::IniBeschreibung);
  const std::string changes = LoadStr(Txt::IniSchlagworte);

  // Empty the entries of the last save (keys are emptied, not removed).
  for (int n = 1;; ++n) {
    const std::string key = Number(n);
    if (ReadString(files, key, {}).empty()) break;
    WriteString(files, key, {});
    if (!ReadString(descriptions, key, {}).empty()) WriteString(descriptions, key, {});
    if (!ReadString(changes, key, {}).empty()) WriteString(changes, key, {});
  }

  int number = 0;
  for (size_t i = 0; i < pages_.size(); ++i) {
    const TSchlagwortDatei& page = *pages_[i];
    if (window) {
      window->pbFortschritt.SetPosition(static_cast<int>(i + 1));
      ProgressRun(*window).Pump();
    }
    if (page.url.empty()) continue;
    const std::string key = Number(++number);
    if (window) window->lblAnzeige.SetCaption(core::Text().ShortenUrl(page.url + "...", kLoadLabelWidth));
    WriteString(files, key, page.url);
    // A page without description or corrections of its own must not inherit
    // those a dropped page left under its new number.
    if (!page.manualDescription.empty() || !ReadString(descriptions, key, {}).empty())
      WriteString(descriptions, key, page.manualDescription);
    const std::string changeLog = page.ChangeLogText();
    if (!changeLog.empty() || !ReadString(changes, key, {}).empty()) WriteString(changes, key, changeLog);
  }
}

// --- run steps ---

void TProjekt::ClearRunData() {
  for (auto& page : pages_) page->ClearRunData();
  glossary_.clear();
}

void TProjekt::RemoveStopWords(int position) {
  platform::TStringList& words = pages_.at(static_cast<size_t>(position))->words;
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
  std::unordered_map<std::string, TGlossarEintrag*> byWord;
  byWord.reserve(glossary_.size() * 2 + 1024);
  for (const auto& entry : glossary_) byWord.emplace(entry->wort, entry.get());

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
      const std::string& word = page->words[i];
      auto [it, fresh] = byWord.try_emplace(word, nullptr);
      if (fresh) {
        glossary_.push_back(std::make_unique<TGlossarEintrag>(word));
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
