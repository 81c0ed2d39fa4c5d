#include "platform/gui/Memo.h"

#include <algorithm>
#include <stdexcept>

#include "platform/gui/Form.h"

namespace platform {

namespace {
constexpr std::string_view kScrollBars[] = {"none", "vertical", "horizontal", "both"};
}

const ControlKind& Memo::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&Memo::SetLines>("Item"),
      Prop<&Edit::SetReadOnly>("ReadOnly"),
      Prop<&Edit::SetMaxLength>("MaxLength"),
      Prop<&Memo::SetWordWrap>("WordWrap"),
      Prop<&Memo::SetScrollBars>("ScrollBars", kScrollBars),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<Memo>};
  return kind;
}

void Memo::Create(const LayoutObject& stored, Component* parent) {
  // The edit control takes neither word wrap nor scroll bars once it exists.
  wordWrap_ = stored.Bool("WordWrap").value_or(true);
  scrollBars_ = stored.Text("ScrollBars").value_or("none");
  DWORD style = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_TABSTOP;
  if (scrollBars_ == "vertical" || scrollBars_ == "both") style |= WS_VSCROLL;
  if (scrollBars_ == "horizontal" || scrollBars_ == "both") style |= WS_HSCROLL;
  if (!wordWrap_) style |= ES_AUTOHSCROLL;
  CreateWindowFor({.className = "EDIT", .style = style, .exStyle = WS_EX_CLIENTEDGE, .parent = parent}, stored);
}

void Memo::SetWordWrap(bool wordWrap) {
  if (wordWrap != wordWrap_)
    throw std::logic_error("Formular " + Owner().ClassName() + ": " + Name() +
                           ": WordWrap gilt nur beim Anlegen des Fensters");
}

void Memo::SetScrollBars(const std::string& scrollBars) {
  if (scrollBars != scrollBars_)
    throw std::logic_error("Formular " + Owner().ClassName() + ": " + Name() +
                           ": ScrollBars gilt nur beim Anlegen des Fensters");
}

std::vector<std::string> Memo::Lines() const {
  const std::string text = Text();
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

void Memo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  // An empty last line needs its own break, or it would read back as none.
  if (!lines.empty() && lines.back().empty()) text += "\r\n";
  SetText(text);
}

void Memo::Selection(DWORD& start, DWORD& end) const {
  start = end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

int Memo::SelStart() const {
  DWORD start = 0, end = 0;
  Selection(start, end);
  return static_cast<int>(start);
}

int Memo::SelLength() const {
  DWORD start = 0, end = 0;
  Selection(start, end);
  return static_cast<int>(end - start);
}

std::string Memo::SelText() const {
  DWORD start = 0, end = 0;
  Selection(start, end);
  const std::string text = Text();
  if (start >= text.size()) return {};
  return text.substr(start, end - start);
}

void Memo::SetSelStart(int start) {
  Send(EM_SETSEL, static_cast<WPARAM>(start), start);
  Send(EM_SCROLLCARET);
}

void Memo::SetSelLength(int length) {
  const int start = SelStart();
  Send(EM_SETSEL, static_cast<WPARAM>(start), start + std::max(length, 0));
}

void Memo::SetSelText(const std::string& text) {
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::optional<LRESULT> Memo::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_GETDLGCODE) return std::nullopt;
  // The edit control asks for every key; the memo wants Enter only, so that
  // Tab, Shift+Tab and Esc still move on or cancel in the form.
  LRESULT result = CallStandard(msg, wParam, lParam) & ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
  const auto* key = reinterpret_cast<const MSG*>(lParam);
  if (key && (key->message == WM_KEYDOWN || key->message == WM_CHAR) && key->wParam == VK_RETURN)
    result |= DLGC_WANTALLKEYS;
  return result;
}

}  // namespace platform
