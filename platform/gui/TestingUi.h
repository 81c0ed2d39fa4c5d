#pragma once
// A scripted stand-in for the user, for unit tests: it answers the seam's
// interactions from a queue and records every request for assertions.
//
//   platform::ScriptedUi ui;            // installed until it goes out of scope
//   ui.Push(platform::mrYes);
//   ui.Push([](platform::UiRequest& r) { r.fileName = "C:\\a.txt"; return platform::mrOk; });
//   ... code under test ...
//   EXPECT_EQ(ui.Requests().at(0).caption, "Fehler");
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/gui/UiSeam.h"

namespace platform {

class ScriptedUi : public UiResponder {
 public:
  using Handler = std::function<int(UiRequest&)>;

  struct Record {
    UiKind kind = UiKind::MessageBox;
    std::string caption;
    std::string text;
    int helpContext = 0;
    unsigned buttons = 0;
    std::string fileName;  // file dialog: the name proposed
    int answer = 0;
    bool ranDry = false;   // the queue was empty: answered by giving up
  };

  // Installs itself as the seam's responder; the destructor puts back the one before.
  ScriptedUi();
  ~ScriptedUi() override;
  ScriptedUi(const ScriptedUi&) = delete;
  ScriptedUi& operator=(const ScriptedUi&) = delete;

  // The next answer: a modal result, or a handler that may also fill the form
  // or set the file name before it returns the result.
  void Push(int result);
  void Push(Handler handler);

  const std::vector<Record>& Requests() const { return records_; }
  // Whether some interaction found the queue empty.
  bool RanDry() const { return ranDry_; }
  std::size_t Pending() const { return queue_.size(); }

  int Answer(UiRequest& request) override;

 private:
  UiResponder* previous_;
  std::deque<Handler> queue_;
  std::vector<Record> records_;
  bool ranDry_ = false;
};

}  // namespace platform
