#pragma once
// Tessarel's project: every setting of a document analysis, kept in one INI
// file (section "Einstellungen", extension "tzn"), plus the two filter lists
// that live as files in the template folder, the automation errors of the last
// run and the five result strings the run leaves for the summary.
//
// Exactly one project exists at a time (Projekt()). Interactive use works on
// "dialog.tzn" in the folder "projekte" beside the program; the main window
// frees and re-creates it before every command, so each command starts from
// what is on disk. A batch run replaces it by the named parameter file.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Vorlage.h"
#include "platform/base/IniFile.h"
#include "platform/base/StringList.h"
#include "tessarel/ProjectFile.h"

namespace tessarel {

class TProjekt : public platform::TIniFile, public ProjectSettings {
 public:
  // Binds the file and creates the lists; reads nothing yet. A file that
  // does not exist (or cannot be read) reads as all defaults.
  explicit TProjekt(const std::string& fileName);
  ~TProjekt() override = default;
  TProjekt(const TProjekt&) = delete;
  TProjekt& operator=(const TProjekt&) = delete;

  // Reads every key (missing keys take their defaults), then the stop-word
  // and stop-character files. A documents folder that does not exist becomes
  // "C:", a template folder that does not exist the program's "vorlage".
  void LoadProject();
  // Writes every key, then the project file; a list file only when its
  // list's entries changed since loading (one that cannot be written is
  // passed over). An error writing the project file itself reaches the
  // caller.
  void SaveProject();

  // Whether the last LoadProject found no documents folder stored, or the
  // stored one missing, and put "C:" in its place: a batch run must not walk
  // a whole drive because a folder has gone or was never named.
  bool DokumenteVerzeichnisErsetzt() const { return documentsReplaced_; }

  // The two list files, inside the template folder.
  std::string StopwortDatei() const;
  std::string StopzeichenDatei() const;
  // The first of the names StopwortListe, StopzeichenListe and Rahmen that
  // would reach outside the template folder (core::NamesFileInFolder); none
  // when all three name files in it. A list with such a name is neither read
  // nor written, and no run starts (tAnalyse).
  std::optional<core::RefusedFileName> RefusedFileName() const;

  // Results of the last run, as decimal texts (duration as "hh:mm.ss").
  std::string considered;
  std::string analysed;
  std::string keywords;
  std::string average;
  std::string duration;

  // Sorted, case-insensitive, duplicates ignored.
  platform::TStringList stopCharacters;
  platform::TStringList stopWords;
  // One line per failed automation read: "-> <action>, Exception: <message>".
  platform::TStringList automationErrors;

 private:
  // The lists' entries as their files hold them (as loaded, or as last
  // written).
  std::vector<std::string> storedStopwords_;
  std::vector<std::string> storedStopchars_;
  bool documentsReplaced_ = false;
};

// The message on a name that would reach outside its folder.
void ReportRefusedFileName(const core::RefusedFileName& refused);

// The project; nullptr while there is none.
TProjekt* Projekt();
// Makes project the project, freeing the one before without saving it.
void SetProjekt(std::unique_ptr<TProjekt> project);
// Frees the project (without saving), creates it on fileName and loads it.
TProjekt& ReloadProjekt(const std::string& fileName);

// The program's folder, with a trailing "\".
std::string ProgramDir();
// The file of interactive use: program folder + "projekte" + "\dialog.tzn".
std::string DialogProjectFile();

}  // namespace tessarel
