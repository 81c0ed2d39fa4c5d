#include "desktop/neueswort.h"

#include "core/HelpContexts.h"
#include "desktop/WordEdits.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

TNeuesWortDlg::TNeuesWortDlg()
    : Form("TNeuesWortDlg"),
      edWort(Find<platform::Edit>("edWort")),
      btnok(Find<platform::Button>("btnok")),
      btnAbbruch(Find<platform::Button>("btnAbbruch")) {
  OnShow = [this] { FormShow(); };
}

void TNeuesWortDlg::FormShow() { edWort.SetFocus(); }

std::optional<std::string> AskWord(const std::string& caption, const std::string& word) {
  TNeuesWortDlg dlg;
  dlg.SetCaption(caption);
  dlg.edWort.SetText(word);
  if (dlg.ShowModal() != platform::mrOk) return std::nullopt;
  return dlg.edWort.Text();
}

bool ConfirmEntry(bool withoutQuestion, core::Txt question, const std::string& word, int helpContext) {
  return withoutQuestion ||
         platform::MessageDlg(core::FormatStr(core::LoadStr(question), {word}), platform::MsgDlgType::Confirmation,
                              platform::mbYes | platform::mbNo | (helpContext ? platform::mbHelp : 0u), helpContext) ==
             platform::mrYes;
}

void TellWordExists(const std::string& word, int helpContext) {
  platform::MessageDlg(core::FormatStr(core::LoadStr(core::Txt::MsgWordExists), {word}),
                       platform::MsgDlgType::Information, platform::mbOK | (helpContext ? platform::mbHelp : 0u),
                       helpContext);
}

void ShowWordList(platform::ListBox& box, const WordList& list) {
  box.SetItems(list.Words());
  box.SetItemIndex(list.Current());
}

bool TakeCurrentWord(const platform::ListBox& box, WordList& list) {
  list.SetCurrent(box.ItemIndex());
  return list.HasCurrent();
}

bool AcceptKeyword(const std::string& word) {
  char character = 0;
  std::string why;
  switch (CheckKeyword(word, character)) {
    case KeywordFault::None: return true;
    case KeywordFault::Empty: why = core::LoadStr(core::Txt::MsgKeywordEmpty); break;
    case KeywordFault::Character:
      why = core::FormatStr(core::LoadStr(core::Txt::MsgKeywordCharacter), {word, std::string(1, character)});
      break;
  }
  platform::MessageDlg(why, platform::MsgDlgType::Information, platform::mbOK | platform::mbHelp, core::hcNeuesWort);
  return false;
}

}  // namespace desktop
