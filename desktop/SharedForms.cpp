#include "desktop/SharedForms.h"

#include <functional>

#include "coregui/MainWindow.h"

namespace desktop {

namespace {

// The services of the window that window() gives when a form asks.
DialogServices ServicesOfWindow(std::function<core::TMainWindow&()> window) {
  DialogServices services;
  services.openInBrowser = [window](const std::string& page) { return window().OpenInBrowser(page); };
  services.selectFile = [window](const std::string& title, const std::string& filter, std::string& file) {
    return window().SelectFile(title, file, filter, file);
  };
  return services;
}

}  // namespace

DialogServices ServicesOf(core::TMainWindow& window) {
  return ServicesOfWindow([&window]() -> core::TMainWindow& { return window; });
}

DialogServices ServicesOf(core::DeferredMainWindow& host) {
  return ServicesOfWindow([&host]() -> core::TMainWindow& { return host.Window(); });
}

}  // namespace desktop
