// The socket component: its send queue block, address texts and errors, and
// real connections to servers on 127.0.0.1.
#include "LocalServer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "NetTestSupport.h"
#include "net/AsyncSocket.h"
#include "net/SockBuf.h"
#include "net/SocketResolve.h"
#include "net/SocketText.h"
#include "net/WinSockApi.h"

namespace {

using namespace net;
using nettest::Connection;
using nettest::LocalServer;
using nettest::PumpUntil;

TEST(SendBuffer, StoresWhatFitsAndResetsWhenEverythingIsSent) {
  TBuffer b(8);
  EXPECT_EQ(b.Write("0123456789", 10), 8);
  EXPECT_EQ(b.Write("x", 1), 0);
  int n = 0;
  const char* p = b.Peek(n);
  ASSERT_EQ(n, 8);
  EXPECT_EQ(std::string(p, 3), "012");
  EXPECT_EQ(b.Remove(3), 3);
  p = b.Peek(n);
  EXPECT_EQ(std::string(p, static_cast<size_t>(n)), "34567");
  EXPECT_EQ(b.Remove(100), 5);
  EXPECT_EQ(b.Peek(n), nullptr);
  EXPECT_EQ(n, 0);
  // Emptied, the block takes a whole block again.
  EXPECT_EQ(b.Write("abcdefgh", 8), 8);
  EXPECT_EQ(TBuffer(0).Size(), 1514);
}

TEST(SendBuffer, ShrinkingKeepsOnlyWhatTheNewBlockHolds) {
  TBuffer b(16);
  b.Write("0123456789", 10);
  b.Remove(2);
  b.SetSize(4);  // would copy ten bytes into four
  int n = 0;
  const char* p = b.Peek(n);
  EXPECT_EQ(std::string(p, static_cast<size_t>(n)), "23");
  EXPECT_EQ(b.Write("zz", 2), 0);
  b.SetSize(32);
  p = b.Peek(n);
  EXPECT_EQ(std::string(p, static_cast<size_t>(n)), "23");
}

TEST(SocketTexts, DottedAddressTest) {
  for (const char* ok : {"127.0.0.1", "  10.1.2.3", "255.255.255.255", "1.2.3.4  ", "0.0.0.0"})
    EXPECT_TRUE(WSocketIsDottedIP(ok)) << ok;
  for (const char* bad : {"", ".1.2.3", "1.2.3", "1.2.3.4.5", "1.2.3.256", "256.1.1.1", "1..2.3", "1.2.3.",
                          "a.b.c.d", "1.2.3.4 x", "host", "1.2.3.99999999999"})
    EXPECT_FALSE(WSocketIsDottedIP(bad)) << bad;
}

TEST(SocketTexts, ErrorTexts) {
  EXPECT_EQ(SocketErrorText(0), "No Error");
  EXPECT_EQ(SocketErrorText(10057), "Socket is not connected");
  EXPECT_EQ(SocketErrorText(10061), "Connection refused");
  EXPECT_EQ(SocketErrorText(11001), "Host not found");
  EXPECT_EQ(SocketErrorText(42), "Not a WinSock error");
}

std::string Message(const std::function<void()>& f) {
  try {
    f();
  } catch (const ESocketException& e) {
    return e.what();
  }
  return "(no exception)";
}

TEST(SocketResolve, PortsHostsAndProtocols) {
  EXPECT_EQ(SocketResolvePort("8080", "tcp"), 8080);
  EXPECT_EQ(SocketResolvePort("65535", "tcp"), 65535);
  EXPECT_EQ(SocketResolvePort("80abc", "tcp"), 80);
  // Beyond 16 bits the port would wrap to another one.
  EXPECT_EQ(Message([] { SocketResolvePort("65616", "tcp"); }), "SocketResolvePort: Invalid Port.");
  EXPECT_EQ(Message([] { SocketResolvePort("", "tcp"); }), "SocketResolvePort: Invalid Port.");
  EXPECT_EQ(Message([] { SocketResolvePort(std::string(32, '1'), "tcp"); }), "SocketResolvePort: Invalid Port.");
  EXPECT_EQ(SocketResolveProto("tcp"), 6);
  EXPECT_EQ(SocketResolveProto("17"), 17);
  EXPECT_EQ(Message([] { SocketResolveProto(""); }), "SocketResolveProto: Invalid Protocol.");
  EXPECT_EQ(DottedAddress(SocketResolveHost(" 127.0.0.1 ")), "127.0.0.1");
  EXPECT_EQ(SocketResolveHost("255.255.255.255"), 0xFFFFFFFFu);
  EXPECT_EQ(Message([] { SocketResolveHost(""); }), "SocketResolveHost: '' Invalid Hostname.");
  EXPECT_EQ(Message([] { SocketResolveHost(std::string(257, 'h')); }),
            "SocketResolveHost: '" + std::string(257, 'h') + "' Invalid Hostname.");
}

// Records the events of one socket in order.
struct Recorder {
  std::vector<std::string> events;
  std::string received;
  void Attach(TCustomAsyncSocket& s) {
    s.OnSessionConnected = [this](std::uint16_t e) { events.push_back("connected " + std::to_string(e)); };
    s.OnSessionClosed = [this](std::uint16_t e) { events.push_back("closed " + std::to_string(e)); };
    s.OnDataAvailable = [this, &s](std::uint16_t) { received += s.ReceiveText(); };
  }
  int Count(const std::string& prefix) const {
    int n = 0;
    for (const auto& e : events) n += e.rfind(prefix, 0) == 0;
    return n;
  }
};

TEST(AsyncSocket, SendsDataLargerThanABlockInOrderAndSeesTheServerClose) {
  std::string got;
  LocalServer server([&](Connection& c) {
    got = c.ReadExact(5000);
    c.Send("echo:" + got.substr(0, 10));
  });
  TAsyncSocket s;
  Recorder r;
  r.Attach(s);
  bool sent = false;
  s.OnDataSent = [&](std::uint16_t) { sent = true; };
  s.SetAddr("127.0.0.1");
  s.SetPort(std::to_string(server.Port()));
  s.Connect();
  EXPECT_EQ(s.State(), wsConnecting);
  ASSERT_TRUE(PumpUntil([&] { return s.State() == wsConnected; }));
  std::string data(5000, '\0');
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>('a' + i % 26);
  EXPECT_EQ(s.SendText(data), 5000);
  ASSERT_TRUE(PumpUntil([&] { return r.Count("closed") > 0; }));
  EXPECT_TRUE(sent);
  EXPECT_EQ(got, data);
  EXPECT_EQ(r.received, "echo:abcdefghij");
  EXPECT_EQ(r.events, (std::vector<std::string>{"connected 0", "closed 0"}));
  EXPECT_EQ(s.State(), wsClosed);
  EXPECT_EQ(s.ReadCount(), 0);  // the close resets the counters
}

TEST(AsyncSocket, RefusedConnectReportsTheErrorThenClosesOnce) {
  TAsyncSocket s;
  Recorder r;
  r.Attach(s);
  s.SetAddr("127.0.0.1");
  s.SetPort(std::to_string(nettest::RefusedPort()));
  s.Connect();
  ASSERT_TRUE(PumpUntil([&] { return r.Count("closed") > 0; }));
  nettest::PumpFor(100);
  EXPECT_EQ(r.events, (std::vector<std::string>{"connected 10061", "closed 0"}));
  EXPECT_EQ(s.State(), wsClosed);
}

TEST(AsyncSocket, ClosingForgetsAddrAndPort) {
  TAsyncSocket s;
  s.SetAddr("127.0.0.1");
  s.SetPort("1");
  s.Close();  // nothing open: nothing changes
  LocalServer server([](Connection& c) { c.ReadUntilClosed(2000); });
  s.SetPort(std::to_string(server.Port()));
  s.Connect();
  ASSERT_TRUE(PumpUntil([&] { return s.State() == wsConnected; }));
  s.Close();
  EXPECT_EQ(Message([&] { s.Connect(); }), "Connect: No Port Specified");
  s.SetPort(std::to_string(server.Port()));
  EXPECT_EQ(Message([&] { s.Connect(); }), "Connect: No IP Address Specified");
  EXPECT_EQ(Message([&] {
              s.SetAddr("127.0.0.1");
              s.SetPort("70000");
              s.Connect();
            }),
            "connect: SocketResolvePort: Invalid Port.");
}

TEST(AsyncSocket, SendWhileConnectingFailsAndClosesTheWayAnyCloseDoes) {
  LocalServer server([](Connection& c) { c.ReadUntilClosed(2000); });
  {
    TAsyncSocket s;
    Recorder r;
    r.Attach(s);
    s.SetAddr("127.0.0.1");
    s.SetPort(std::to_string(server.Port()));
    s.Connect();
    ASSERT_EQ(s.State(), wsConnecting);
    EXPECT_EQ(Message([&] { s.SendText("x"); }), "Error 10057 in function Send\r\nSocket is not connected");
    EXPECT_EQ(s.LastError(), 10057);
    // The dead connection is closed with its event, so nobody waits for it.
    EXPECT_EQ(s.State(), wsClosed);
    EXPECT_EQ(r.events, (std::vector<std::string>{"closed 10057"}));
  }
  {
    TAsyncSocket s;
    int errors = 0;
    s.OnError = [&] { ++errors; };
    s.SetAddr("127.0.0.1");
    s.SetPort(std::to_string(server.Port()));
    s.Connect();
    EXPECT_EQ(s.SendText("x"), -1);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(s.LastError(), 10057);
  }
}

TEST(AsyncSocket, DottedLookupReportsInsideTheCall) {
  TAsyncSocket s;
  std::vector<int> done;
  s.OnDnsLookupDone = [&](std::uint16_t e) { done.push_back(e); };
  s.DnsLookup("127.0.0.1");
  EXPECT_EQ(done, std::vector<int>{0});
  EXPECT_EQ(s.DnsResult(), "127.0.0.1");
  EXPECT_EQ(Message([&] { s.DnsLookup(""); }), "DNS lookup: invalid host name.");
  int errors = 0;
  s.OnError = [&] { ++errors; };
  s.DnsLookup("");
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(done, (std::vector<int>{0, 10022}));
}

TEST(AsyncSocket, ANameIsLookedUpInTheBackground) {
  TAsyncSocket s;
  std::vector<int> done;
  s.OnDnsLookupDone = [&](std::uint16_t e) { done.push_back(e); };
  s.DnsLookup("localhost");
  EXPECT_TRUE(done.empty());
  ASSERT_TRUE(PumpUntil([&] { return !done.empty(); }));
  EXPECT_EQ(done, std::vector<int>{0});
  EXPECT_EQ(s.DnsResult(), "127.0.0.1");
  EXPECT_EQ(s.DnsResultList().front(), "127.0.0.1");
  // A lookup cancelled before its answer reports 10004 and no result.
  done.clear();
  s.DnsLookup("localhost");
  s.CancelLookup();
  EXPECT_EQ(done, std::vector<int>{10004});
  nettest::PumpFor(200);
  EXPECT_EQ(done, std::vector<int>{10004});
}

TEST(AsyncSocket, AnExceptionInTheDataHandlerEndsTheReceiveLoopQuietly) {
  LocalServer server([](Connection& c) {
    c.Send("first");
    Sleep(100);
    c.Send("second");
  });
  TAsyncSocket s;
  int calls = 0;
  bool closed = false;
  std::string received;
  s.OnDataAvailable = [&](std::uint16_t) {
    ++calls;
    received += s.ReceiveText();
    if (calls == 1) throw std::runtime_error("handler failed");
  };
  s.OnSessionClosed = [&](std::uint16_t) { closed = true; };
  s.SetAddr("127.0.0.1");
  s.SetPort(std::to_string(server.Port()));
  s.Connect();
  ASSERT_TRUE(PumpUntil([&] { return closed; }));
  EXPECT_EQ(received, "firstsecond");
}

TEST(AsyncSocket, BackgroundExceptionGoesToItsHandlerAndAborts) {
  LocalServer server([](Connection& c) { c.ReadUntilClosed(3000); });
  TAsyncSocket s;
  std::string seen;
  bool closed = false;
  s.OnBgException = [&](const std::exception& e, bool& canClose) {
    seen = e.what();
    EXPECT_TRUE(canClose);
  };
  s.OnSessionClosed = [&](std::uint16_t) { closed = true; };
  s.SetAddr("127.0.0.1");
  s.SetPort(std::to_string(server.Port()));
  s.Connect();
  ASSERT_TRUE(PumpUntil([&] { return s.State() == wsConnected; }));
  PostMessageA(s.Handle(), WM_TRIGGER_EXCEPTION, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return closed; }));
  EXPECT_EQ(seen, "Test exception in AsyncSocket");
  EXPECT_EQ(s.State(), wsClosed);
}

