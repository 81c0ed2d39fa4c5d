#include "coregui/Retry.h"

#include <exception>
#include <stdexcept>

#include "core/Texts.h"
#include "platform/gui/Dialogs.h"

namespace core {

TError& Error() {
  static TError instance;
  return instance;
}

std::string CurrentExceptionMessage() {
  std::exception_ptr current = std::current_exception();
  if (!current) return {};
  try {
    std::rethrow_exception(current);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return {};
  }
}

bool TError::AskRetry(const std::string& action, int helpContext) {
  const std::string text = FormatStr(LoadStr(Txt::RetryQuestion), {action, CurrentExceptionMessage()});
  const int answer = platform::MessageDlg(text, platform::MsgDlgType::Error,
                                          platform::mbYes | platform::mbNo | platform::mbHelp, helpContext);
  return answer != platform::mrYes;
}

}  // namespace core
