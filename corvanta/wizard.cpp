#include "corvanta/wizard.h"

#include "core/HelpContexts.h"
#include "core/Texts.h"
#include "coregui/projektVerwaltung.h"
#include "corvanta/SiteFields.h"
#include "platform/base/Blanks.h"
#include "platform/gui/Dialogs.h"

namespace corvanta {

TWizardQuelleDlg::TWizardQuelleDlg(desktop::WizardServices services)
    : TWizardPage("TWizardQuelleDlg", core::helppage::kAssistent[3], std::move(services)),
      edWebsite(Find<platform::Edit>("edWebsite")),
      edBenutzername(Find<platform::Edit>("edBenutzername")),
      edPasswort(Find<platform::Edit>("edPasswort")) {
  OnShow = [this] { FormShow(); };
}

void TWizardQuelleDlg::FormShow() {
  const core::TProjekt* project = Project();
  if (!project) return;
  edWebsite.SetText(project->GetWebSite());
  edBenutzername.SetText(project->GetBenutzername());
  edPasswort.SetText(project->GetPasswort());
}

bool TWizardQuelleDlg::FormCloseQuery(int result) {
  if (result != platform::mrOk || !edWebsite.Text().empty()) return true;
  platform::ShowMessage(core::LoadStr(core::Txt::MsgUrlNeeded));
  edWebsite.SetFocus();
  return false;
}

void TWizardQuelleDlg::FormClose() {
  core::TProjekt* project = Project();
  if (!project) return;
  project->SetWebSite(SiteAddress(edWebsite.Text()));
  project->SetBenutzername(platform::Trimmed(edBenutzername.Text()));
  project->SetPasswort(platform::Trimmed(edPasswort.Text()));
}

}  // namespace corvanta
