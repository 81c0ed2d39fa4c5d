#pragma once
// The open project: one web site to index and where its search form goes. It
// is its project file (INI form, extension "ovk"), read at opening and written
// whole by SaveProject, plus the pages with their corrections, the glossary of
// the last run and the template's stop words.
//
// Project file sections: "Einstellungen" (one key per setting, in the order of
// the profile's key schema), and "Dateien", "Beschreibung", "Schlagworte" with
// one key per page from "1" upward: the page's address, its manual
// description and its change log (entries joined by ",").
#include <memory>
#include <string>
#include <vector>

#include "core/ProjectFile.h"
#include "core/ProjectSettings.h"
#include "core/Schlagworte.h"
#include "core/Texts.h"
#include "platform/base/IniFile.h"
#include "platform/base/StringList.h"

namespace core {

class RunContext;
class THinweisDlg;
struct SettingKey;

class TProjekt : public platform::TIniFile, private ProjectFileHost {
 public:
  using PageList = std::vector<std::unique_ptr<TSchlagwortDatei>>;
  using Glossary = std::vector<std::unique_ptr<TGlossarEintrag>>;

  // Opens and loads the project file under a progress window. failed is set
  // when the file could not be opened, the stop-word list the project needs
  // is missing (both with a message), or the user closed the progress
  // window, or a file name of the project or its template would reach
  // outside the template or target folder (with a message naming it); the
  // caller then frees the object and has no project open. A
  // loaded project counts as unsaved, so the next SaveProject writes it whole.
  // A batch run passes the progress window it shows all its steps in.
  TProjekt(const std::string& path, bool& failed, THinweisDlg* shared = nullptr);
  ~TProjekt() override;
  TProjekt(const TProjekt&) = delete;
  TProjekt& operator=(const TProjekt&) = delete;

  // Writes the project file (and the stop-word list, when it was loaded or
  // edited) unless the project is saved. Errors writing the project file
  // reach the caller, and the project then stays unsaved. A large project
  // shows its progress in shared, or in a window of its own.
  void SaveProject(THinweisDlg* shared = nullptr);
  bool Saved() const { return saved_; }

  // The setter of VorlagenVerzeichnis: reads the folder's template descriptor
  // (when it has one) and takes its file names wherever the project file has
  // none of its own. Another folder brings its own stop-word list, when it
  // has one. A template whose descriptor names a file outside the folder is
  // refused with a message naming it: the project keeps the template it had.
  void LoadTemplateSettings(const std::string& directory);

  const std::string& GetProjectFileName() const { return projectFileName_; }
  const ProjectSettings& Settings() const { return s_; }