TEST(AsyncSocket, ListensAcceptsAndTakesOverTheAcceptedHandle) {
  TAsyncSocket listener;
  listener.SetAddr("127.0.0.1");
  listener.SetPort("0");
  TAsyncSocket served;
  std::string atServer;
  served.OnDataAvailable = [&](std::uint16_t) {
    atServer += served.ReceiveText();
    if (atServer == "ping") served.SendText("pong");
  };
  listener.OnSessionAvailable = [&](std::uint16_t) { served.Dup(listener.Accept()); };
  listener.Listen();
  ASSERT_EQ(listener.State(), wsListening);
  const std::string port = listener.GetXPort();
  ASSERT_NE(port, "error");

  TAsyncSocket client;
  std::string atClient;
  client.OnDataAvailable = [&](std::uint16_t) { atClient += client.ReceiveText(); };
  client.OnSessionConnected = [&](std::uint16_t e) {
    if (e == 0) client.SendText("ping");
  };
  client.SetAddr("127.0.0.1");
  client.SetPort(port);
  client.Connect();
  ASSERT_TRUE(PumpUntil([&] { return atClient == "pong"; }));
  EXPECT_EQ(served.State(), wsConnected);
  EXPECT_EQ(served.PeerAddr(), "127.0.0.1");
  EXPECT_EQ(served.PeerPort(), client.GetXPort());
}

TEST(AsyncSocket, WinSockIsUnloadedWithTheLastSocket) {
  {
    TAsyncSocket a;
    a.DnsLookup("127.0.0.1");
    EXPECT_TRUE(winsock::Loaded());
    {
      TAsyncSocket b;
    }
    EXPECT_TRUE(winsock::Loaded());
  }
  EXPECT_FALSE(winsock::Loaded());
  TAsyncSocket again;
  again.DnsLookup("127.0.0.1");
  EXPECT_EQ(again.DnsResult(), "127.0.0.1");
}

}  // namespace
