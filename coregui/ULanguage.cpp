#include "coregui/ULanguage.h"

#include <exception>

#include "platform/base/Registry.h"
#include "platform/base/Resources.h"
#include "platform/gui/Form.h"

namespace core {

namespace {

// Last two characters of the registry's locale value -> the language.
struct LocaleRow {
  const char* code;
  LCID lcid;
};
constexpr LocaleRow kLocales[] = {
    {"09", 1033},  // English
    {"0C", 1036},  // French
    {"07", 1031},  // German
    {"1D", 1053},  // Swedish
    {"13", 1043},  // Dutch
    {"10", 1040},  // Italian
    {"16", 2070},  // Portuguese
    {"0A", 1034},  // Spanish
};

std::string AbbreviatedLanguageName(LCID lcid) {
  // 0 would be read as the user's default language; it names no language.
  if (lcid == 0) return {};
  char buf[16] = {};
  if (GetLocaleInfoA(lcid, LOCALE_SABBREVLANGNAME, buf, sizeof buf) <= 0) return {};
  return buf;
}

HMODULE LoadDataFile(const std::string& path) {
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

}  // namespace

TLanguage::~TLanguage() {
  if (!module_) return;
  if (platform::ResourceSource() == module_) platform::SetResourceSource(nullptr);
  FreeLibrary(module_);
}

int TLanguage::DetectLanguage(LCID defaultLcid) {
  if (defaultLcid == 0) return 0;
  const std::string locale =
      platform::ReadRegString(HKEY_CURRENT_USER, "Control Panel\\International", "Locale").value_or(std::string());
  if (locale.empty()) return SwitchLanguage(defaultLcid);
  std::string code = locale.size() > 2 ? locale.substr(locale.size() - 2) : locale;
  for (char& c : code)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  int result = 1;
  for (const auto& row : kLocales)
    if (code == row.code) result = SwitchLanguage(row.lcid);
  if (result == 1) result = SwitchLanguage(defaultLcid);
  return result;
}

int TLanguage::SwitchLanguage(LCID lcid) {
  HMODULE module = LoadLanguageModule(lcid);
  if (!module) return 1;
  platform::SetResourceSource(module);
  if (module_) FreeLibrary(module_);
  module_ = module;
  ReloadForms();
  locale_ = lcid;
  return 0;
}

HMODULE TLanguage::LoadLanguageModule(LCID lcid) const {
  char buf[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
  const std::string program(buf, n < MAX_PATH ? n : MAX_PATH);
  const std::string abbreviation = AbbreviatedLanguageName(lcid);
  const size_t dot = program.rfind('.');
  if (dot == std::string::npos || abbreviation.empty()) return nullptr;
  const std::string stem = program.substr(0, dot + 1);
  if (HMODULE m = LoadDataFile(stem + abbreviation)) return m;
  return LoadDataFile(stem + abbreviation.substr(0, 2));
}

void TLanguage::ReloadForms() {
  for (platform::Form* form : platform::ScreenForms()) {
    // A stored layout of the module that does not parse leaves that form in
    // the language it had; the others are switched all the same.
    try {
      form->ReadLayout();
    } catch (const std::exception&) {
    }
  }
}

}  // namespace core
