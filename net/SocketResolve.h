#pragma once
// Host, port and protocol names to numbers, as the socket component resolves
// them before it connects or listens. Failures raise ESocketException.
#include <cstdint>
#include <string>

namespace net {

// IPv4 address in network order. Dotted addresses are converted directly;
// other names are resolved with the blocking lookup.
std::uint32_t SocketResolveHost(const std::string& name);
// Port number in host order: a leading decimal number, or a service name.
std::uint16_t SocketResolvePort(const std::string& port, const std::string& proto);
// Protocol number: a leading decimal number, or a protocol name.
int SocketResolveProto(const std::string& proto);

// Dotted text of an address in network order.
std::string DottedAddress(std::uint32_t address);

}  // namespace net