  const std::string& GetWebSite() const { return s_.WebSite; }
  const std::string& GetBenutzername() const { return s_.Benutzername; }
  const std::string& GetPasswort() const { return s_.Passwort; }
  const std::string& GetZielVerzeichnis() const { return s_.ZielVerzeichnis; }
  const std::string& GetVorlagenVerzeichnis() const { return s_.VorlagenVerzeichnis; }
  const std::string& GetStopwortListe() const { return s_.StopwortListe; }
  const std::string& GetJavascriptDatei() const { return s_.JavascriptDatei; }
  const std::string& GetFrameDatei() const { return s_.FrameDatei; }
  const std::string& GetFrameEingabeDatei() const { return s_.FrameEingabeDatei; }
  const std::string& GetFrameHilfeDatei() const { return s_.FrameHilfeDatei; }
  const std::string& GetFrameLadenDatei() const { return s_.FrameLadenDatei; }
  const std::string& GetDateiendungen() const { return s_.Dateiendungen; }
  const std::string& GetStand() const { return s_.Stand; }
  const std::string& GetAnalyseDauer() const { return s_.AnalyseDauer; }
  std::int32_t GetSpeicherGroesse() const { return s_.SpeicherGroesse; }
  std::int32_t GetSpeicherGroesseMitGlossar() const { return s_.SpeicherGroesseMitGlossar; }
  std::int32_t GetDateiGroesse() const { return s_.DateiGroesse; }
  std::int32_t GetDateiGroesseOptimiert() const { return s_.DateiGroesseOptimiert; }
  std::int32_t GetGlossarGroesse() const { return s_.GlossarGroesse; }
  std::int32_t GetJavascriptGroesse() const { return s_.JavascriptGroesse; }
  bool GetStopwortListeVerwenden() const { return s_.StopwortListeVerwenden; }
  bool GetDetailsModus() const { return s_.DetailsModus; }
  bool GetZahlen() const { return s_.Zahlen; }
  bool GetWortbreite() const { return s_.Wortbreite; }
  bool GetTitleModus() const { return s_.TitleModus; }
  bool GetDescriptionModus() const { return s_.DescriptionModus; }
  bool GetVolltextModus() const { return s_.VolltextModus; }
  bool GetKeywordsModus() const { return s_.KeywordsModus; }
  bool GetOptimiertModus() const { return s_.OptimiertModus; }
  bool GetGlossarModus() const { return s_.GlossarModus; }
  bool GetAutoOptimierung() const { return s_.AutoOptimierung; }
  bool GetSchlagworteModus() const { return s_.SchlagworteModus; }
  std::uint8_t GetBeschreibung() const { return s_.Beschreibung; }
  std::uint8_t GetWortbreiteMin() const { return s_.WortbreiteMin; }
  std::uint8_t GetWortbreiteMax() const { return s_.WortbreiteMax; }
  std::uint8_t GetGefundeneSchlagworte() const { return s_.GefundeneSchlagworte; }
  std::int32_t GetSchlagworteMaximal() const { return s_.SchlagworteMaximal; }
  std::int32_t GetSchlagworteGesamt() const { return s_.SchlagworteGesamt; }

  // Every setter marks the project unsaved. StopwortListe, JavascriptDatei
  // and the frame files follow the template (LoadTemplateSettings);
  // SchlagworteGesamt is counted by DropEmptyPages.
  void SetWebSite(const std::string& v) { Set(s_.WebSite, v); }
  void SetBenutzername(const std::string& v) { Set(s_.Benutzername, v); }
  void SetPasswort(const std::string& v) { Set(s_.Passwort, v); }
  void SetZielVerzeichnis(const std::string& v) { Set(s_.ZielVerzeichnis, v); }
  void SetDateiendungen(const std::string& v) { Set(s_.Dateiendungen, v); }
  void SetStand(const std::string& v) { Set(s_.Stand, v); }
  void SetAnalyseDauer(const std::string& v) { Set(s_.AnalyseDauer, v); }
  void SetSpeicherGroesse(std::int32_t v) { Set(s_.SpeicherGroesse, v); }
  void SetSpeicherGroesseMitGlossar(std::int32_t v) { Set(s_.SpeicherGroesseMitGlossar, v); }
  void SetDateiGroesse(std::int32_t v) { Set(s_.DateiGroesse, v); }
  void SetDateiGroesseOptimiert(std::int32_t v) { Set(s_.DateiGroesseOptimiert, v); }
  void SetGlossarGroesse(std::int32_t v) { Set(s_.GlossarGroesse, v); }
  void SetJavascriptGroesse(std::int32_t v) { Set(s_.JavascriptGroesse, v); }
  void SetStopwortListeVerwenden(bool v) { Set(s_.StopwortListeVerwenden, v); }
  void SetDetailsModus(bool v) { Set(s_.DetailsModus, v); }
  void SetZahlen(bool v) { Set(s_.Zahlen, v); }
  void SetWortbreite(bool v) { Set(s_.Wortbreite, v); }
  void SetTitleModus(bool v) { Set(s_.TitleModus, v); }
  void SetDescriptionModus(bool v) { Set(s_.DescriptionModus, v); }
  void SetVolltextModus(bool v) { Set(s_.VolltextModus, v); }
  void SetKeywordsModus(bool v) { Set(s_.KeywordsModus, v); }
  void SetOptimiertModus(bool v) { Set(s_.OptimiertModus, v); }
  void SetGlossarModus(bool v) { Set(s_.GlossarModus, v); }
  void SetAutoOptimierung(bool v) { Set(s_.AutoOptimierung, v); }
  void SetSchlagworteModus(bool v) { Set(s_.SchlagworteModus, v); }
  void SetBeschreibung(std::uint8_t v) { Set(s_.Beschreibung, v); }
  void SetWortbreiteMin(std::uint8_t v) { Set(s_.WortbreiteMin, v); }
  void SetWortbreiteMax(std::uint8_t v) { Set(s_.WortbreiteMax, v); }
  void SetGefundeneSchlagworte(std::uint8_t v) { Set(s_.GefundeneSchlagworte, v); }
  void SetSchlagworteMaximal(std::int32_t v) { Set(s_.SchlagworteMaximal, v); }

