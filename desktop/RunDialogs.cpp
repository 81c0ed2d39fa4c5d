#include "desktop/RunDialogs.h"

#include "coregui/projektVerwaltung.h"
#include "desktop/beschreibung.h"
#include "desktop/liste.h"

namespace desktop {

namespace {

class RunDialogs : public core::ReviewDialogs {
 public:
  RunDialogs(SharedLayouts layouts, DialogServices services)
      : layouts_(std::move(layouts)), services_(std::move(services)) {}

  void EditPageWords(core::TProjekt& project, int position, const std::string& pageLine, bool& cancel) override {
    core::TSchlagwortDatei& page = *project.Pages().at(static_cast<size_t>(position));
    TWoerterListeDlg dlg(project, layouts_.wordList, services_);
    // The dialog edits a string list; the page keeps its words shared.
    platform::TStringList words = page.words.ToStringList();
    dlg.EditPageWords(words, page.changeLog, cancel, pageLine);
    if (!cancel) page.words.Assign(words);
  }

  void EditPageDescription(core::TProjekt& project, int position, bool& cancel) override {
    TBeschreibungDlg dlg(project, layouts_.description, services_);
    dlg.EditPageDescription(position, cancel);
  }

 private:
  SharedLayouts layouts_;
  DialogServices services_;
};

}  // namespace

std::unique_ptr<core::ReviewDialogs> MakeReviewDialogs(SharedLayouts layouts, DialogServices services) {
  return std::make_unique<RunDialogs>(std::move(layouts), std::move(services));
}

}  // namespace desktop
