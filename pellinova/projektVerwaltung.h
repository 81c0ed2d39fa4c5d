#pragma once
// Pellinova's project: the shared project of the engine put to work on a
// folder of local HTML files. Its file ("*.lvq") names the source folder
// (HTMLVerzeichnis) instead of a site and login; every page address is a path
// relative to that folder ("sub\seite.htm"). It adds how the search form's
// links are built (RelativerPfad, ServerName), the split of the keywords into
// one database file per initial letter (Mega, the template's choice) and the
// XML export (XML). Everything else is the shared project's.
//
// The engine reads Pellinova's key schema from its profile: install it with
// core::SetProfile(PellinovaProfile()) before a project is opened.
#include <array>
#include <string>

#include "core/Profile.h"
#include "coregui/projektVerwaltung.h"
#include "platform/base/StringList.h"

namespace pellinova {

// Buckets 0 to 25 take the words that begin with "a" to "z" (either case),
// 26 those that begin with a digit, 27 all others (letters with diacritics
// included).
constexpr int kLetterBuckets = 28;
constexpr int kDigitBucket = 26;
constexpr int kOtherBucket = 27;

int LetterBucket(const std::string& word);

// A page of a Pellinova project: the shared record and its letter buckets,
// filled by the per-letter formatting of a run and read by the letter files.
class TSchlagwortDatei : public core::TSchlagwortDatei {
 public:
  // path: relative to the project's HTMLVerzeichnis.
  explicit TSchlagwortDatei(const std::string& path);

  // Each sorted, duplicates ignored, compared as the word list is.
  std::array<platform::TStringList, kLetterBuckets> letters;

  // The buckets are emptied with the words before each run.
  void ClearRunData() override;
};

// The letter buckets of a page the profile made.
TSchlagwortDatei& LetterPage(core::TSchlagwortDatei& page);

const core::Profile& PellinovaProfile();

class TProjekt : public core::TProjekt {
 public:
  TProjekt(const std::string& path, bool& failed, core::THinweisDlg* shared = nullptr)
      : core::TProjekt(path, failed, shared) {}

  const std::string& GetHTMLVerzeichnis() const { return Settings().HTMLVerzeichnis; }
  void SetHTMLVerzeichnis(const std::string& v) { Set(MutableSettings().HTMLVerzeichnis, v); }
  const std::string& GetServerName() const { return Settings().ServerName; }
  void SetServerName(const std::string& v) { Set(MutableSettings().ServerName, v); }
  bool GetServerNameVerwenden() const { return Settings().ServerNameVerwenden; }
  void SetServerNameVerwenden(bool v) { Set(MutableSettings().ServerNameVerwenden, v); }
  bool GetRelativerPfad() const { return Settings().RelativerPfad; }
  void SetRelativerPfad(bool v) { Set(MutableSettings().RelativerPfad, v); }
  const std::string& GetXMLDatei() const { return Settings().XMLDatei; }
  bool GetXML() const { return Settings().XML; }
  void SetXML(bool v) { Set(MutableSettings().XML, v); }
  // The template decides; no setter.
  bool GetMega() const { return Settings().Mega; }

  // Whether the load put the drive "C:" in place of the source or the target
  // folder (the file named none, or one that does not exist). Such a project
  // opens as before, but a batch run refuses it: it would search the whole
  // drive, drop every page and write the search form there.
  bool FoldersSubstituted() const;
};

}  // namespace pellinova
