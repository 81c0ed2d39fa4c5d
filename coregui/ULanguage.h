#pragma once
// The language switch. The program's own texts and forms are German; another
// language comes from a language module beside the program: a resource-only
// file named like the program with the language's abbreviation as extension
// ("corvanta.ENU", or the two-letter "corvanta.EN"). Switching makes the module
// the source of every later text and form, and re-reads the forms on the
// screen from it.
#include <windows.h>

#include <string>

namespace core {

class TLanguage {
 public:
  TLanguage() = default;
  // Gives the program's own resources back and releases the module.
  ~TLanguage();
  TLanguage(const TLanguage&) = delete;
  TLanguage& operator=(const TLanguage&) = delete;

  // Picks the module for the user's Windows locale (the registry value
  // "Locale" below HKCU "Control Panel\International"), falling back to
  // defaultLcid. 0 when a module was switched in, 1 when none; a default of
  // 0 does nothing and gives 0.
  int DetectLanguage(LCID defaultLcid);
  // 0 when switched; 1 when no module loads, and then nothing changes.
  int SwitchLanguage(LCID lcid);
  // The language switched in last; 0 until one was.
  LCID GetLocaleId() const { return locale_; }

 private:
  HMODULE LoadLanguageModule(LCID lcid) const;
  static void ReloadForms();

  LCID locale_ = 0;
  HMODULE module_ = nullptr;
};

}  // namespace core
