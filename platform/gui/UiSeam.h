#pragma once
// The one seam every modal interaction passes through.
//
// By default the seam shows the real dialog. Unit tests install a responder
// that answers instead (and may fill the controls of a modal form). A built
// program is scripted through the environment: QUARVELIN_UI_SCRIPT names a
// file of answers taken in order, QUARVELIN_UI_LOG names a file that gets one
// line per interaction (kind, caption, text, help context, answer). With a
// script and no answer left, the seam gives up as Cancel/No/Abbrechen would
// (OK where OK is the only button), so an unattended run never hangs.
//
// The answer script (code page 1252 text; CR, LF or CRLF line ends):
//
//   # a comment; blank lines and lines whose first non-blank is "#" are skipped
//   Yes                          a message box: one result word
//   Help                         a message box: its Help button (the help
//                                handler runs, the box takes the next line)
//   OK|edWort=Hallo|cbAktiv=1    a modal form: the result word, then name=value
//                                assignments applied to the form's controls
//                                (Form::SetControlValue) before it returns
//   C:\daten\liste.txt           a file dialog: the file name chosen ...
//   Cancel                       ... or Cancel (Abbrechen) for none
//
// The assignments are applied in order; assigning anything to a button
// presses it, so a script can work a form through its buttons (a modal
// form that a press opens takes the next line).
//
// Result words, case-insensitive: OK, Cancel, Yes, No, Abort, Retry, Ignore,
// All, and the German Ja, Nein, Abbrechen (= Cancel). Blanks around a line and
// around the result word and the control name are ignored. In an assignment
// the name ends at the first "=" and the value, kept as written, at the next
// "|"; inside a value, \| \\ \r \n \t stand for "|", "\", CR, LF and TAB.
//
// The lines are taken one per interaction, in order, whoever asks. A message
// box accepts only the result of one of its buttons, and Cancel, which stands
// for closing the box (it gives what Esc gives). An answer that does not fit
// the request (an unknown word, "Yes" to a box without Yes, assignments to a
// message box, an assignment to a control the form does not have) is
// consumed, logged as an error and answered by giving up.
//
// The log (code page 1252, CRLF line ends) has one line per interaction,
// written when it is answered (so a box asked from inside a modal form comes
// before the form's line):
//   kind TAB caption TAB text TAB help context TAB answer
// kind is MessageBox, ModalForm or FileDialog; a file dialog's text is its
// filter, its answer the chosen file name or Cancel. CR, LF, TAB and backslash
// inside the fields are written as \r \n \t \\. A script error adds a line
//   ScriptError TAB message
// before the line of the interaction it concerns.
#include <windows.h>

#include <functional>
#include <string>

// windows.h maps MessageBox to MessageBoxA, which would rename UiKind's
// member in every file that includes windows.h after this header; the A
// function is called by its own name where needed.
#undef MessageBox

namespace platform {

class Form;

enum class UiKind { MessageBox, ModalForm, FileDialog };

struct UiRequest {
  UiKind kind = UiKind::MessageBox;
  std::string caption;
  std::string text;
  int helpContext = 0;
  unsigned buttons = 0;      // MessageBox: MsgDlgButton set
  Form* form = nullptr;      // ModalForm: the form about to be shown
  std::string fileName;      // FileDialog: initial name in, chosen name out
  std::string filter;        // FileDialog: "Text|*.txt|Alle|*.*"
  std::string initialDir;    // FileDialog
};

class UiResponder {
 public:
  virtual ~UiResponder() = default;
  // Returns the modal result (platform::ModalResult) for the request.
  virtual int Answer(UiRequest& request) = 0;
};

// Installs a responder (nullptr: back to the real dialogs or the environment
// script). The caller keeps ownership.
void SetUiResponder(UiResponder* responder);
// The responder installed now (nullptr when none).
UiResponder* CurrentUiResponder();

// Passes one interaction through the seam: a responder or the script answers;
// otherwise show runs the real dialog. The answer is logged when
// QUARVELIN_UI_LOG is set.
int RunModal(UiRequest& request, const std::function<int(UiRequest&)>& show);

// The answer of someone who walks away: mrCancel; mrNo for a message box with
// No but no Cancel; the button's own result for a box with one button (Help
// aside), so a box with OK alone gives mrOk.
int GiveUpAnswer(const UiRequest& request);

// Forgets the script and log read so far: the next interaction reads
// QUARVELIN_UI_SCRIPT and QUARVELIN_UI_LOG afresh. For tests.
void ResetUiScript();

}  // namespace platform
