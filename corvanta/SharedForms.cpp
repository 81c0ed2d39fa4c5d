#include "corvanta/SharedForms.h"

#include "core/MainWindow.h"

namespace corvanta {

DialogServices ServicesOf(core::TMainWindow& window) {
  DialogServices services;
  services.openInBrowser = [&window](const std::string& page) { return window.OpenInBrowser(page); };
  services.selectFile = [&window](const std::string& title, const std::string& filter, std::string& file) {
    return window.SelectFile(title, file, filter, file);
  };
  return services;
}

DialogServices ServicesOf(core::DeferredMainWindow& host) {
  DialogServices services;
  services.openInBrowser = [&host](const std::string& page) { return host.Window().OpenInBrowser(page); };
  services.selectFile = [&host](const std::string& title, const std::string& filter, std::string& file) {
    return host.Window().SelectFile(title, file, filter, file);
  };
  return services;
}

}  // namespace corvanta
