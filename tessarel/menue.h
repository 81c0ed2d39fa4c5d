#pragma once
// Tessarel's main window. It owns the project in interactive use: its
// creation creates and loads "dialog.tzn", its destruction frees the project
// without saving. It is also what the settings ask for a file or for the end
// of the program.
#include <exception>
#include <functional>
#include <string>

#include "platform/gui/Form.h"
#include "tessarel/ini.h"

namespace tessarel {

class TBrisoltHauptmenue : public platform::Form, public SettingsHost {
 public:
  TBrisoltHauptmenue();
  ~TBrisoltHauptmenue() override;

  // The shared file dialog: the filter gets the all-files entry (the Unix
  // form of it when the browser is a Unix program). Dismissed: result is
  // the initial path and cancelled is set.
  void SelectFile(const std::string& title, const std::string& initialPath, std::string& result, bool& cancelled,
                  const std::string& filter);

  // SettingsHost.
  bool SelectFile(const std::string& title, const std::string& initialFile, const std::string& filter,
                  std::string& fileName) override;
  int RunFirstRunDialog(TIni& settings) override;
  void TerminateApplication() override;

 private:
  void FormCreate();
  void AppException(const std::exception& e);

  // Stands in for the first-run dialog until it is built.
  StandInSettingsHost firstRun_;
  // The handler before this window's, back when the window goes.
  std::function<void(const std::exception&)> previousHandler_;
};

}  // namespace tessarel
