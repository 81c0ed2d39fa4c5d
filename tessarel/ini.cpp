#include "tessarel/ini.h"

#include "tessarel/projektVerwaltung.h"

namespace tessarel {

namespace {
TIni* g_settings = nullptr;
}  // namespace

TIni* Settings() { return g_settings; }

TIni::TIni(const std::string& fileName, bool firstRun, core::TLanguage& language, core::SettingsUi& ui)
    : core::TIni(fileName, firstRun, language, ui, [] { ReloadProjekt(DialogProjectFile()); }) {
  g_settings = this;
}

TIni::~TIni() {
  if (g_settings == this) g_settings = nullptr;
}

}  // namespace tessarel
