#include "desktop/liste.h"

#include "core/HelpContexts.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "core/Vorlage.h"
#include "coregui/CommandLine.h"
#include "coregui/projektVerwaltung.h"
#include "desktop/neueswort.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

namespace {
constexpr int kPageLineLength = 60;

bool StopWordsUsable(const core::TProjekt& project) {
  return project.GetStopwortListeVerwenden() && platform::FileExists(project.StopWordFileName());
}
}  // namespace

TWoerterListeDlg::TWoerterListeDlg(core::TProjekt& project, std::vector<std::string> layouts,
                                   DialogServices services)
    : Form(std::move(layouts)),
      lblDateiname(Find<platform::Label>("lblDateiname")),
      BitBtn4(Find<platform::Button>("BitBtn4")),
      lbxWoerter(Find<platform::ListBox>("lbxWoerter")),
      btnEinfuegen(Find<platform::Button>("btnEinfuegen")),
      btnBearbeiten(Find<platform::Button>("btnBearbeiten")),
      btnLoeschen(Find<platform::Button>("btnLoeschen")),
      ckbLoeschenNachfragen(Find<platform::CheckBox>("ckbLoeschenNachfragen")),
      btnStopwort(Find<platform::Button>("btnStopwort")),
      ckbStopwortNachfragen(Find<platform::CheckBox>("ckbStopwortNachfragen")),
      btnok(Find<platform::Button>("btnok")),
      btnAbbruch(Find<platform::Button>("btnAbbruch")),
      BitBtn6(Find<platform::Button>("BitBtn6")),
      project_(project),
      services_(std::move(services)),
      stopWordsUsable_(StopWordsUsable(project)),
      review_({}, {}, stopWordsUsable_) {
  btnEinfuegen.OnClick = [this] { btnEinfuegenClick(); };
  btnBearbeiten.OnClick = [this] { btnBearbeitenClick(); };
  btnLoeschen.OnClick = [this] { btnLoeschenClick(); };
  btnStopwort.OnClick = [this] { btnStopwortClick(); };
  BitBtn4.OnClick = [this] { BitBtn4Click(); };
  BitBtn6.OnClick = [this] { BitBtn6Click(); };
  OnShow = [this] { lbxWoerter.SetFocus(); };
}

void TWoerterListeDlg::EditPageWords(platform::TStringList& words, platform::TStringList& changeLog, bool& cancel,
                                     const std::string& pageLine) {
  review_ = KeywordReview(words, changeLog, stopWordsUsable_);
  lblDateiname.SetCaption(core::Text().ShortenUrl(pageLine, kPageLineLength));
  ShowList();
  if (ShowModal() != platform::mrOk) {
    cancel = true;
    return;
  }
  cancel = false;
  words.Clear();
  for (const auto& word : review_.List().Words()) words.Add(word);
  changeLog.Clear();
  for (const auto& entry : review_.ChangeLog().Lines()) changeLog.Add(entry);
  if (review_.StopWordsAdded()) core::SaveStopWords(project_.StopWordFileName(), project_.StopWords());
}

bool TWoerterListeDlg::TakeCurrent() { return TakeCurrentWord(lbxWoerter, review_.List()); }

void TWoerterListeDlg::ShowList() {
  ShowWordList(lbxWoerter, review_.List());
  const bool edit = review_.CanEdit();
  for (platform::Control* c : std::initializer_list<platform::Control*>{
           &btnBearbeiten, &btnLoeschen, &ckbLoeschenNachfragen, &ckbStopwortNachfragen})
    c->SetEnabled(edit);
  btnStopwort.SetEnabled(review_.CanMoveToStopWords());
}

void TWoerterListeDlg::btnEinfuegenClick() {
  const auto word = AskWord(core::LoadStr(core::Txt::CapNewWord), "");
  if (!word || word->empty() || !AcceptKeyword(*word)) return;
  if (review_.List().Contains(*word)) return TellWordExists(*word);
  TakeCurrent();
  review_.Insert(*word);
  ShowList();
}

void TWoerterListeDlg::btnBearbeitenClick() {
  if (!TakeCurrent()) return;
  const auto text = AskWord(core::LoadStr(core::Txt::CapEditWord), review_.List().CurrentWord());
  if (!text || *text == review_.List().CurrentWord() || !AcceptKeyword(*text)) return;
  review_.Rename(*text);
  ShowList();
}

void TWoerterListeDlg::btnLoeschenClick() {
  if (!TakeCurrent()) return;
  if (!ConfirmEntry(ckbLoeschenNachfragen.Checked(), core::Txt::AskDeleteEntry, review_.List().CurrentWord(),
                    core::hcWortLoeschen))
    return;
  review_.Delete();
  ShowList();
}

void TWoerterListeDlg::btnStopwortClick() {
  if (!TakeCurrent() || !review_.CanMoveToStopWords()) return;
  if (!ConfirmEntry(ckbStopwortNachfragen.Checked(), core::Txt::AskEntryToStopWords,
                    review_.List().CurrentWord(), core::hcWortStopwort))
    return;
  // Moved words stay in the project's list even when the review is
  // cancelled; the next save of the project writes them.
  review_.MoveToStopWords(project_.StopWords());
  ShowList();
}

void TWoerterListeDlg::BitBtn4Click() {
  review_.RemoveAll();
  ShowList();
}

void TWoerterListeDlg::BitBtn6Click() {
  if (services_.openInBrowser) services_.openInBrowser(core::HelpPagePath(core::ProgramDirectory(), core::helppage::kSchlagworte));
}

}  // namespace desktop
