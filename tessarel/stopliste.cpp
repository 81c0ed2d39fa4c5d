#include "tessarel/stopliste.h"

#include "core/HelpContexts.h"
#include "core/Texts.h"
#include "desktop/stopwort.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/projektVerwaltung.h"

namespace tessarel {

namespace {

desktop::StopListProfile Profile(bool characters) {
  desktop::StopListProfile p = desktop::StopWordProfile();
  if (characters) {
    p.importTitle = txt::Load(IDS_STOP_CHAR_TITLE);
    p.importCaption = txt::Load(IDS_STOP_CHAR_IMPORT);
    p.emptyImport = txt::Load(IDS_STOP_CHAR_EMPTY);
  }
  p.helpPage = (characters ? core::helppage::kStopzeichen : core::helppage::kStopwortliste);
  // Tessarel's messages have no Help button.
  p.duplicateHelp = core::hcNone;
  p.deleteHelp = core::hcNone;
  p.lower = LowerAscii;
  return p;
}

bool Edit(const char* layout, platform::TStringList& list, const std::string& file, bool characters,
          const desktop::DialogServices& services) {
  bool cancelled = true;
  desktop::TStopwortlisteDlg dlg({"TStopwortlisteDlg", layout}, services, Profile(characters));
  dlg.EditStopWords(list, file, cancelled);
  return !cancelled;
}

// A list named outside the template folder is not edited: saving it would
// write there.
bool RefusedList(const std::string& name) {
  if (core::NamesFileInFolder(name)) return false;
  if (const auto refused = Projekt() ? Projekt()->RefusedFileName() : std::nullopt) ReportRefusedFileName(*refused);
  return true;
}

}  // namespace

std::string LowerAscii(const std::string& word) {
  std::string lowered = word;
  for (char& c : lowered)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lowered;
}

bool EditStopWords(TProjekt& project, const desktop::DialogServices& services) {
  if (RefusedList(project.StopwortListe)) return false;
  return Edit("TStopwortlisteDlgTessarel", project.stopWords, project.StopwortDatei(), false, services);
}

bool EditStopChars(TProjekt& project, const desktop::DialogServices& services) {
  if (RefusedList(project.StopzeichenListe)) return false;
  return Edit("TStopzeichenDlg", project.stopCharacters, project.StopzeichenDatei(), true, services);
}

}  // namespace tessarel