  // The pages in project order, the glossary of the last run, the template's
  // stop words and the glossary's JavaScript line(s). The run, the page
  // selection and the dialogs read and change them directly.
  PageList& Pages() { return pages_; }
  const PageList& Pages() const { return pages_; }
  Glossary& GlossaryEntries() { return glossary_; }
  platform::TStringList& StopWords() { return stopWords_; }
  const platform::TStringList& StopWords() const { return stopWords_; }
  platform::TStringList& GlossaryLines() { return glossaryLines_; }
  // VorlagenVerzeichnis + "\" + StopwortListe.
  std::string StopWordFileName() const;
  // Whether the load put the drive "C:" in place of the folder key because
  // the file named none (the key missing or empty) or one that does not
  // exist. Interactive use goes on with it; a batch run must not search or
  // write a whole drive on such a project.
  bool FolderSubstituted(Txt key) const;
  // The page's name in progress labels and the review dialog: its address,
  // or what the profile makes of it (Pellinova: the full path of the file).
  std::string PageName(const TSchlagwortDatei& page) const;

  // Empties every page's words and META keywords and frees the glossary: the
  // callers of an index run do this first.
  void ClearRunData();
  // Deletes the project's stop words from the words of the page at position.
  void RemoveStopWords(int position);
  // Frees the pages left without words (keeping the order of the others) and
  // counts the words of the rest into SchlagworteGesamt.
  void DropEmptyPages();
  // Gathers every page's words into the glossary (exact spelling), sorts it
  // by the number of pages, most frequent first, and turns each page's words
  // into the glossary numbers of its words. Shows its progress in window and
  // gives the run its turn per page.
  void BuildGlossary(THinweisDlg& window, RunContext& run);
  // The glossary as its one JavaScript line: g = "w1,w2,...";
  void GlossaryLine();

 protected:
  // For the setters of a program's own keys: Set(MutableSettings().Key, v).
  ProjectSettings& MutableSettings() { return s_; }
  template <class T>
  void Set(T& member, const T& value) {
    member = value;
    saved_ = false;
  }

 private:
  void Load(const std::string& path, bool& failed, THinweisDlg* shared);
  bool LoadPages(THinweisDlg& window);
  // Shows the message on a name that would reach outside its folder, when
  // the load met one; true then.
  bool RefuseOutsideName();
  void WritePages(THinweisDlg* window);
  // ProjectFileHost
  bool DirExists(const std::string& path) const override;
  std::string ProgramFolder() const override;
  void UseTemplateFolder(const std::string& folder) override { LoadTemplateSettings(folder); }

  std::string projectFileName_;
  ProjectSettings s_;
  bool saved_ = false;
  bool loading_ = false;
  std::optional<RefusedFileName> refusedTemplate_;
  // The stop words as their file holds them, once the list has taken them
  // (or as last written): a save writes the file only when the entries
  // differ. The list's comparison takes some lines for duplicates ("dass"
  // and "daß"), so writing an unchanged list would lose them.
  std::vector<std::string> storedStopWords_;
  ProjectFile file_{*this, *this};
  PageList pages_;
  Glossary glossary_;
  platform::TStringList stopWords_;
  platform::TStringList glossaryLines_;
};

}  // namespace core
