#pragma once
// The socket the programs create: the whole chain (async socket, SOCKS
// layer, line mode, synchronous wait) with nothing added.
#include "net/SyncSocket.h"

namespace net {

class TAsyncSocket final : public TCustomSyncSocket {};

}  // namespace net
