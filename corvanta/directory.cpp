#include "corvanta/directory.h"

#include "core/HelpContexts.h"
#include "core/TText.h"
#include "coregui/CommandLine.h"
#include "coregui/projektVerwaltung.h"
#include "corvanta/SiteFetch.h"
#include "corvanta/SiteFields.h"
#include "corvanta/TextNumbers.h"
#include "desktop/FolderStart.h"
#include "desktop/PageList.h"
#include "desktop/PageSelection.h"
#include "platform/base/StringList.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"

namespace corvanta {

namespace {
constexpr int kCaptionLength = 80;
}  // namespace

TDirectoryDlg::TDirectoryDlg(core::TProjekt& project, net::TProxySettings proxy, desktop::PageSelectionServices services)
    : Form("TDirectoryDlg"),
      edWebsite(Find<platform::Edit>("edWebsite")),
      edBenutzername(Find<platform::Edit>("edBenutzername")),
      edPasswort(Find<platform::Edit>("edPasswort")),
      edDateiendungen(Find<platform::Edit>("edDateiendungen")),
      btnEinlesen(Find<platform::Button>("btnEinlesen")),
      lbxHTMLDateien(Find<fsctl::TFsListBox>("lbxHTMLDateien")),
      lblAnzahlAusgewaehlt(Find<platform::Label>("lblAnzahlAusgewaehlt")),
      btnAnsehen(Find<platform::Button>("btnAnsehen")),
      btnLoeschen(Find<platform::Button>("btnLoeschen")),
      DriveComboBox2(Find<fsctl::TFsDriveComboBox>("DriveComboBox2")),
      DirectoryListBox2(Find<fsctl::TFsDirectoryListBox>("DirectoryListBox2")),
      BitBtn1(Find<platform::Button>("BitBtn1")),
      BitBtn3(Find<platform::Button>("BitBtn3")),
      btnok(Find<platform::Button>("btnok")),
      btnAbbrechen(Find<platform::Button>("btnAbbrechen")),
      btnHilfe(Find<platform::Button>("btnHilfe")),
      project_(project),
      proxy_(std::move(proxy)),
      services_(std::move(services)) {
  edWebsite.OnExit = [this] { edWebsiteExit(); };
  btnEinlesen.OnClick = [this] { btnEinlesenClick(); };
  btnLoeschen.OnClick = [this] { btnLoeschenClick(); };
  lbxHTMLDateien.OnKeyDown = [this](WORD key) {
    if (key == VK_DELETE) btnLoeschenClick();
  };
  btnAnsehen.OnClick = [this] { btnAnsehenClick(); };
  BitBtn1.OnClick = [this] { BitBtn1Click(); };
  BitBtn3.OnClick = [this] { BitBtn3Click(); };
  btnHilfe.OnClick = [this] { btnHilfeClick(); };
  DriveComboBox2.OnChange = [this] { desktop::FollowDrive(DriveComboBox2, DirectoryListBox2); };
  OnClose = [this](platform::CloseAction& action) {
    if (!CanClose(ModalResult())) action = platform::CloseAction::None;
  };
}

int TDirectoryDlg::Execute() {
  // Each showing re-reads the project, whether or not the form gets shown
  // on the screen (a scripted answer).
  FormShow();
  const int result = ShowModal();
  if (result == platform::mrOk) {
    StorePageSelectionFields();
    MergePageList();
  }
  return result;
}

void TDirectoryDlg::FormShow() {
  desktop::ShowFolder(DriveComboBox2, DirectoryListBox2, project_.GetZielVerzeichnis());
  edWebsite.SetText(project_.GetWebSite());
  edBenutzername.SetText(project_.GetBenutzername());
  edPasswort.SetText(project_.GetPasswort());
  edDateiendungen.SetText(project_.GetDateiendungen());
  std::vector<std::string> urls;
  for (const auto& page : project_.Pages()) {
    urls.push_back(page->url);
    page->mark = 0;
  }
  lbxHTMLDateien.SetSorted(!keepOrder_);
  lbxHTMLDateien.SetItems(urls);
  EnableEntryButtons(!urls.empty());
  if (!urls.empty()) lbxHTMLDateien.SetItemIndex(0);
  ShowCount();
  SetCaption(core::Text().ShortenUrl(project_.GetProjectFileName(), kCaptionLength));
}

void TDirectoryDlg::ClearList() {
  lbxHTMLDateien.Clear();
  EnableEntryButtons(false);
  ShowCount();
}

void TDirectoryDlg::edWebsiteExit() { edWebsite.SetText(SiteAddress(edWebsite.Text())); }

void TDirectoryDlg::btnEinlesenClick() {
  const std::string title = core::LoadStr(core::Txt::ProgramTitle);
  platform::App().SetTitle(title + core::LoadStr(core::Txt::CapSearching));
  EnableEntryButtons(false);
  btnEinlesen.SetEnabled(false);
  StoreSiteFields(project_, {edWebsite.Text(), edBenutzername.Text(), edPasswort.Text(), edDateiendungen.Text()});
  lbxHTMLDateien.Clear();
  lbxHTMLDateien.SetSorted(false);
  keepOrder_ = true;

  bool stop = false;
  platform::TStringList urls;
  desktop::MakeUrlList(urls);
  WalkSite(project_, proxy_, title + txt::Load(IDS_CAP_SUCHE), urls, stop);
  // The search form's own files are no pages to index.
  desktop::DropSearchFormFiles(project_, urls, stop);
  lbxHTMLDateien.SetItems(urls.Lines());
  if (lbxHTMLDateien.Count() > 0) {
    lbxHTMLDateien.SetItemIndex(0);
    EnableEntryButtons(true);
    lbxHTMLDateien.SetFocus();
    lbxHTMLDateien.SetSelected(0, true);
  }
  platform::App().SetTitle(title);
  if (stop)
    platform::MessageDlg(core::LoadStr(core::Txt::MsgWalkIncomplete), platform::MsgDlgType::Warning,
                         platform::mbOK | platform::mbHelp, core::hcDateienUnvollstaendig);
  else if (lbxHTMLDateien.Count() == 0)
    platform::MessageDlg(core::LoadStr(core::Txt::MsgNoPagesFound), platform::MsgDlgType::Information,
                         platform::mbOK | platform::mbHelp, core::hcKeineDateienGefunden);
  ShowCount();
  btnEinlesen.SetEnabled(true);
}

void TDirectoryDlg::btnLoeschenClick() {
  std::vector<int> selected;
  for (int i = 0; i < lbxHTMLDateien.Count(); ++i)
    if (lbxHTMLDateien.Selected(i)) selected.push_back(i);
  const desktop::Deletion plan = desktop::PlanDeletion(lbxHTMLDateien.Count(), selected, lbxHTMLDateien.ItemIndex());
  for (auto it = plan.deleted.rbegin(); it != plan.deleted.rend(); ++it) lbxHTMLDateien.Delete(*it);
  if (plan.current >= 0) {
    lbxHTMLDateien.SetItemIndex(plan.current);
    lbxHTMLDateien.SetSelected(plan.current, true);
  }
  if (lbxHTMLDateien.Count() == 0) EnableEntryButtons(false);
  ShowCount();
  lbxHTMLDateien.SetFocus();
}

void TDirectoryDlg::btnAnsehenClick() {
  const int current = lbxHTMLDateien.ItemIndex();
  for (int i = 0; i < lbxHTMLDateien.Count(); ++i) lbxHTMLDateien.SetSelected(i, i == current);
  if (current >= 0 && services_.viewPage) services_.viewPage(lbxHTMLDateien.Item(current));
}

void TDirectoryDlg::BitBtn1Click() {
  const std::string folder = desktop::AskNewFolder(DirectoryListBox2.Directory());
  if (!folder.empty()) DirectoryListBox2.SetDirectory(folder);
}

void TDirectoryDlg::BitBtn3Click() {
  StorePageSelectionFields();
  if (!services_.editSettings || !services_.editSettings()) return;
  if (services_.showStatus) services_.showStatus();
  // Other extensions make the list found so far a list of other pages.
  if (project_.GetDateiendungen() != edDateiendungen.Text()) {
    edDateiendungen.SetText(project_.GetDateiendungen());
    ClearList();
  }
  platform::App().ProcessMessages();
}

void TDirectoryDlg::btnHilfeClick() {
  if (services_.openInBrowser)
    services_.openInBrowser(core::HelpPagePath(core::ProgramDirectory(), core::helppage::kSeitenwahl));
}

bool TDirectoryDlg::CanClose(int result) {
  if (result != platform::mrOk || !edWebsite.Text().empty()) return true;
  platform::ShowMessage(core::LoadStr(core::Txt::MsgUrlNeeded));
  edWebsite.SetFocus();
  return false;
}

void TDirectoryDlg::StorePageSelectionFields() {
  project_.SetZielVerzeichnis(desktop::StoredFolder(DirectoryListBox2.Directory()));
  StoreSiteFields(project_, {edWebsite.Text(), edBenutzername.Text(), edPasswort.Text(), edDateiendungen.Text()});
  if (services_.showStatus) services_.showStatus();
}

void TDirectoryDlg::MergePageList() {
  // In the list's order: new pages are appended as they stand in it.
  platform::TStringList urls;
  urls.SetDuplicates(platform::TDuplicates::dupAccept);
  for (const std::string& url : lbxHTMLDateien.Items()) urls.Add(url);
  desktop::MergeFileList(project_, urls);
}

void TDirectoryDlg::ShowCount() { lblAnzahlAusgewaehlt.SetCaption(desktop::PageCountText(lbxHTMLDateien.Count())); }

void TDirectoryDlg::EnableEntryButtons(bool on) {
  btnLoeschen.SetEnabled(on);
  btnAnsehen.SetEnabled(on);
}

}  // namespace corvanta
