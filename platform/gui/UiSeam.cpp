#include "platform/gui/UiSeam.h"

#include <windows.h>

#include <cstddef>
#include <deque>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/Blanks.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"

namespace platform {

namespace {

constexpr unsigned kAnswerButtons = mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore | mbAll;
// The log's answer for a press of a box's Help button, which leaves the box open.
constexpr int kHelpPressed = 9;

struct ScriptLine {
  int number = 0;  // line number in the file, for the error messages
  std::string text;
};

// What was read from the environment, once per process (or per ResetUiScript).
struct ScriptState {
  bool loaded = false;
  bool scripted = false;  // QUARVELIN_UI_SCRIPT was set: never show a real dialog
  std::string scriptPath;
  std::string logPath;
  std::deque<ScriptLine> answers;
  std::vector<std::string> pendingErrors;  // logged with the next interaction
};

UiResponder* g_responder = nullptr;

ScriptState& State() {
  static ScriptState state;
  return state;
}

std::optional<std::string> Environment(const char* name) {
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) return std::nullopt;
  std::string value(size, '\0');
  const DWORD n = GetEnvironmentVariableA(name, value.data(), size);
  if (n == 0 || n >= size) return std::nullopt;
  value.resize(n);
  if (value.empty()) return std::nullopt;
  return value;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string data;
  char buffer[4096];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(h, buffer, sizeof buffer, &got, nullptr)) && got > 0) data.append(buffer, got);
  CloseHandle(h);
  if (!ok) return std::nullopt;
  return data;
}

void LoadScript(ScriptState& st) {
  auto data = ReadWholeFile(st.scriptPath);
  if (!data) {
    // An unreadable script must not turn into real dialogs nobody answers.
    st.pendingErrors.push_back("cannot read the answer script " + st.scriptPath);
    return;
  }
  int number = 0;
  std::size_t pos = 0;
  while (pos < data->size()) {
    std::size_t end = data->find_first_of("\r\n", pos);
    if (end == std::string::npos) end = data->size();
    ++number;
    const std::string_view line = TrimmedView(std::string_view(*data).substr(pos, end - pos), IsBlankOrLineBreak);
    if (!line.empty() && line.front() != '#') st.answers.push_back({number, std::string(line)});
    pos = end + 1;
    if ((*data)[end] == '\r' && pos < data->size() && (*data)[pos] == '\n') ++pos;
  }
}

ScriptState& Loaded() {
  ScriptState& st = State();
  if (!st.loaded) {
    st = ScriptState{};
    st.loaded = true;
    if (auto log = Environment("QUARVELIN_UI_LOG")) st.logPath = *log;
    if (auto script = Environment("QUARVELIN_UI_SCRIPT")) {
      st.scripted = true;
      st.scriptPath = *script;
      LoadScript(st);
    }
  }
  return st;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::optional<int> ResultFromWord(std::string_view word) {
  static constexpr std::pair<std::string_view, int> kWords[] = {
      {"OK", mrOk},     {"Cancel", mrCancel}, {"Yes", mrYes},     {"No", mrNo},
      {"Abort", mrAbort}, {"Retry", mrRetry}, {"Ignore", mrIgnore}, {"All", mrAll},
      {"Ja", mrYes},    {"Nein", mrNo},       {"Abbrechen", mrCancel},
  };
  for (const auto& [name, result] : kWords) {
    if (SameWord(word, name)) return result;
  }
  return std::nullopt;
}

const char* ResultName(int result) {
  switch (result) {
    case mrNone: return "None";
    case mrOk: return "OK";
    case mrCancel: return "Cancel";
    case mrAbort: return "Abort";
    case mrRetry: return "Retry";
    case mrIgnore: return "Ignore";
    case mrYes: return "Yes";
    case mrNo: return "No";
    case mrAll: return "All";
    case kHelpPressed: return "Help";
    default: return "?";
  }
}

unsigned ButtonOf(int result) {
  switch (result) {
    case mrOk: return mbOK;
    case mrCancel: return mbCancel;
    case mrAbort: return mbAbort;
    case mrRetry: return mbRetry;
    case mrIgnore: return mbIgnore;
    case mrYes: return mbYes;
    case mrNo: return mbNo;
    case mrAll: return mbAll;
    default: return 0;
  }
}

int ResultOf(unsigned button) {
  switch (button) {
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbAll: return mrAll;
    default: return mrNone;
  }
}

// A box without answer buttons shows OK (see MessageDlg).
unsigned AnswerButtons(unsigned buttons) {
  const unsigned answers = buttons & kAnswerButtons;
  return answers ? answers : mbOK;
}

bool SingleButton(unsigned answers) { return answers != 0 && (answers & (answers - 1)) == 0; }

std::string Unescape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      switch (s[i + 1]) {
        case '|': out += '|'; ++i; continue;
        case '\\': out += '\\'; ++i; continue;
        case 'r': out += '\r'; ++i; continue;
        case 'n': out += '\n'; ++i; continue;
        case 't': out += '\t'; ++i; continue;
        default: break;
      }
    }
    out += s[i];
  }
  return out;
}

