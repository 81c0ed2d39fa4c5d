#pragma once
// Pellinova's main window: the indexers' main window, put to work on a
// folder of local files. Its runs check the source folder and generate from the files on
// disk; "Ansehen" opens the XML export when the project writes one; the
// status pages tell where the pages lie and how their links are built;
// "Editieren" chooses the files by searching folders; the help menu opens
// the engine's reference when it is installed beside the program.
#include <functional>
#include <memory>
#include <string>

#include "desktop/IndexerWindow.h"
#include "platform/base/StringList.h"

namespace pellinova {

class TProjekt;

class TMarbelkosteHaupt : public desktop::TIndexerWindow {
 public:
  TMarbelkosteHaupt();

  TProjekt* Project() const;

  // The wizard's search: every file with one of the project's extensions
  // below its source folder into list (sorted, duplicates ignored), without
  // the search form's own files. Closing the progress window sets abort.
  void ScanSourceFiles(platform::TStringList& list, bool& abort);
  // Each showing: the reference item is enabled once its page exists.
  void FormShow();
  void menDunmeralReferenzClick();
  // The start page of the reference beside the program.
  static std::string ReferencePage();

 protected:
  std::string HelpPage(int helpContext) const override;
  std::unique_ptr<core::TProjekt> CreateProject(const std::string& path, bool& failed) override;
  const std::string* SourceFolder() const override;
  bool FetchesOverHttp() const override { return false; }
  std::string LayoutVariant() const override { return "Pellinova"; }
  std::unique_ptr<desktop::TWizardPage> MakeWizardPage(int page, desktop::WizardServices services) override;
  std::unique_ptr<desktop::TWizardPage> MakeSourcePage(desktop::WizardServices services) override;
  void CollectPages(platform::TStringList& urls, bool& abort) override { ScanSourceFiles(urls, abort); }
  void GenerateRun(bool silent, bool& abort) override;
  std::string IndexFileToView() const override;
  void AddStatus(desktop::StatusValues& values) const override;
  std::function<int()> MakePageSelection() override;
  int ShowProjectSettings(bool analysisOnly) override;
};

}  // namespace pellinova
