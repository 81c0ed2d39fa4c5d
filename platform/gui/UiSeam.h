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
#include <functional>
#include <string>

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

// Passes one interaction through the seam: a responder or the script answers;
// otherwise show runs the real dialog. The answer is logged when
// QUARVELIN_UI_LOG is set.
int RunModal(UiRequest& request, const std::function<int(UiRequest&)>& show);

}  // namespace platform
