#pragma once
// Tessarel's program settings: the core's settings file keeping only the web
// browser (path, parameters, Unix flag), the Wine configuration and the
// language. Every language set, the first one at start-up included, also
// frees the project and loads "dialog.tzn" afresh: the project's texts follow
// the language.
//
// As with the other programs' settings, nothing is written by the
// destructor: the start-up calls SaveSettings at the end of interactive use,
// and a help or batch run leaves the file as it was.
#include <string>

#include "coregui/SettingsHost.h"
#include "coregui/ini.h"

namespace tessarel {

class TIni : public core::TIni {
 public:
  // Binds the settings file (a file that cannot be read gives the defaults).
  // firstRun: the file did not exist before. Becomes Settings().
  TIni(const std::string& fileName, bool firstRun, core::TLanguage& language, core::SettingsUi& ui);
  ~TIni() override;

  // The Unix form of a Windows path, without enclosing quotes.
  std::string ToUnixPath(const std::string& path) const { return Drives().UnixPath(path); }
};

// The settings object while one exists, nullptr otherwise.
TIni* Settings();

}  // namespace tessarel
