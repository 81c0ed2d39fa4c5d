#include "pellinova/ProjektRules.h"

#include "core/HelpContexts.h"
#include "pellinova/TextNumbers.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/StringList.h"
#include "platform/gui/Dialogs.h"

namespace pellinova {

void ProjektExtras::LoadFromProject(const TProjekt& p) {
  html = p.GetHTMLVerzeichnis();
  absolutePfade = !p.GetRelativerPfad();
  serverNameVerwenden = p.GetServerNameVerwenden();
  serverName = p.GetServerName();
  xml = p.GetXML();
  mega = p.GetMega();
  xmlDatei = p.GetXMLDatei();
  javascriptDatei = p.GetJavascriptDatei();
}

void ProjektExtras::StoreToProject(TProjekt& p) const {
  p.SetServerNameVerwenden(serverNameVerwenden);
  p.SetServerName(serverName);
  p.SetXML(xml);
  p.SetRelativerPfad(!absolutePfade);
}

bool DifferentDrives(const std::string& source, const std::string& target) {
  return !platform::SameText(source.substr(0, 1), target.substr(0, 1));
}

bool KeepDrives(const std::string& source, const std::string& target) {
  if (!DifferentDrives(source, target)) return true;
  return platform::MessageDlg(txt::Load(IDS_MSG_DIFFERENT_DRIVES), platform::MsgDlgType::Confirmation,
                              platform::mbYes | platform::mbNo | platform::mbHelp,
                              core::hcUngleicheLaufwerke) == platform::mrYes;
}

}  // namespace pellinova
