#pragma once
// Message boxes and the modal seam. Every modal interaction of the programs
// (message box, modal form, file dialog, retry question) passes through one
// seam: by default it shows the real dialog; tests install a scripted
// responder; QUARVELIN_UI_SCRIPT / QUARVELIN_UI_LOG script and record a built
// program (see UiSeam.h).
#include <string>

namespace platform {

enum class MsgDlgType { Warning, Error, Information, Confirmation, Custom };

// Button set of a message box, combined with |.
enum MsgDlgButton : unsigned {
  mbYes = 1u << 0,
  mbNo = 1u << 1,
  mbOK = 1u << 2,
  mbCancel = 1u << 3,
  mbAbort = 1u << 4,
  mbRetry = 1u << 5,
  mbIgnore = 1u << 6,
  mbAll = 1u << 7,
  mbHelp = 1u << 8,
};

// Result of a modal form or message box.
enum ModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrAll = 8,
};

// The class library's message box: caption by kind ("Warnung", "Fehler",
// "Information", "Bestätigen"), the buttons asked for, and a help context that
// the Help button hands to the application's help handler while the box stays
// open. Returns the modal result of the button chosen; closing the box or Esc
// gives mrCancel (or the result of the only button when there is one).
int MessageDlg(const std::string& text, MsgDlgType type, unsigned buttons, int helpContext);

// A plain message box with the application title as caption and an OK button.
void ShowMessage(const std::string& text);

}  // namespace platform
