#pragma once
// The retry question for file steps, and the loop every file step runs in.
#include <string>

#include "core/HelpContexts.h"

namespace core {

class TError {
 public:
  // Asks whether to try the failed step again. Call it from inside the catch
  // block of the failure: the box shows that exception's message. Returns
  // false only when the user answers Yes (try again); No, Esc or closing the
  // box give up.
  bool AskRetry(const std::string& action, int helpContext);
};

// The program-wide instance.
TError& Error();

// The message of the exception being handled ("" outside a handler).
std::string CurrentExceptionMessage();

// Runs one file step in the retry loop: the step is tried; when it throws,
// the retry question decides between another try and giving up. Giving up
// sets abort. Once abort is set, nothing is tried and nothing asked, and a
// Yes never clears an abort that was set before. Returns true when the step
// succeeded.
template <class Step>
bool RetryStep(bool& abort, const std::string& action, int helpContext, Step&& step) {
  while (!abort) {
    try {
      step();
      return true;
    } catch (...) {
      abort = abort || Error().AskRetry(action, helpContext);
    }
  }
  return false;
}

// A close step: tried once even after an abort, so that the file is released;
// its retries (and so its question) run only while abort is not set.
template <class Step>
bool RetryCloseStep(bool& abort, const std::string& action, int helpContext, Step&& step) {
  for (;;) {
    try {
      step();
      return true;
    } catch (...) {
      if (abort) return false;
      abort = Error().AskRetry(action, helpContext);
    }
    if (abort) return false;
  }
}

}  // namespace core
