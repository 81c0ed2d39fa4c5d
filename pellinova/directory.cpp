#include "pellinova/directory.h"

#include "core/HelpContexts.h"
#include "core/ProjectSettings.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "coregui/hinweis.h"
#include "desktop/FolderStart.h"
#include "desktop/PageList.h"
#include "desktop/PageSelection.h"
#include "pellinova/FileSearch.h"
#include "pellinova/ProjektRules.h"
#include "pellinova/TextNumbers.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/Blanks.h"
#include "platform/base/StringList.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"

namespace pellinova {

namespace {

constexpr const char* kHelpPage = "hilfe\\fortgeschritten.htm";
constexpr int kCaptionLength = 80;

// A stored folder as the tree shows it: a bare drive at its root.
std::string TreeFolder(const std::string& stored) { return stored.size() <= 2 ? stored + "\\" : stored; }

}  // namespace

TDirectoryDlg::TDirectoryDlg(TProjekt& project, desktop::PageSelectionServices services)
    : Form("TDirectoryDlg"),
      DriveComboBox1(Find<fsctl::TFsDriveComboBox>("DriveComboBox1")),
      DirectoryListBox1(Find<fsctl::TFsDirectoryListBox>("DirectoryListBox1")),
      BitBtn2(Find<platform::Button>("BitBtn2")),
      DriveComboBox2(Find<fsctl::TFsDriveComboBox>("DriveComboBox2")),
      DirectoryListBox2(Find<fsctl::TFsDirectoryListBox>("DirectoryListBox2")),
      BitBtn1(Find<platform::Button>("BitBtn1")),
      edDateiendungen(Find<platform::Edit>("edDateiendungen")),
      lblAnzahlAusgewaehlt(Find<platform::Label>("lblAnzahlAusgewaehlt")),
      pgcDateien(Find<platform::PageControl>("pgcDateien")),
      tabHTML(Find<platform::TabSheet>("tabHTML")),
      lbxHTMLDateien(Find<fsctl::TFsListBox>("lbxHTMLDateien")),
      btnEinlesen(Find<platform::Button>("btnEinlesen")),
      btnAnsehen(Find<platform::Button>("btnAnsehen")),
      btnLoeschen(Find<platform::Button>("btnLoeschen")),
      tabVerzeichnis(Find<platform::TabSheet>("tabVerzeichnis")),
      lbxVerzeichnisDateien(Find<fsctl::TFsListBox>("lbxVerzeichnisDateien")),
      btnAuswaehlenVerzeichnis(Find<platform::Button>("btnAuswaehlenVerzeichnis")),
      btnAnsehenVerzeichnis(Find<platform::Button>("btnAnsehenVerzeichnis")),
      btnEinlesenVerzeichnis(Find<platform::Button>("btnEinlesenVerzeichnis")),
      BitBtn3(Find<platform::Button>("BitBtn3")),
      btnok(Find<platform::Button>("btnok")),
      btnAbbrechen(Find<platform::Button>("btnAbbrechen")),
      btnHilfe(Find<platform::Button>("btnHilfe")),
      project_(project),
      services_(std::move(services)) {
  btnEinlesen.OnClick = [this] { btnEinlesenClick(); };
  btnEinlesenVerzeichnis.OnClick = [this] { btnEinlesenVerzeichnisClick(); };
  btnLoeschen.OnClick = [this] { btnLoeschenClick(); };
  lbxHTMLDateien.OnKeyDown = [this](WORD key) {
    if (key == VK_DELETE) btnLoeschenClick();
  };
  btnAuswaehlenVerzeichnis.OnClick = [this] { btnAuswaehlenVerzeichnisClick(); };
  btnAnsehen.OnClick = [this] { View(lbxHTMLDateien); };
  btnAnsehenVerzeichnis.OnClick = [this] { View(lbxVerzeichnisDateien); };
  BitBtn1.OnClick = [this] {
    const std::string folder = desktop::AskNewFolder(DirectoryListBox2.Directory());
    if (!folder.empty()) DirectoryListBox2.SetDirectory(folder);
  };
  BitBtn2.OnClick = [this] { desktop::ShowFolder(DriveComboBox2, DirectoryListBox2, DirectoryListBox1.Directory()); };
  BitBtn3.OnClick = [this] { BitBtn3Click(); };
  btnHilfe.OnClick = [this] {
    if (services_.openInBrowser) services_.openInBrowser(core::ProgramDirectory() + kHelpPage);
  };
  DriveComboBox1.OnChange = [this] { desktop::FollowDrive(DriveComboBox1, DirectoryListBox1); };
  DriveComboBox2.OnChange = [this] { desktop::FollowDrive(DriveComboBox2, DirectoryListBox2); };
  DirectoryListBox1.OnChange = [this] { SourceFolderChanged(); };
  OnClose = [this](platform::CloseAction& action) {
    if (!CanClose(ModalResult())) action = platform::CloseAction::None;
  };
}

int TDirectoryDlg::Execute() {
  FormShow();
  const int result = ShowModal();
  if (result == platform::mrOk) FormClose();
  return result;
}

void TDirectoryDlg::FormShow() {
  desktop::ShowFolder(DriveComboBox1, DirectoryListBox1, project_.GetHTMLVerzeichnis());
  desktop::ShowFolder(DriveComboBox2, DirectoryListBox2, project_.GetZielVerzeichnis());
  edDateiendungen.SetText(project_.GetDateiendungen());
  FillFromProject();
  SetCaption(core::Text().ShortenUrl(project_.GetProjectFileName(), kCaptionLength));
}

void TDirectoryDlg::FillFromProject() {
  std::vector<std::string> paths;
  for (const auto& page : project_.Pages()) {
    paths.push_back(page->url);
    page->mark = 0;
  }
  lbxHTMLDateien.SetItems(paths);
  Enable(Selected(), !paths.empty());
  if (!paths.empty()) lbxHTMLDateien.SetItemIndex(0);
  ShowCount();
}

void TDirectoryDlg::SourceFolderChanged() {
  // The project's files are paths below its own source folder: below
  // another folder they name other files or none.
  if (DirectoryListBox1.Directory() != TreeFolder(project_.GetHTMLVerzeichnis())) {
    if (lbxHTMLDateien.Count() == 0) return;
    lbxHTMLDateien.Clear();
    Enable(Selected(), false);
    ShowCount();
    return;
  }
  FillFromProject();
  if (lbxHTMLDateien.Count() == 0) return;
  lbxHTMLDateien.SetFocus();
  lbxHTMLDateien.SetSelected(0, true);
}

std::string TDirectoryDlg::SourceFolder() const { return desktop::StoredFolder(DirectoryListBox1.Directory()); }

void TDirectoryDlg::Search(bool intoSelected) {
  const std::string title = core::LoadStr(core::Txt::ProgramTitle);
  platform::App().SetTitle(title + core::LoadStr(core::Txt::CapSearching));
  const Side side = intoSelected ? Selected() : Others();
  platform::Button& einlesen = intoSelected ? btnEinlesen : btnEinlesenVerzeichnis;
  Enable(side, false);
  einlesen.SetEnabled(false);
  if (intoSelected) {
    lbxVerzeichnisDateien.Clear();
    Enable(Others(), false);
  }
  side.list.Clear();
  // The files keep the order they were found or moved in from now on.
  side.list.SetSorted(false);

  bool stop = false;
  platform::TStringList found, skipped;
  found.SetSorted(true);
  skipped.SetSorted(true);
  {
    core::THinweisDlg window;
    window.SetCaption(title + txt::Load(IDS_CAP_SEARCH_FILES));
    window.HideTimeLabels();
    window.Show();
    SearchExtensions(window, SourceFolder(), platform::Trimmed(edDateiendungen.Text()), stop, found, &skipped);
  }
  core::ProjectSettings folders = project_.Settings();
  folders.HTMLVerzeichnis = SourceFolder();
  folders.ZielVerzeichnis = desktop::StoredFolder(DirectoryListBox2.Directory());
  // The search form's own files go also from what a cancelled search found.
  const bool keepGoing = false;
  DropSearchFormFiles(folders, found, keepGoing);
  std::vector<std::string> entries;
  for (const std::string& entry : found.Lines()) {
    if (!intoSelected && lbxHTMLDateien.IndexOf(entry) >= 0) continue;
    entries.push_back(entry);
  }
  side.list.SetItems(entries);
  if (!entries.empty()) {
    side.list.SetItemIndex(0);
    Enable(side, true);
    side.list.SetFocus();
    side.list.SetSelected(0, true);
  }
  platform::App().SetTitle(title);
  if (stop)
    platform::MessageDlg(core::LoadStr(core::Txt::MsgWalkIncomplete), platform::MsgDlgType::Warning,
                         platform::mbOK | platform::mbHelp, core::hcDateienUnvollstaendig);
  else if (entries.empty())
    platform::MessageDlg(core::LoadStr(core::Txt::MsgNoPagesFound), platform::MsgDlgType::Information,
                         platform::mbOK | platform::mbHelp, core::hcKeineDateienGefunden);
  if (!stop) ReportSkippedFiles(skipped);
  if (intoSelected) ShowCount();
  einlesen.SetEnabled(true);
}

void TDirectoryDlg::btnLoeschenClick() { Move(Selected(), Others()); }

void TDirectoryDlg::btnAuswaehlenVerzeichnisClick() { Move(Others(), Selected()); }

void TDirectoryDlg::Move(Side from, Side to) {
  std::vector<int> selected;
  for (int i = 0; i < from.list.Count(); ++i)
    if (from.list.Selected(i)) selected.push_back(i);
  const desktop::Deletion plan = desktop::PlanDeletion(from.list.Count(), selected, from.list.ItemIndex());
  // In list order to the end of the other list, or into its sorted place
  // while it still sorts.
  for (const int i : plan.deleted) to.list.Add(from.list.Item(i));
  for (auto it = plan.deleted.rbegin(); it != plan.deleted.rend(); ++it) from.list.Delete(*it);
  if (plan.current >= 0) {
    from.list.SetItemIndex(plan.current);
    from.list.SetSelected(plan.current, true);
  }
  if (from.list.Count() == 0) Enable(from, false);
  ShowCount();
  from.list.SetFocus();
  if (!plan.deleted.empty()) Enable(to, true);
}

void TDirectoryDlg::View(fsctl::TFsListBox& list) {
  const int current = list.ItemIndex();
  for (int i = 0; i < list.Count(); ++i) list.SetSelected(i, i == current);
  // The folder the tree shows: the list's files were found below it, even
  // when the project still names another.
  if (current >= 0 && services_.viewPage) services_.viewPage(SourceFolder() + "\\" + list.Item(current));
}

void TDirectoryDlg::BitBtn3Click() {
  StorePageSelectionFields();
  if (!services_.editSettings || !services_.editSettings()) return;
  if (services_.showStatus) services_.showStatus();
  // Other extensions make the selection a list of other files.
  if (project_.GetDateiendungen() != edDateiendungen.Text()) {
    edDateiendungen.SetText(project_.GetDateiendungen());
    lbxHTMLDateien.Clear();
    Enable(Selected(), false);
    ShowCount();
  }
  platform::App().ProcessMessages();
}

bool TDirectoryDlg::CanClose(int result) {
  if (result != platform::mrOk) return true;
  return KeepDrives(std::string(1, DriveComboBox1.Drive()), std::string(1, DriveComboBox2.Drive()));
}

void TDirectoryDlg::StorePageSelectionFields() {
  project_.SetHTMLVerzeichnis(SourceFolder());
  project_.SetZielVerzeichnis(desktop::StoredFolder(DirectoryListBox2.Directory()));
  project_.SetDateiendungen(platform::Trimmed(edDateiendungen.Text()));
  if (services_.showStatus) services_.showStatus();
}

void TDirectoryDlg::FormClose() {
  StorePageSelectionFields();
  platform::TStringList paths;
  paths.SetDuplicates(platform::TDuplicates::dupAccept);
  for (const std::string& path : lbxHTMLDateien.Items()) paths.Add(path);
  desktop::MergeFileList(project_, paths);
}

void TDirectoryDlg::ShowCount() { lblAnzahlAusgewaehlt.SetCaption(desktop::PageCountText(lbxHTMLDateien.Count())); }

void TDirectoryDlg::Enable(Side side, bool on) {
  side.move.SetEnabled(on);
  side.view.SetEnabled(on);
}

}  // namespace pellinova
