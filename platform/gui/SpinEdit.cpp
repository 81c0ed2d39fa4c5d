#include "platform/gui/SpinEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>

namespace platform {

namespace {
// Posted to the field when the focus has left it for another control: the
// typed number is committed once the focus has settled, so that a question
// it raises neither comes up inside the focus change nor swallows the click
// that moved the focus.
constexpr UINT kCommitMessage = WM_USER + 0x52;

// A whole number, and nothing else; nothing for any other text.
std::optional<long long> ParseNumber(std::string_view text) {
  long long n = 0;
  const char* begin = text.data();
  if (!text.empty() && text[0] == '+') ++begin;
  const auto [end, ec] = std::from_chars(begin, text.data() + text.size(), n);
  if (ec != std::errc() || end != text.data() + text.size() || begin == end) return std::nullopt;
  return n;
}
}  // namespace

const ControlKind& SpinEdit::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&SpinEdit::SetMinValue>("MinValue"),
      Prop<&SpinEdit::SetMaxValue>("MaxValue"),
      Prop<&SpinEdit::SetStoredNumber>("Value"),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<SpinEdit>};
  return kind;
}

void SpinEdit::Create(const LayoutObject& stored, Component* parent) {
  // WS_CLIPCHILDREN: the field's own drawing never covers the arrows inside it.
  CreateWindowFor({.className = "EDIT",
                   .text = "0",
                   .style = ES_AUTOHSCROLL | WS_TABSTOP | WS_CLIPCHILDREN,
                   .exStyle = WS_EX_CLIENTEDGE,
                   .parent = parent},
                  stored);
  // UDS_ARROWKEYS: the up-down control takes the field's arrow keys. The
  // range of its own stays unused: every step comes to UDN_DELTAPOS below.
  arrows_ = CreateWindowExA(0, UPDOWN_CLASSA, nullptr, WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0,
                            0, 0, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(arrows_, UDM_SETRANGE32, 0, 100);
  SendMessageA(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
  if (!IsWindowEnabled(Handle())) EnableWindow(arrows_, FALSE);
  PlaceArrows();
  FontChanged();
}

void SpinEdit::PlaceArrows() {
  if (!arrows_) return;
  RECT r{};
  GetClientRect(Handle(), &r);
  const int width = std::min<int>(GetSystemMetrics(SM_CXVSCROLL), r.right);
  SetWindowPos(arrows_, nullptr, r.right - width, 0, width, r.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SpinEdit::FontChanged() {
  // A new font resets the margins: the text must stay clear of the arrows.
  const int width = GetSystemMetrics(SM_CXVSCROLL);
  Send(EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width + 1));
}

int SpinEdit::Held(long long number) const {
  return static_cast<int>(std::clamp<long long>(number, min_, std::max(min_, max_)));
}

void SpinEdit::ShowNumber() {
  const std::string text = std::to_string(number_);
  if (!Handle() || ReadText() == text) return;
  writing_ = true;
  WriteText(text);
  writing_ = false;
}

void SpinEdit::SetMinValue(int min) {
  min_ = min;
  number_ = committed_ = Held(number_);
  ShowNumber();
}

void SpinEdit::SetMaxValue(int max) {
  max_ = max;
  number_ = committed_ = Held(number_);
  ShowNumber();
}

void SpinEdit::SetStoredNumber(int number) {
  number_ = committed_ = Held(number);
  ShowNumber();
}

void SpinEdit::SetNumber(int number) {
  const int held = Held(number);
  const bool changed = held != number_;
  number_ = held;
  ShowNumber();
  if (changed && OnChange) OnChange();
  Commit();
}

void SpinEdit::Commit() {
  if (number_ == committed_) return;
  committed_ = number_;
  if (OnCommit) OnCommit();
}

bool SpinEdit::SetValue(const std::string& value) {
  const auto n = ParseNumber(value);
  if (!Handle() || !n) return false;
  SetNumber(Held(*n));
  return true;
}

bool SpinEdit::OnCommand(WORD code) {
  if (code == EN_CHANGE) {
    if (writing_) return true;
    // A text that is no number yet ("", "-") leaves the number as it was.
    const auto typed = ParseNumber(ReadText());
    if (!typed) return true;
    const int held = Held(*typed);
    if (held == number_) return true;
    number_ = held;
    if (OnChange) OnChange();
    return true;
  }
  if (code == EN_KILLFOCUS) {
    ShowNumber();
    return true;
  }
  return false;
}

std::optional<LRESULT> SpinEdit::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KILLFOCUS: {
      // Only a move to another control of the form counts: the focus going
      // to another window (a message box, another program) or away with the
      // closing form leaves the typing unfinished.
      HWND next = reinterpret_cast<HWND>(wParam);
      if (next && next != Handle() && GetAncestor(next, GA_ROOT) == GetAncestor(Handle(), GA_ROOT) &&
          IsWindowVisible(GetAncestor(Handle(), GA_ROOT)))
        PostMessageA(Handle(), kCommitMessage, 0, 0);
      return std::nullopt;
    }
    case kCommitMessage:
      Commit();
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (!header || header->hwndFrom != arrows_ || header->code != UDN_DELTAPOS) return std::nullopt;
      SetNumber(Held(static_cast<long long>(number_) + reinterpret_cast<NMUPDOWN*>(lParam)->iDelta));
      // Refused: the up-down control keeps no number of its own.
      return TRUE;
    }
    case WM_SIZE: {
      const LRESULT result = CallStandard(msg, wParam, lParam);
      PlaceArrows();
      return result;
    }
    case WM_ENABLE:
      // The arrows look disabled with their field.
      EnableWindow(arrows_, static_cast<BOOL>(wParam));
      return std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace platform
