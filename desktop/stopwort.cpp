#include "desktop/stopwort.h"

#include "core/HelpContexts.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "core/Vorlage.h"
#include "coregui/CommandLine.h"
#include "coregui/hinweis.h"
#include "coregui/projektVerwaltung.h"
#include "desktop/neueswort.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

namespace {
constexpr int kPathLength = 60;
}  // namespace

StopListProfile StopWordProfile() {
  using core::LoadStr;
  using core::Txt;
  return {LoadStr(Txt::TitleStopWordFile), LoadStr(Txt::CapImportStopWords), LoadStr(Txt::MsgNoStopWords),
          core::helppage::kStopwortliste};
}

TStopwortlisteDlg::TStopwortlisteDlg(std::vector<std::string> layouts, DialogServices services,
                                     StopListProfile profile)
    : Form(std::move(layouts)),
      lblStopwortlistePfad(Find<platform::Label>("lblStopwortlistePfad")),
      lbxWoerter(Find<platform::ListBox>("lbxWoerter")),
      btnEinfuegen(Find<platform::Button>("btnEinfuegen")),
      btnBearbeiten(Find<platform::Button>("btnBearbeiten")),
      btnLoeschen(Find<platform::Button>("btnLoeschen")),
      ckbLoeschenNachfragen(Find<platform::CheckBox>("ckbLoeschenNachfragen")),
      btnEinfuegenDatei(Find<platform::Button>("btnEinfuegenDatei")),
      btnok(Find<platform::Button>("btnok")),
      btnAbbruch(Find<platform::Button>("btnAbbruch")),
      BitBtn6(Find<platform::Button>("BitBtn6")),
      services_(std::move(services)),
      profile_(std::move(profile)),
      edit_({}, profile_.lower) {
  btnEinfuegen.OnClick = [this] { btnEinfuegenClick(); };
  btnBearbeiten.OnClick = [this] { btnBearbeitenClick(); };
  btnLoeschen.OnClick = [this] { btnLoeschenClick(); };
  btnEinfuegenDatei.OnClick = [this] { btnEinfuegenDateiClick(); };
  BitBtn6.OnClick = [this] { BitBtn6Click(); };
  OnShow = [this] { lbxWoerter.SetFocus(); };
}

void TStopwortlisteDlg::EditStopWords(platform::TStringList& stopWords, const std::string& file, bool& cancel) {
  edit_ = StopWordEdit(stopWords, profile_.lower);
  lblStopwortlistePfad.SetCaption(core::Text().ShortenUrl(file, kPathLength));
  ShowList();
  if (ShowModal() != platform::mrOk) {
    cancel = true;
    return;
  }
  cancel = false;
  stopWords.Clear();
  for (const auto& word : edit_.List().Words()) stopWords.Add(word);
  core::SaveStopWords(file, stopWords);
}

bool TStopwortlisteDlg::TakeCurrent() { return TakeCurrentWord(lbxWoerter, edit_.List()); }

void TStopwortlisteDlg::ShowList() {
  ShowWordList(lbxWoerter, edit_.List());
  for (platform::Control* c :
       std::initializer_list<platform::Control*>{&btnBearbeiten, &btnLoeschen, &ckbLoeschenNachfragen})
    c->SetEnabled(edit_.CanEdit());
}

void TStopwortlisteDlg::btnEinfuegenClick() {
  const auto typed = AskWord(core::LoadStr(core::Txt::CapNewWord), "");
  if (!typed || typed->empty()) return;
  TakeCurrent();
  if (!edit_.Insert(*typed)) return TellWordExists(*typed, profile_.duplicateHelp);
  ShowList();
}

void TStopwortlisteDlg::btnBearbeitenClick() {
  if (!TakeCurrent()) return;
  const auto text = AskWord(core::LoadStr(core::Txt::CapEditWord), edit_.List().CurrentWord());
  if (!text) return;
  edit_.Rename(*text);
  ShowList();
}

void TStopwortlisteDlg::btnLoeschenClick() {
  if (!TakeCurrent()) return;
  if (!ConfirmEntry(ckbLoeschenNachfragen.Checked(), core::Txt::AskDeleteEntry, edit_.List().CurrentWord(),
                    profile_.deleteHelp))
    return;
  edit_.Delete();
  ShowList();
}

void TStopwortlisteDlg::btnEinfuegenDateiClick() {
  std::string file;
  if (!services_.selectFile ||
      !services_.selectFile(profile_.importTitle, core::LoadStr(core::Txt::FilterStopWordFile), file))
    return;
  bool cancelled = false;
  {
    core::THinweisDlg window;
    window.SetCaption(core::LoadStr(core::Txt::ProgramTitle) + profile_.importCaption);
    window.HideTimeLabels();
    window.lblAnzeige.SetCaption(core::LoadStr(core::Txt::LblLoadingFile));
    window.Show();
    platform::TStringList lines;
    lines.LoadFromFile(file);
    if (lines.Count() == 0) {
      platform::ShowMessage(profile_.emptyImport);
      return;
    }
    window.pbFortschritt.SetMax(lines.Count() + 1);
    TakeCurrent();
    cancelled = !edit_.Import(lines, [&](const std::string& line) {
      if (!window.Visible()) return false;
      window.pbFortschritt.StepIt();
      window.lblAnzeige.SetCaption(line + "...");
      platform::App().ProcessMessages();
      return true;
    });
    ShowList();
    window.pbFortschritt.SetPosition(lines.Count() + 1);
  }
  if (cancelled) platform::ShowMessage(core::LoadStr(core::Txt::MsgImportIncomplete));
}

void TStopwortlisteDlg::BitBtn6Click() {
  if (services_.openInBrowser) services_.openInBrowser(core::HelpPagePath(core::ProgramDirectory(), profile_.helpPage));
}

bool EditProjectStopWords(core::TProjekt& project, const SharedLayouts& layouts, const DialogServices& services) {
  bool cancelled = false;
  {
    TStopwortlisteDlg dlg(layouts.stopWords, services);
    dlg.EditStopWords(project.StopWords(), project.StopWordFileName(), cancelled);
  }
  if (cancelled) return false;
  project.SaveProject();
  return true;
}

}  // namespace desktop
