// Stand-in for Excel ("Excel.Application"), sheets by xls2csv.
#include <memory>
#include <vector>

#include "tessarel/Clipboard.h"
#include "tessarel/StandInServers.h"
#include "tessarel/StandInTool.h"

namespace tessarel::standin {

namespace {

struct ExcelState {
  std::string tool;
  bool open = false;
  std::vector<std::string> sheets;  // each as Excel copies it: cells by TAB, rows by CR LF
  size_t active = 0;
  std::string selection;
};
using State = std::shared_ptr<ExcelState>;

// xls2csv ends every sheet with a form feed.
std::vector<std::string> SplitSheets(const std::string& utf8) {
  std::vector<std::string> sheets;
  size_t start = 0;
  for (;;) {
    const size_t end = utf8.find('\f', start);
    if (end == std::string::npos) {
      if (start < utf8.size() || sheets.empty()) sheets.push_back(ClipboardFromUtf8(utf8.substr(start)));
      return sheets;
    }
    sheets.push_back(ClipboardFromUtf8(utf8.substr(start, end - start)));
    start = end + 1;
  }
}

size_t SheetIndex(const ExcelState& s, const AutoValue& index) {
  const int32_t i = index.AsInt();
  if (!s.open || i < 1 || static_cast<size_t>(i) > s.sheets.size()) ThrowBadIndex();
  return static_cast<size_t>(i - 1);
}

class Selection : public StandInObject {
 public:
  explicit Selection(State s) {
    AddMethod("copy", [s](const Args&) {
      SetClipboardText(s->selection);
      return AutoValue(true);
    });
  }
};

class Cells : public StandInObject {
 public:
  explicit Cells(State s) {
    AddMethod("select", [s](const Args&) {
      if (!s->open) ThrowNoDocument();
      s->selection = s->sheets[s->active];
      return AutoValue(true);
    });
  }
};

class Worksheet : public StandInObject {
 public:
  Worksheet(State s, size_t index) {
    AddMethod("activate", [s, index](const Args&) {
      s->active = index;
      return AutoValue();
    });
  }
};

class Worksheets : public StandInObject {
 public:
  explicit Worksheets(State s) {
    AddMethod("count", [s](const Args&) { return AutoValue(static_cast<int32_t>(s->sheets.size())); });
    AddMethod("item", [s](const Args& a) {
      return AutoValue(AutoRef(std::make_shared<Worksheet>(s, SheetIndex(*s, Arg(a, 0)))));
    });
  }
};

class Workbook : public StandInObject {
 public:
  explicit Workbook(State s) {
    // worksheets is the collection; worksheets(i) one sheet of it.
    AddMethod("worksheets", [s](const Args& a) {
      if (a.empty()) return AutoValue(AutoRef(std::make_shared<Worksheets>(s)));
      return AutoValue(AutoRef(std::make_shared<Worksheet>(s, SheetIndex(*s, Arg(a, 0)))));
    });
    AddMethod("close", [s](const Args&) {
      s->open = false;
      s->sheets.clear();
      s->selection.clear();
      return AutoValue(true);
    });
  }
};

class Workbooks : public StandInObject {
 public:
  explicit Workbooks(State s) {
    AddMethod("open", [s](const Args& a) {
      const ToolResult r = RunTool(s->tool, {"-d", "utf-8", "-q", "0", "-c", "\t"}, Arg(a, 0).AsText(), {},
                                   kToolTimeoutSeconds);
      if (r.exitCode != 0) throw EAutomation(ToolFailure(s->tool, r));
      s->sheets = SplitSheets(r.output);
      s->active = 0;
      s->open = true;
      return AutoValue(AutoRef(std::make_shared<Workbook>(s)));
    });
  }
};

class ExcelApplication : public StandInObject {
 public:
  explicit ExcelApplication(State s) {
    AddSetter("askToUpdateLinks", [](const AutoValue&) {});
    AddSetter("displayAlerts", [](const AutoValue&) {});
    AddMethod("workbooks", [s](const Args&) { return AutoValue(AutoRef(std::make_shared<Workbooks>(s))); });
    AddMethod("activeWorkbook", [s](const Args&) {
      if (!s->open) ThrowNoDocument();
      return AutoValue(AutoRef(std::make_shared<Workbook>(s)));
    });
    AddMethod("cells", [s](const Args&) { return AutoValue(AutoRef(std::make_shared<Cells>(s))); });
    AddMethod("selection", [s](const Args&) { return AutoValue(AutoRef(std::make_shared<Selection>(s))); });
    AddMethod("quit", [s](const Args&) { return AutoValue(); });
  }
};

}  // namespace

AutoRef CreateExcelApplication() {
  auto state = std::make_shared<ExcelState>();
  state->tool = RequireTool("xls2csv");
  return std::make_shared<ExcelApplication>(state);
}

}  // namespace tessarel::standin
