// Stand-in for Powerpoint ("PowerPoint.Application"), text by catppt.
#include <memory>

#include "tessarel/Clipboard.h"
#include "tessarel/StandInServers.h"
#include "tessarel/StandInTool.h"

namespace tessarel::standin {

namespace {

struct PowerPointState {
  std::string tool;
  bool open = false;
  std::string text;  // the outline of all slides
  std::string selection;
};
using State = std::shared_ptr<PowerPointState>;

class Selection : public StandInObject {
 public:
  explicit Selection(State s) {
    AddMethod("copy", [s](const Args&) {
      SetClipboardText(s->selection);
      return AutoValue();
    });
  }
};

class Window : public StandInObject {
 public:
  explicit Window(State s) {
    AddSetter("viewType", [](const AutoValue&) {});
    AddMethod("selection", [s](const Args&) { return AutoValue(AutoRef(std::make_shared<Selection>(s))); });
  }
};

class SlideRange : public StandInObject {
 public:
  explicit SlideRange(State s) {
    AddMethod("select", [s](const Args&) {
      s->selection = s->text;
      return AutoValue();
    });
  }
};

class Slides : public StandInObject {
 public:
  explicit Slides(State s) {
    AddMethod("range", [s](const Args&) { return AutoValue(AutoRef(std::make_shared<SlideRange>(s))); });
  }
};

class Presentation : public StandInObject {
 public:
  explicit Presentation(State s) {
    AddMethod("slides", [s](const Args&) { return AutoValue(AutoRef(std::make_shared<Slides>(s))); });
    AddMethod("close", [s](const Args&) {
      s->open = false;
      s->text.clear();
      s->selection.clear();
      return AutoValue();
    });
  }
};

class Presentations : public StandInObject {
 public:
  explicit Presentations(State s) {
    AddMethod("open", [s](const Args& a) {
      const ToolResult r = RunTool(s->tool, {"-d", "utf-8"}, Arg(a, 0).AsText(), {}, kToolTimeoutSeconds);
      if (r.exitCode != 0) throw EAutomation(ToolFailure(s->tool, r));
      s->text = ClipboardFromUtf8(r.output);
      s->open = true;
      return AutoValue(AutoRef(std::make_shared<Presentation>(s)));
    });
  }
};

class PowerPointApplication : public StandInObject {
 public:
  explicit PowerPointApplication(State s) {
    AddSetter("visible", [](const AutoValue&) {});
    AddSetter("windowState", [](const AutoValue&) {});
    AddMethod("presentations", [s](const Args&) { return AutoValue(AutoRef(std::make_shared<Presentations>(s))); });
    AddMethod("activeWindow", [s](const Args&) {
      if (!s->open) ThrowNoDocument();
      return AutoValue(AutoRef(std::make_shared<Window>(s)));
    });
    AddMethod("activePresentation", [s](const Args&) {
      if (!s->open) ThrowNoDocument();
      return AutoValue(AutoRef(std::make_shared<Presentation>(s)));
    });
    AddMethod("quit", [](const Args&) { return AutoValue(); });
  }
};

}  // namespace

AutoRef CreatePowerPointApplication() {
  auto state = std::make_shared<PowerPointState>();
  state->tool = RequireTool("catppt");
  return std::make_shared<PowerPointApplication>(state);
}

}  // namespace tessarel::standin
