// Stand-in for Acrobat ("AcroExch.App", "AcroExch.AVDoc"), text by pdftotext.
#include <set>

#include "tessarel/Clipboard.h"
#include "tessarel/StandInServers.h"
#include "tessarel/StandInTool.h"

namespace tessarel::standin {

namespace {

// Acrobat runs once per machine: the application object and the documents
// share one state, and the menu commands act on the document opened last.
struct AcrobatState {
  bool open = false;
  std::string text;  // the open document's text, as Acrobat copies it
  bool selected = false;
  std::set<std::string> marked;  // menu items that are ticked
};

AcrobatState& Acrobat() {
  static AcrobatState state;
  return state;
}

class AcrobatApp : public StandInObject {
 public:
  AcrobatApp() {
    AddMethod("menuItemIsMarked", [](const Args& a) { return AutoValue(Acrobat().marked.count(LowerName(Arg(a, 0).AsText())) > 0); });
    AddMethod("menuItemExecute", [](const Args& a) {
      AcrobatState& s = Acrobat();
      const std::string item = LowerName(Arg(a, 0).AsText());
      if (item == "selecttext" || item == "onecolumn") {
        s.marked.insert(item);
      } else if (item == "selectall") {
        s.selected = s.open;
      } else if (item == "copy") {
        // A document without text copies nothing: the clipboard keeps what
        // it held.
        if (s.open && s.selected && !s.text.empty()) SetClipboardText(s.text);
      }
      return AutoValue(true);
    });
  }
};

class AcrobatAVDoc : public StandInObject {
 public:
  explicit AcrobatAVDoc(std::string tool) {
    AddMethod("open", [tool](const Args& a) {
      AcrobatState& s = Acrobat();
      s = AcrobatState{false, {}, false, s.marked};
      const ToolResult r = RunTool(tool, {"-q", "-enc", "UTF-8"}, Arg(a, 0).AsText(), {"-"}, kToolTimeoutSeconds);
      // Acrobat answers a document it cannot read with false, not an error.
      if (r.exitCode != 0) return AutoValue(false);
      s.open = true;
      s.text = ClipboardFromUtf8(r.output);
      return AutoValue(true);
    });
    AddMethod("close", [](const Args&) {
      AcrobatState& s = Acrobat();
      s = AcrobatState{false, {}, false, s.marked};
      return AutoValue(true);
    });
  }
};

}  // namespace

AutoRef CreateAcrobatApp() {
  RequireTool("pdftotext");
  return std::make_shared<AcrobatApp>();
}

AutoRef CreateAcrobatAVDoc() { return std::make_shared<AcrobatAVDoc>(RequireTool("pdftotext")); }

}  // namespace tessarel::standin
