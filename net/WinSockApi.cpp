#include "net/WinSockApi.h"

#include <array>
#include <string>

#include "net/SocketException.h"

namespace net::winsock {

namespace {

constexpr const char* kLibrary = "wsock32.dll";

constexpr std::array<const char*, static_cast<size_t>(EntryPoint::Count)> kNames = {
    "WSAStartup", "WSACleanup", "WSASetLastError", "WSAGetLastError", "WSACancelAsyncRequest",
    "WSAAsyncGetHostByName", "WSAAsyncGetHostByAddr", "WSAAsyncSelect", "getservbyname", "getprotobyname",
    "gethostbyname", "socket", "shutdown", "setsockopt", "sendto", "send", "ntohs", "listen", "ioctlsocket",
    "inet_ntoa", "inet_addr", "htons", "getsockname", "getpeername", "connect", "closesocket", "bind", "accept",
    "recv", "recvfrom"};

struct Library {
  HMODULE module = nullptr;
  std::array<FARPROC, static_cast<size_t>(EntryPoint::Count)> procs{};
  int liveSockets = 0;

  FARPROC Lookup(EntryPoint ep) {
    const auto i = static_cast<size_t>(ep);
    if (!procs[i]) {
      procs[i] = GetProcAddress(module, kNames[i]);
      if (!procs[i])
        throw ESocketException(std::string("Procedure ") + kNames[i] + " not found in " + kLibrary + " Error #" +
                               std::to_string(GetLastError()));
    }
    return procs[i];
  }

  void Load() {
    if (module) return;
    module = LoadLibraryA(kLibrary);
    if (!module)
      throw ESocketException(std::string("Unable to load ") + kLibrary + " Error #" + std::to_string(GetLastError()));
    WSADATA data{};
    const int rc = Proc<decltype(&::WSAStartup)>(EntryPoint::WSAStartup)(0x0101, &data);
    if (rc != 0) {
      Unload(false);
      throw ESocketException(std::string(kLibrary) + ": WSAStartup error #" + std::to_string(rc));
    }
  }

  void Unload(bool cleanup) {
    if (!module) return;
    if (cleanup && procs[static_cast<size_t>(EntryPoint::WSACleanup)] == nullptr)
      procs[static_cast<size_t>(EntryPoint::WSACleanup)] = GetProcAddress(module, "WSACleanup");
    if (cleanup) {
      auto fn = procs[static_cast<size_t>(EntryPoint::WSACleanup)];
      if (fn) reinterpret_cast<decltype(&::WSACleanup)>(reinterpret_cast<void (*)()>(fn))();
    }
    FreeLibrary(module);
    module = nullptr;
    procs.fill(nullptr);
  }

  // At program end WinSock is cleaned up whatever the count says.
  ~Library() { Unload(true); }
};

Library& Lib() {
  static Library lib;
  return lib;
}

}  // namespace

FARPROC Entry(EntryPoint ep) {
  Library& lib = Lib();
  lib.Load();
  return lib.Lookup(ep);
}

void AddSocket() { ++Lib().liveSockets; }

void ReleaseSocket() {
  Library& lib = Lib();
  if (lib.liveSockets > 0 && --lib.liveSockets == 0) lib.Unload(true);
}

bool Loaded() { return Lib().module != nullptr; }

}  // namespace net::winsock
