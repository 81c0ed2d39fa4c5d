#pragma once
// The main window of the indexers (Corvanta and Pellinova), on the
// main-window base of the three programs: the menu bar, the tool buttons and
// the status pages of the open project; the commands that open, create, edit,
// update and optimise projects, look at the generated files and the
// template's files, copy a fresh search form, and open the help pages. Every
// run started here reports to a progress window and is cancelled through the
// base's abort flag. Where the pages come from (a site, a folder) and how a
// run reads them is each program's.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "coregui/MainWindow.h"
#include "desktop/PageSelection.h"
#include "desktop/Projekt.h"
#include "desktop/SharedForms.h"
#include "desktop/StatusPages.h"
#include "desktop/wizard.h"
#include "platform/base/StringList.h"

namespace core {
class ReviewDialogs;
}

namespace desktop {

class TIndexerWindow : public core::TMainWindow {
 public:
  // layouts: the running program's variants of the shared forms.
  // layoutChain: the window's layout, then the running program's variant.
  explicit TIndexerWindow(SharedLayouts layouts, std::vector<std::string> layoutChain);
  ~TIndexerWindow() override;

  // "Projekt öffnen...": the file dialog on the folder of projects.
  void Projektffnen1Click();
  // "Neues Projekt...": a project from a template, then "Editieren".
  void Projektneu1Click();
  // The wizard's search step: the program's pages into urls (sorted,
  // duplicates ignored); abort is set when it was cancelled.
  virtual void CollectPages(platform::TStringList& urls, bool& abort) = 0;
  // The program's variant of the wizard pages' and new-project dialog's
  // layouts ("Pellinova"); and a page of the wizard by its number.
  virtual std::string LayoutVariant() const { return {}; }
  virtual std::unique_ptr<TWizardPage> MakeWizardPage(int page, WizardServices services);
  // The wizard's page of the program's pages (the site, the folder).
  virtual std::unique_ptr<TWizardPage> MakeSourcePage(WizardServices services) = 0;
  // "Editieren": the template check; the page selection follows.
  virtual void EditProject();
  // "Assistent...": the search-form wizard.
  void Assistent1Click();
  // "Update": runs again over the stored pages; a run that failed or was
  // cancelled is dropped by reloading the project from its file.
  void UpdateProject();
  // One complete index run: the checks, the generation, the copy of the
  // template's other files and, unless silent, the statistics. False when it
  // failed or was cancelled (abort is set then).
  bool RunIndex(bool silent, bool& abort);
  // Up to three silent runs with compact lines: without glossary, with
  // glossary, and without again when the glossary made the file larger.
  void RunAutoOptimised(bool& abort);
  // "Ansehen": the generated database in the JavaScript editor.
  void ViewIndex();
  // "Vorlage bearbeiten" under "Index": the template's database.
  void EditTemplateDatabase();
  // "Testen": the search form's main page in the browser.
  void TestSearchForm();
  // "Vorlage kopieren": the template's files into the target folder.
  void CopyTemplate();
  // Fills the status pages; with toggle, first shows or hides them for the
  // project (and saves it).
  void ShowStatus(bool toggle);
  // "Projekt...": the project settings dialog; OK saves the project.
  void EditProjectSettings();
  // "Arbeitsumgebung...": the environment dialog; OK saves the settings.
  void EditEnvironment();
  // The first-run dialog of the environment settings.
  int RunFirstRunDialog(core::TIni& settings) override;

 protected:
  std::string HelpPage(int helpContext) const override;
  void ProjectShown() override { ShowStatus(false); }
  // What each program does its own way: the folder of its pages, which a
  // run checks first (none for a site); the generation from its pages; the
  // file "Ansehen" opens; its own status labels (after the shared ones).
  virtual const std::string* SourceFolder() const { return nullptr; }
  // Whether the program fetches pages over HTTP (and so has a proxy to set).
  virtual bool FetchesOverHttp() const = 0;
  virtual void GenerateRun(bool silent, bool& abort) = 0;
  virtual std::string IndexFileToView() const;
  virtual void AddStatus(StatusValues& /*values*/) const {}
  const SharedLayouts& Layouts() const { return layouts_; }
  // "Editieren"'s page selection, made for one command: each call shows it
  // (after OK the pages are in the project) and gives the modal result.
  virtual std::function<int()> MakePageSelection() = 0;
  PageSelectionServices PageSelectionServicesOf();
  // The project settings (only the analysis tabs from the page selection);
  // OK stores into the project. The modal result.
  virtual int ShowProjectSettings(bool analysisOnly);
  ProjektDlgServices ProjectDialogServices();
  core::ReviewDialogs* RunDialogs() const { return dialogs_.get(); }

 private:
  void BindCommands();
  // Opens a template page (FrameDatei, ...) in the HTML editor.
  void EditTemplatePage(const std::string& (core::TProjekt::*file)() const);
  // Enables each template page item whose file exists.
  void TemplateMenuOpening();
  // The stop-word editor on the project's list, with a cancel flag of its own.
  void EditStopWords();
  // A help or project page beside the program, in the browser.
  void OpenLocalPage(const std::string& path);
  // An error or information box with OK and Help.
  void Message(core::Txt text, int helpContext, bool error = true);
  void Statistics();
  bool TemplateDatabaseMissing();

  SharedLayouts layouts_;
  // The review dialogs every run that is not silent opens page by page.
  std::unique_ptr<core::ReviewDialogs> dialogs_;
};

}  // namespace desktop
