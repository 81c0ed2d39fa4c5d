#pragma once
// The rules of the project settings dialog, without its windows: what each
// control holds, what is enabled when, the width questions a change of the
// word widths asks, the check that a group keeps one source ticked, the order
// in which the project fills the controls and the controls go back into the
// project, and the buttons that open files in the configured editors.
//
// The dialog keeps one of these and copies it to its controls after every
// change; the controls' own events call the setters below.
#include <array>
#include <functional>
#include <memory>
#include <string>

namespace core {
class TIni;
class TProjekt;
}  // namespace core

namespace desktop {

// The five files of a search form, in the order of the tabs "Vorlage" and
// "Ergebnis".
enum class FormFile { Datenbank, Hauptdatei, FrameEingabe, FrameHilfe, FrameLaden };
constexpr int kFormFiles = 5;

// What the dialog asks of the window that opened it.
struct ProjektDlgServices {
  // Starts the editor on the file without waiting (a Unix editor gets the
  // file's Unix path).
  std::function<void(const std::string& editor, const std::string& params, bool unixEditor, const std::string& file)>
      openInEditor;
  // A page of the help folder in the browser.
  std::function<bool(const std::string& page)> openInBrowser;
  // The folder dialog started at folder, with its caption; true with folder
  // set when the user chose one.
  std::function<bool(const std::string& caption, std::string& folder)> chooseFolder;
  // The main window's command that edits the stop-word list.
  std::function<void()> editStopWords;
  // Puts a project loaded afresh from the open one's file in its place.
  std::function<void(std::unique_ptr<core::TProjekt> project)> replaceProject;
  // Loads the program's kind of project from a file (the shared one when
  // empty).
  std::function<std::unique_ptr<core::TProjekt>(const std::string& path, bool& failed)> loadProject;
};

class ProjektRules {
 public:
  ProjektRules();

  // Fills the values from the project in the dialog's order; the width
  // checks run as the numbers change, so a project whose maximum is below
  // its minimum asks while it is being shown.
  void LoadFromProject(const core::TProjekt& project);
  // Writes the values into the project in the dialog's order; the shown-only
  // file names are not written.
  void StoreToProject(core::TProjekt& project) const;

  // Tab "Verzeichnisse". A program without a site (siteFields off) neither
  // shows nor writes these.
  bool siteFields = true;
  std::string webSite, benutzername, passwort;
  std::string ziel, vorlagen;  // folder panels
  // Tabs "Vorlage" and "Ergebnis": the project's file names, shown only.
  std::array<std::string, kFormFiles> files;
  // Tab "Analyse/1".
  bool stopwortListeVerwenden = false;
  std::string stopwortListe;
  bool autoOptimierung = false;
  bool optimiertModus = false;
  bool glossarModus = false;
  std::string dateiendungen;
  // Tab "Analyse/2".
  bool schlagworteModus = false;
  bool wortbreite = false;
  bool zahlen = false;
  // Tab "Analyse/3".
  bool titleModus = false, descriptionModus = false;
  bool volltextModus = false, keywordsModus = false;
  int beschreibung = 0;           // 0..2
  int gefundeneSchlagworte = 0;   // 0..1
  // Tab "Status".
  bool detailsModus = false;
  // The panel at the top.
  std::string projektPfad;     // shortened for the label
  bool projektEditEnabled = false;

  // The spin edits, held to their ranges. Set: a complete number (the
  // project's, an arrow step, a typed one once the field is left or OK is
  // pressed) runs the width check (the maximum of keywords shares the
  // minimum's). Type: a number still being typed is kept without a check,
  // so that no question cuts the typing short.
  int SchlagworteMaximal() const { return schlagworteMaximal_; }
  int WortbreiteMin() const { return wortbreiteMin_; }
  int WortbreiteMax() const { return wortbreiteMax_; }
  void SetSchlagworteMaximal(int n);
  void SetWortbreiteMin(int n);
  void SetWortbreiteMax(int n);
  void TypeSchlagworteMaximal(int n);
  void TypeWortbreiteMin(int n);
  void TypeWortbreiteMax(int n);
  void SetRadio(int& group, int index, int items);

  // What is enabled: each follows its check box; the choices that automatic
  // optimisation makes itself are disabled while it is on.
  bool StopwortEnabled() const { return stopwortListeVerwenden; }
  bool SchlagworteEnabled() const { return schlagworteModus; }
  bool WortbreiteEnabled() const { return wortbreite; }
  bool ManualChoicesEnabled() const { return !autoOptimierung; }
  // A file button: the file exists in the folder of its tab.
  bool TemplateFileExists(FormFile file) const;
  bool TargetFileExists(FormFile file) const;

  // The focus leaves a group of sources with none ticked: the user is told
  // and the first box is ticked again. True when that happened (the first
  // box then takes the focus).
  bool LeaveDescriptionSources();
  bool LeaveKeywordSources();

  // The buttons of the dialog that act at once.
  void EditTemplateFile(FormFile file, const core::TIni& settings, const ProjektDlgServices& services) const;
  void EditTargetFile(FormFile file, const core::TIni& settings, const ProjektDlgServices& services) const;
  void ChooseTargetFolder(const ProjektDlgServices& services);
  void ChooseTemplateFolder(const ProjektDlgServices& services);
  // Opens the project file in the text editor; when the editor changed the
  // file by the time it has started, the project is loaded afresh from it
  // and, only when that succeeds, takes the open one's place and fills the
  // values. True when the project was replaced.
  bool EditProjectFile(const std::string& projectFile, const core::TIni& settings,
                       const ProjektDlgServices& services);

 private:
  void CheckMinimum();
  void CheckMaximum();
  void EditFile(FormFile file, bool target, const core::TIni& settings, const ProjektDlgServices& services) const;

  int schlagworteMaximal_ = 300;
  int wortbreiteMin_ = 0;
  int wortbreiteMax_ = 0;
};

}  // namespace desktop
