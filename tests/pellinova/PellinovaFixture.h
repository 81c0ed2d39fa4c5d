#pragma once
// A Pellinova project over a folder of pages in a fresh test folder: the
// source folder "site", the target folder "site\suche" and a template with
// the three marker lines.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/Vorlage.h"
#include "coregui/hinweis.h"
#include "pellinova/LocalPageSource.h"
#include "pellinova/indexErzeugen.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/Clock.h"
#include "platform/base/Files.h"
#include "tests/platform/BaseTestFolder.h"

namespace pellinova_test {

constexpr platform::TDateTime kRunTime = 45292.5;  // the date lines are predictable

inline const std::string kTemplate =
    "// Suche\r\n"
    "// Pellinova: Konstanten\r\n"
    "// Pellinova: Glossar\r\n"
    "// Pellinova: Array\r\n"
    "// Ende\r\n";

class PellinovaFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetClockForTest([] { return kRunTime; });
    core::ResetTemplateDescriptor();
    platform::ForceDirectories(templateDir_);
    platform::ForceDirectories(targetDir_);
    platform::WriteFileBytes(templateDir_ + "\\suche.js", kTemplate);
  }
  void TearDown() override {
    project_.reset();
    platform::SetClockForTest({});
    core::ResetTemplateDescriptor();
  }

  void Page(const std::string& path, const std::string& html) {
    platform::ForceDirectories(platform::ExtractFilePath(siteDir_ + "\\" + path));
    platform::WriteFileBytes(siteDir_ + "\\" + path, html);
  }

  // A project over the given pages (relative paths), with extra settings.
  pellinova::TProjekt& Open(const std::vector<std::string>& pages, const std::string& settings = "") {
    std::string ini = "[Einstellungen]\r\nAnzahlEintraege=" + std::to_string(pages.size()) +
                      "\r\nHTMLVerzeichnis=" + siteDir_ + "\r\nZielVerzeichnis=" + targetDir_ +
                      "\r\nVorlagenVerzeichnis=" + templateDir_ + "\r\nStopwortListeVerwenden=0\r\n" + settings +
                      "[Dateien]\r\n";
    for (size_t i = 0; i < pages.size(); ++i) ini += std::to_string(i + 1) + "=" + pages[i] + "\r\n";
    return OpenFile(ini);
  }

  pellinova::TProjekt& OpenFile(const std::string& ini) {
    project_.reset();
    std::string name = std::to_string(++projects_);
    name += ".lvq";
    const std::string path = folder_ / name;
    platform::WriteFileBytes(path, ini);
    bool failed = false;
    project_ = std::make_unique<pellinova::TProjekt>(path, failed);
    EXPECT_FALSE(failed);
    return *project_;
  }

  // One run as the batch mode starts it; returns the abort flag.
  bool Run() {
    project_->ClearRunData();
    core::THinweisDlg window;
    window.Show();
    pellinova::LocalPageSource source(*project_);
    pellinova::tJavascript js(*project_, source, nullptr, true, nullptr);
    bool abort = false;
    js.Generate(window, abort);
    return abort;
  }

  std::string Target(const std::string& name) const { return platform::ReadFileBytes(targetDir_ + "\\" + name); }

  BaseTestFolder folder_;
  std::string siteDir_ = folder_ / "site";
  std::string targetDir_ = folder_ / "site\\suche";
  std::string templateDir_ = folder_ / "vorlage";
  std::unique_ptr<pellinova::TProjekt> project_;
  int projects_ = 0;
};

}  // namespace pellinova_test
