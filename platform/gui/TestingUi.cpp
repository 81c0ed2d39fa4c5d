#include "platform/gui/TestingUi.h"

#include <utility>

namespace platform {

ScriptedUi::ScriptedUi() : previous_(CurrentUiResponder()) { SetUiResponder(this); }

ScriptedUi::~ScriptedUi() {
  if (CurrentUiResponder() == this) SetUiResponder(previous_);
}

void ScriptedUi::Push(int result) {
  queue_.push_back([result](UiRequest&) { return result; });
}

void ScriptedUi::Push(Handler handler) { queue_.push_back(std::move(handler)); }

int ScriptedUi::Answer(UiRequest& request) {
  Record record{request.kind, request.caption, request.text, request.helpContext, request.buttons,
                request.fileName, 0, false};
  if (queue_.empty()) {
    record.ranDry = ranDry_ = true;
    record.answer = GiveUpAnswer(request);
  } else {
    Handler next = std::move(queue_.front());
    queue_.pop_front();
    record.answer = next(request);
  }
  records_.push_back(std::move(record));
  return records_.back().answer;
}

}  // namespace platform
