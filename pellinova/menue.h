#pragma once
// Pellinova's main window. For now the bare window: it holds the open project
// and answers what the program settings ask of the main window (reopening
// the last project, the file dialog, staying on top, the end of the program).
// Its commands, status pages and wizard are still to come.
#include <exception>
#include <memory>
#include <string>

#include "core/SettingsHost.h"
#include "platform/gui/Form.h"

namespace pellinova {

class TProjekt;

class TMarbelkosteHaupt : public platform::Form, public core::SettingsHost {
 public:
  TMarbelkosteHaupt();
  ~TMarbelkosteHaupt() override;

  TProjekt* Project() const { return project_.get(); }

  // SettingsHost.
  bool ProjectOpen() const override { return project_ != nullptr; }
  std::string ProjectFileName() const override;
  bool ProjectDetailsModus() const override;
  void SetProjectDetailsModus(bool on) override;
  // A name without extension gets ".lvq".
  bool OpenProject(const std::string& fileName) override;
  void CloseProject() override;
  bool SelectFile(const std::string& title, const std::string& initialFile, const std::string& filter,
                  std::string& fileName) override;
  void SetStayOnTop(bool onTop) override;
  void ApplyToolbarLayout(const core::ToolbarLayout& layout) override;
  int RunFirstRunDialog(core::TIni& settings) override;
  void TerminateApplication() override;

 private:
  void FormCreate();
  void AppException(const std::exception& e);

  std::unique_ptr<TProjekt> project_;
  // Stands in for the first-run dialog until it is built.
  core::StandInSettingsHost firstRun_;
};

}  // namespace pellinova
