// Tessarel's project file: any bytes loaded as a project file, saved over
// themselves and loaded again must give the same settings, and a second save
// the same text.
#include <string>

#include "FuzzCheck.h"
#include "tessarel/ProjectFile.h"

namespace {

using tessarel::ProjectSettings;

// Folders exist by a rule of their own (the drive always), so that both
// branches of each folder key are taken.
bool DirExists(const std::string& path) { return path == "C:" || path.size() % 3 != 0; }

ProjectSettings Load(const platform::TIniFile& ini) {
  ProjectSettings s;
  tessarel::ReadProjectSettings(ini, s, "C:\\Programme\\Quarvelin\\", DirExists);
  return s;
}

void Save(platform::TIniFile& ini, const ProjectSettings& s) {
  tessarel::WriteProjectSettings(ini, s);
  tessarel::WriteFrameSettings(ini, s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::TIniFile ini = platform::TIniFile::FromText(std::string(reinterpret_cast<const char*>(data), size));
  const ProjectSettings loaded = Load(ini);
  Save(ini, loaded);
  const std::string saved = ini.Text();
  platform::TIniFile again = platform::TIniFile::FromText(saved);
  const ProjectSettings reloaded = Load(again);
  if (!(reloaded == loaded)) FuzzDump("saved", saved);
  FUZZ_CHECK(reloaded == loaded);
  Save(again, reloaded);
  FUZZ_CHECK(again.Text() == saved);
  return 0;
}
