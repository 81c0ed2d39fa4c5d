#include "platform/base/DdeClient.h"

#include <ddeml.h>

#include <utility>

#include "platform/base/MessagePump.h"
#include "platform/base/Process.h"

namespace platform {

namespace {

// A client is told of little it must act on; it answers nothing.
HDDEDATA CALLBACK ClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// A string handle of the conversation's instance, freed with the object.
class StringHandle {
 public:
  StringHandle(DWORD instance, const std::string& text)
      : instance_(instance), handle_(DdeCreateStringHandleA(instance, text.c_str(), CP_WINANSI)) {}
  ~StringHandle() {
    if (handle_) DdeFreeStringHandle(instance_, handle_);
  }
  StringHandle(const StringHandle&) = delete;
  StringHandle& operator=(const StringHandle&) = delete;
  HSZ get() const { return handle_; }

 private:
  DWORD instance_;
  HSZ handle_;
};

}  // namespace

DdeClientConv::DdeClientConv(std::string serviceApplication) : serviceApplication_(std::move(serviceApplication)) {}

DdeClientConv::~DdeClientConv() {
  CloseLink();
  if (instance_) DdeUninitialize(instance_);
}

bool DdeClientConv::Connect(const std::string& service, const std::string& topic) {
  StringHandle hService(instance_, service);
  StringHandle hTopic(instance_, topic);
  conversation_ = DdeConnect(instance_, hService.get(), hTopic.get(), nullptr);
  return conversation_ != nullptr;
}

bool DdeClientConv::StartServiceApplication() {
  if (started_ || serviceApplication_.empty()) return false;
  started_ = true;
  return StartProgram(serviceApplication_.find(' ') == std::string::npos ? serviceApplication_
                                                                         : "\"" + serviceApplication_ + "\"");
}

bool DdeClientConv::SetLink(const std::string& service, const std::string& topic) {
  CloseLink();
  if (!instance_ &&
      DdeInitializeA(&instance_, ClientCallback, APPCMD_CLIENTONLY | CBF_SKIP_ALLNOTIFICATIONS, 0) != DMLERR_NO_ERROR) {
    instance_ = 0;
    return false;
  }
  if (Connect(service, topic)) return true;
  if (!StartServiceApplication()) return false;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < startTimeoutMs) {
    if (Connect(service, topic)) return true;
    PumpWaitingMessages();
    Sleep(100);
  }
  return false;
}

std::optional<std::string> DdeClientConv::RequestData(const std::string& item) {
  if (!conversation_) return std::nullopt;
  StringHandle hItem(instance_, item);
  DWORD result = 0;
  HDDEDATA data = DdeClientTransaction(nullptr, 0, conversation_, hItem.get(), CF_TEXT, XTYP_REQUEST,
                                       requestTimeoutMs, &result);
  if (!data) return std::nullopt;
  std::string text(DdeGetData(data, nullptr, 0, 0), '\0');
  if (!text.empty()) DdeGetData(data, reinterpret_cast<LPBYTE>(text.data()), static_cast<DWORD>(text.size()), 0);
  DdeFreeDataHandle(data);
  if (const auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  return text;
}

void DdeClientConv::CloseLink() {
  if (conversation_) DdeDisconnect(conversation_);
  conversation_ = nullptr;
}

}  // namespace platform