// Splits at the "|" that are not escaped; the parts keep their escapes.
std::vector<std::string_view> SplitAnswer(std::string_view line) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\') {
      ++i;
    } else if (line[i] == '|') {
      parts.push_back(line.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(line.substr(start));
  return parts;
}

struct ScriptAnswer {
  int result = mrCancel;
  std::string error;  // not empty: the line did not fit the request
};

std::string LineRef(const ScriptLine& line) {
  return "answer script line " + std::to_string(line.number) + " \"" + line.text + "\"";
}

ScriptAnswer AnswerMessageBox(const ScriptLine& line, const UiRequest& request) {
  const auto parts = SplitAnswer(line.text);
  if (parts.size() > 1) return {GiveUpAnswer(request), LineRef(line) + ": a message box takes no assignments"};
  const auto result = ResultFromWord(TrimmedView(parts[0], IsBlankOrLineBreak));
  if (!result) return {GiveUpAnswer(request), LineRef(line) + ": not a result word"};
  const unsigned answers = AnswerButtons(request.buttons);
  if (answers & ButtonOf(*result)) return {*result, {}};
  // Cancel without a Cancel button stands for closing the box, as Esc does.
  if (*result == mrCancel) return {SingleButton(answers) ? ResultOf(answers) : mrCancel, {}};
  return {GiveUpAnswer(request), LineRef(line) + ": the message box has no such button"};
}

ScriptAnswer AnswerModalForm(const ScriptLine& line, UiRequest& request) {
  const auto parts = SplitAnswer(line.text);
  const auto result = ResultFromWord(TrimmedView(parts[0], IsBlankOrLineBreak));
  if (!result) return {mrCancel, LineRef(line) + ": not a result word"};
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::string_view assignment = parts[i];
    const std::size_t eq = assignment.find('=');
    if (eq == std::string_view::npos) return {mrCancel, LineRef(line) + ": an assignment needs name=value"};
    const std::string name(TrimmedView(assignment.substr(0, eq), IsBlankOrLineBreak));
    if (!request.form) return {mrCancel, LineRef(line) + ": no form to assign " + name + " to"};
    if (!request.form->SetControlValue(name, Unescape(assignment.substr(eq + 1)))) {
      return {mrCancel, LineRef(line) + ": the form has no control " + name + " that takes a value"};
    }
  }
  return {*result, {}};
}

ScriptAnswer AnswerFileDialog(const ScriptLine& line, UiRequest& request) {
  const auto result = ResultFromWord(line.text);
  if (result == mrCancel) return {mrCancel, {}};
  request.fileName = line.text;
  return {mrOk, {}};
}

const char* KindName(UiKind kind) {
  switch (kind) {
    case UiKind::MessageBox: return "MessageBox";
    case UiKind::ModalForm: return "ModalForm";
    case UiKind::FileDialog: return "FileDialog";
  }
  return "?";
}

std::string EscapeField(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  return out;
}

void AppendToLog(const std::string& path, const std::string& lines) {
  HANDLE h = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  // The log is a witness, not part of the program's work: a log that cannot
  // be written must not stop the interaction.
  if (h == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(h, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
  CloseHandle(h);
}

void LogInteraction(ScriptState& st, const UiRequest& request, int answer) {
  if (st.logPath.empty()) {
    st.pendingErrors.clear();
    return;
  }
  std::string lines;
  for (const auto& error : st.pendingErrors) lines += "ScriptError\t" + EscapeField(error) + "\r\n";
  st.pendingErrors.clear();
  std::string answerText;
  if (request.kind == UiKind::FileDialog) {
    answerText = answer == mrOk ? request.fileName : ResultName(mrCancel);
  } else {
    answerText = ResultName(answer);
  }
  const std::string& text = request.kind == UiKind::FileDialog ? request.filter : request.text;
  lines += std::string(KindName(request.kind)) + '\t' + EscapeField(request.caption) + '\t' + EscapeField(text) +
           '\t' + std::to_string(request.helpContext) + '\t' + EscapeField(answerText) + "\r\n";
  AppendToLog(st.logPath, lines);
}

}  // namespace

void SetUiResponder(UiResponder* responder) { g_responder = responder; }

UiResponder* CurrentUiResponder() { return g_responder; }

int GiveUpAnswer(const UiRequest& request) {
  if (request.kind != UiKind::MessageBox) return mrCancel;
  const unsigned answers = AnswerButtons(request.buttons);
  if (answers & mbCancel) return mrCancel;
  if (answers & mbNo) return mrNo;
  if (SingleButton(answers)) return ResultOf(answers);
  return mrCancel;
}

void ResetUiScript() { State() = ScriptState{}; }

int RunModal(UiRequest& request, const std::function<int(UiRequest&)>& show) {
  ScriptState& st = Loaded();
  int answer = mrCancel;
  if (g_responder) {
    answer = g_responder->Answer(request);
  } else if (st.scripted) {
    // "Help" presses the box's Help button: the help handler runs, and the
    // box waits for the next answer.
    while (request.kind == UiKind::MessageBox && (request.buttons & mbHelp) && !st.answers.empty() &&
           (SameWord(st.answers.front().text, "Help") || SameWord(st.answers.front().text, "Hilfe"))) {
      st.answers.pop_front();
      LogInteraction(st, request, kHelpPressed);
      App().HelpContext(request.helpContext);
    }
    if (st.answers.empty()) {
      answer = GiveUpAnswer(request);
    } else {
      const ScriptLine line = std::move(st.answers.front());
      st.answers.pop_front();
      ScriptAnswer scripted;
      switch (request.kind) {
        case UiKind::MessageBox: scripted = AnswerMessageBox(line, request); break;
        case UiKind::ModalForm: scripted = AnswerModalForm(line, request); break;
        case UiKind::FileDialog: scripted = AnswerFileDialog(line, request); break;
      }
      if (!scripted.error.empty()) st.pendingErrors.push_back(std::move(scripted.error));
      answer = scripted.result;
    }
  } else if (show) {
    answer = show(request);
  } else {
    answer = GiveUpAnswer(request);
  }
  LogInteraction(st, request, answer);
  return answer;
}

}  // namespace platform
