#pragma once
// WinSock, loaded by name at run time: the programs never import it, so they
// start on machines without a network stack. The library is loaded and
// started (version 1.1) on the first use of any entry point; each entry point
// is looked up once. When the last socket goes, WinSock is cleaned up and
// unloaded, and the next use loads it again.
#include <windows.h>

namespace net::winsock {

enum class EntryPoint {
  WSAStartup, WSACleanup, WSASetLastError, WSAGetLastError, WSACancelAsyncRequest,
  WSAAsyncGetHostByName, WSAAsyncGetHostByAddr, WSAAsyncSelect, getservbyname, getprotobyname,
  gethostbyname, socket, shutdown, setsockopt, sendto, send, ntohs, listen, ioctlsocket,
  inet_ntoa, inet_addr, htons, getsockname, getpeername, connect, closesocket, bind, accept,
  recv, recvfrom, Count
};

// The entry point's address; loads WinSock first if needed. Raises
// ESocketException when the library, its start-up or the entry is missing.
FARPROC Entry(EntryPoint ep);

// Typed access: WSOCK(send)(handle, data, length, flags).
template <typename F>
F Proc(EntryPoint ep) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(Entry(ep)));
}

// Live sockets: the last release unloads WinSock.
void AddSocket();
void ReleaseSocket();

// Whether the library is loaded now (for tests of the unload).
bool Loaded();

}  // namespace net::winsock

#define WSOCK(fn) (::net::winsock::Proc<decltype(&::fn)>(::net::winsock::EntryPoint::fn))
