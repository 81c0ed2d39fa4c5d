#pragma once
// The one-line word entry of the keyword review, the stop-word editors and
// the new-folder buttons, and the questions the word lists ask about a word.
#include <optional>
#include <string>

#include "core/HelpContexts.h"
#include "core/Texts.h"

#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace desktop {

class TNeuesWortDlg : public platform::Form {
 public:
  TNeuesWortDlg();
  platform::Edit& edWort;
  platform::Button& btnok;
  platform::Button& btnAbbruch;

 private:
  void FormShow();
};

// Asks for a word under caption, starting from word: the text as typed
// after OK, nothing after Abbrechen.
std::optional<std::string> AskWord(const std::string& caption, const std::string& word);

// Whether the entry may go: true at once when the user ticked "Ohne Frage"
// (withoutQuestion), else when the question (confirmation; Yes, No, Help)
// is answered Yes. A help context of 0 asks without the Help button.
bool ConfirmEntry(bool withoutQuestion, core::Txt question, const std::string& word, int helpContext);

// The information that the list holds the word already; a help context of 0
// gives it no Help button.
void TellWordExists(const std::string& word, int helpContext = core::hcNeuesWort);

class WordList;

// The list box shows the words and the current entry of list.
void ShowWordList(platform::ListBox& box, const WordList& list);
// The list box's current line becomes the list's; whether there is one.
bool TakeCurrentWord(const platform::ListBox& box, WordList& list);

// Whether word may become a keyword (CheckKeyword); otherwise the user is
// told why, as of a word that exists already, and nothing changes.
bool AcceptKeyword(const std::string& word);

}  // namespace desktop
