#include "pellinova/SuchformularKopieren.h"

#include <climits>

#include "core/Hilfsmittel.h"
#include "core/Texts.h"
#include "core/hinweis.h"
#include "pellinova/TextNumbers.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/Clock.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"

namespace pellinova {

namespace {

// The kinds of file a search form is made of, in the order they are copied.
constexpr const char* kTemplateMasks[] = {"*.htm", "*.html", "*.gif", "*.jpg", "*.js"};

}  // namespace

std::int32_t IndexFileSize(const TProjekt& project) {
  try {
    platform::TFile file;
    file.OpenRead(project.GetZielVerzeichnis() + "\\" + project.GetJavascriptDatei());
    const std::int64_t size = file.Size();
    return size > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(size);
  } catch (const platform::EInOutError&) {
    return 0;
  }
}

void CopyRemainingTemplateFiles(const TProjekt& project, bool& abort) {
  core::THinweisDlg window;
  window.SetCaption(core::LoadStr(core::Txt::ProgramTitle) + txt::Load(txt::kCapCopyRest));
  window.HideTimeLabels();
  window.StartTime = platform::Now();
  window.Show();

  platform::TStringList files;
  files.SetSorted(true);
  for (const char* mask : kTemplateMasks) core::Dir().FindFiles(project.GetVorlagenVerzeichnis(), mask, files, false, false);
  // The template of the database is not the database.
  for (int i = files.Count() - 1; i >= 0; --i) {
    if (platform::SameText(platform::ExtractFileName(files[i]), project.GetJavascriptDatei())) files.Delete(i);
  }
  for (int i = 0; i < files.Count() && !abort; ++i) {
    const std::string destination = project.GetZielVerzeichnis() + "\\" + platform::ExtractFileName(files[i]);
    // Nothing is copied onto itself, and nothing the target folder has
    // already is overwritten.
    if (destination == files[i] || platform::FileExists(destination)) continue;
    core::File().CopyFileWithProgress(window, files[i], destination, abort);
  }
}

}  // namespace pellinova
