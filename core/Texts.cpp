#include "core/Texts.h"

#include "platform/base/ResourceStrings.h"

namespace core {

namespace {
std::span<const TextNumber> g_table;

const TextNumber* Entry(Txt id) {
  for (const auto& e : g_table)
    if (e.id == id) return &e;
  return nullptr;
}
}  // namespace

void SetTextTable(std::span<const TextNumber> table) { g_table = table; }

unsigned TextNumberOf(Txt id) {
  const TextNumber* e = Entry(id);
  return e ? e->number : 0;
}

std::string LoadStr(Txt id) {
  const TextNumber* e = Entry(id);
  if (!e) return {};
  return platform::LoadResString(e->number, e->fixed).value_or(std::string());
}

std::string LoadStr(unsigned number) { return platform::LoadResString(number).value_or(std::string()); }

std::string FormatStr(const std::string& format, std::initializer_list<std::string> args) {
  std::string out;
  auto arg = args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      if (format[i + 1] == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (format[i + 1] == 's' || format[i + 1] == 'd') {
        if (arg != args.end()) out += *arg++;
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}

}  // namespace core
