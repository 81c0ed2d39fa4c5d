// Stand-in for Winword ("Word.Application"), text by antiword or catdoc.
#include <memory>

#include "tessarel/Clipboard.h"
#include "tessarel/StandInServers.h"
#include "tessarel/StandInTool.h"

namespace tessarel::standin {

namespace {

// wdMainTextStory: the tools give the document's text as one story.
constexpr int32_t kMainTextStory = 1;

struct WordState {
  std::string antiword;  // tool paths; "" for one that is not installed
  std::string catdoc;
  bool open = false;
  std::string text;
  std::string selection;
};
using State = std::shared_ptr<WordState>;

// antiword reads most Word files, but refuses some short ones; catdoc is the
// second try.
std::string ExtractText(const WordState& word, const std::string& path) {
  ToolResult result;
  std::string tool;
  if (!word.antiword.empty()) {
    tool = word.antiword;
    result = RunTool(tool, {"-m", "UTF-8.txt", "-w", "0"}, path, {}, kToolTimeoutSeconds);
  }
  if (result.exitCode != 0 && !word.catdoc.empty()) {
    tool = word.catdoc;
    result = RunTool(tool, {"-d", "utf-8", "-w"}, path, {}, kToolTimeoutSeconds);
  }
  if (result.exitCode != 0) throw EAutomation(ToolFailure(tool, result));
  return ClipboardFromUtf8(result.output);
}

class Selection : public StandInObject {
 public:
  explicit Selection(State s) {
    AddMethod("copy", [s](const Args&) {
      SetClipboardText(s->selection);
      return AutoValue();
    });
  }
};

class Range : public StandInObject {
 public:
  explicit Range(State s) {
    AddMethod("select", [s](const Args&) {
      s->selection = s->text;
      return AutoValue();
    });
    // The only story has no successor.
    AddMethod("nextStoryRange", [](const Args&) { return AutoValue(); });
  }
};

class StoryRanges : public StandInObject {
 public:
  explicit StoryRanges(State s) {
    AddMethod("item", [s](const Args& a) {
      if (Arg(a, 0).AsInt() != kMainTextStory) ThrowBadIndex();
      return AutoValue(AutoRef(std::make_shared<Range>(s)));
    });
  }
};

class Document : public StandInObject {
 public:
  explicit Document(State s) {
    AddMethod("storyRanges", [s](const Args&) { return AutoValue(AutoRef(std::make_shared<StoryRanges>(s))); });
  }
};

class Documents : public StandInObject {
 public:
  explicit Documents(State s) {
    AddMethod("open", [s](const Args& a) {
      s->text = ExtractText(*s, Arg(a, 0).AsText());
      s->open = true;
      return AutoValue(AutoRef(std::make_shared<Document>(s)));
    });
    AddMethod("close", [s](const Args&) {
      s->open = false;
      s->text.clear();
      s->selection.clear();
      return AutoValue();
    });
  }
};

class WordApplication : public StandInObject {
 public:
  explicit WordApplication(State s) {
    AddMethod("documents", [s](const Args&) { return AutoValue(AutoRef(std::make_shared<Documents>(s))); });
    AddMethod("activeDocument", [s](const Args&) {
      if (!s->open) ThrowNoDocument();
      return AutoValue(AutoRef(std::make_shared<Document>(s)));
    });
    AddMethod("selection", [s](const Args&) { return AutoValue(AutoRef(std::make_shared<Selection>(s))); });
    AddMethod("quit", [s](const Args&) {
      s->open = false;
      return AutoValue();
    });
  }
};

}  // namespace

AutoRef CreateWordApplication() {
  auto state = std::make_shared<WordState>();
  state->antiword = FindTool("antiword");
  state->catdoc = FindTool("catdoc");
  if (state->antiword.empty() && state->catdoc.empty()) RequireTool("antiword");
  return std::make_shared<WordApplication>(state);
}

}  // namespace tessarel::standin
