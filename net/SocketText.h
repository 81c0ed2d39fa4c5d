#pragma once
// Texts and checks of the socket component that need no WinSock.
#include <string>
#include <string_view>

namespace net {

// The English description of a WinSock error code; "Not a WinSock error" for
// codes outside the table.
std::string SocketErrorText(int code);

// Whether text is a dotted IPv4 address (four numbers of at most 255 each,
// leading and trailing blanks allowed).
bool WSocketIsDottedIP(std::string_view text);

}  // namespace net
