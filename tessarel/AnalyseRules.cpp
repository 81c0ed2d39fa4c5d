#include "tessarel/AnalyseRules.h"

#include <algorithm>
#include <cctype>

#include "core/HelpContexts.h"
#include "core/Texts.h"
#include "platform/base/Blanks.h"
#include "platform/base/StringList.h"
#include "platform/gui/Dialogs.h"
#include "tessarel/TextNumbers.h"

namespace tessarel {

namespace {

void AddEntries(std::vector<std::string>& entries, const std::string& text) {
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    const std::string entry = platform::Trimmed(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (!entry.empty() || std::find(entries.begin(), entries.end(), entry) == entries.end()) entries.push_back(entry);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

bool Ask(const std::string& question) {
  return platform::MessageDlg(question, platform::MsgDlgType::Confirmation, platform::mbYes | platform::mbNo,
                              core::hcNone) == platform::mrYes;
}

}  // namespace

std::vector<std::string> ExclusionEntries(const std::string& stored) {
  std::vector<std::string> entries;
  if (!stored.empty()) AddEntries(entries, stored);
  return entries;
}

std::string StoreExclusions(const std::vector<std::string>& memoLines) {
  std::vector<std::string> entries;
  for (const auto& line : memoLines) AddEntries(entries, line);
  std::string stored;
  for (size_t i = 0; i < entries.size(); ++i) stored += (i ? "," : "") + entries[i];
  return stored;
}

void ToggleExclusion(std::vector<std::string>& entries, bool ticked, const std::string& kind) {
  auto found = entries.begin();
  while (found != entries.end() && platform::AnsiUpperCase(platform::Trimmed(*found)) != kind) ++found;
  if (ticked && found != entries.end()) {
    platform::ShowMessage(core::FormatStr(txt::Load(IDS_EXCLUSION_REMOVED), {kind}));
    entries.erase(found);
  } else if (!ticked && found == entries.end()) {
    if (Ask(core::FormatStr(txt::Load(IDS_EXCLUSION_QUESTION), {kind, kind}))) entries.push_back(kind);
  }
}

int CheckedMinimum(int minimum, int maximum) {
  if (maximum <= 0 || minimum <= 0 || minimum <= maximum) return minimum;
  return Ask(txt::Load(IDS_WIDTH_ABOVE_MAXIMUM)) ? 0 : maximum;
}

int CheckedMaximum(int minimum, int maximum) {
  if (minimum <= 0 || maximum <= 0 || maximum >= minimum) return maximum;
  return Ask(txt::Load(IDS_WIDTH_BELOW_MINIMUM)) ? 0 : minimum;
}

bool KeepDrives(bool commonFrame, char documentsDrive, char frameDrive) {
  if (!commonFrame || std::toupper(static_cast<unsigned char>(documentsDrive)) ==
                          std::toupper(static_cast<unsigned char>(frameDrive)))
    return true;
  return Ask(txt::Load(IDS_DIFFERENT_DRIVES));
}

bool IsDriveRoot(const std::string& folder) {
  const size_t n = folder.size();
  return (n == 2 || (n == 3 && (folder[2] == '\\' || folder[2] == '/'))) &&
         std::isalpha(static_cast<unsigned char>(folder[0])) && folder[1] == ':';
}

bool ConfirmDocumentsFolder(const std::string& documents, bool commonFrameFolder) {
  if (commonFrameFolder || !IsDriveRoot(documents)) return true;
  return Ask(core::FormatStr(txt::Load(IDS_DRIVE_ROOT_QUESTION), {TreeFolder(StoredFolder(documents))}));
}

std::string TreeFolder(const std::string& stored) { return stored.size() > 2 ? stored : stored + "\\"; }

std::string StoredFolder(const std::string& treeFolder) {
  if (!treeFolder.empty() && treeFolder.back() == '\\') return treeFolder.substr(0, treeFolder.size() - 1);
  return treeFolder;
}

}  // namespace tessarel
