// The SOCKS layer against a fake SOCKS server on 127.0.0.1, the line mode and
// the synchronous wait.
#include "LocalServer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NetTestSupport.h"
#include "net/AsyncSocket.h"

namespace {

using namespace net;
using nettest::Connection;
using nettest::LocalServer;
using nettest::PumpUntil;

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int c : b) s += static_cast<char>(c);
  return s;
}

// A client of the fake SOCKS server with every event recorded.
struct SocksClient {
  TAsyncSocket s;
  std::vector<std::string> events;
  std::string received;
  bool closed = false;
  explicit SocksClient(unsigned short socksPort, const std::string& level) {
    s.OnSocksConnected = [this](std::uint16_t e) { events.push_back("socks connected " + std::to_string(e)); };
    s.OnSocksError = [this](int e, const std::string& m) { events.push_back("socks error " + std::to_string(e) + " " + m); };
    s.OnSocksAuthState = [this](TSocksAuthState a) { events.push_back("auth " + std::to_string(a)); };
    s.OnSessionConnected = [this](std::uint16_t e) { events.push_back("connected " + std::to_string(e)); };
    s.OnSessionClosed = [this](std::uint16_t e) {
      events.push_back("closed " + std::to_string(e));
      closed = true;
    };
    s.OnDataAvailable = [this](std::uint16_t) { received += s.ReceiveText(); };
    s.SetSocksServer("127.0.0.1");
    s.SetSocksPort(std::to_string(socksPort));
    s.SetSocksLevel(level);
  }
  void ConnectTo(const std::string& addr, const std::string& port) {
    s.SetAddr(addr);
    s.SetPort(port);
    s.Connect();
  }
};

TEST(Socks4, ConnectsAndKeepsTheBytesBehindTheReply) {
  std::string request;
  LocalServer server([&](Connection& c) {
    request = c.ReadExact(8 + 4 + 1);  // header, "user", zero
    c.Send(Bytes({0, 0x5A, 0, 0, 0, 0, 0, 0}) + "hello from behind");
    c.ReadUntilClosed(2000);
  });
  SocksClient c(server.Port(), "4");
  c.s.SetSocksUsercode("user");
  c.ConnectTo("10.1.2.3", "8080");
  ASSERT_TRUE(PumpUntil([&] { return c.received == "hello from behind"; }));
  EXPECT_EQ(request, Bytes({4, 1, 0x1F, 0x90, 10, 1, 2, 3}) + "user" + std::string(1, '\0'));
  EXPECT_EQ(c.events, (std::vector<std::string>{"socks connected 0", "connected 0"}));
  c.s.Close();
}

TEST(Socks4, RefusalsCloseWithTheirCodes) {
  const std::vector<std::pair<int, std::string>> cases = {
      {0x5B, "20016 request rejected or failed"},
      {0x5C, "20008 connection refused"},
      {0x5D, "20015 authentification failed"},
      {0x77, "20012 unassigned error #119"}};
  for (const auto& [reply, expected] : cases) {
    LocalServer server([&](Connection& c) {
      c.ReadExact(9);
      c.Send(Bytes({0, reply, 0, 0, 0, 0, 0, 0}));
      c.ReadUntilClosed(2000);
    });
    SocksClient c(server.Port(), "4");
    c.ConnectTo("10.1.2.3", "80");
    ASSERT_TRUE(PumpUntil([&] { return c.closed; })) << expected;
    const std::string code = expected.substr(0, 5);
    EXPECT_EQ(c.events, (std::vector<std::string>{"socks connected 0", "socks error " + expected, "connected " + code,
                                                  "closed " + code}));
    EXPECT_EQ(c.s.State(), wsClosed);
  }
}

TEST(Socks4A, SendsTheDestinationByName) {
  std::string request;
  LocalServer server([&](Connection& c) {
    request = c.ReadExact(8 + 1 + 12 + 1);
    c.Send(Bytes({0, 0x5A, 0, 0, 0, 0, 0, 0}));
    c.ReadUntilClosed(2000);
  });
  SocksClient c(server.Port(), "4a");
  EXPECT_EQ(c.s.SocksLevel(), "4A");
  c.ConnectTo("www.site.dom", "80");
  ASSERT_TRUE(PumpUntil([&] { return !c.events.empty() && c.events.back() == "connected 0"; }));
  EXPECT_EQ(request, Bytes({4, 1, 0, 80, 0, 0, 0, 1, 0}) + "www.site.dom" + std::string(1, '\0'));
  c.s.Close();
}

TEST(Socks5, RefusedMethodClosesWith20003) {
  std::string method;
  LocalServer server([&](Connection& c) {
    method = c.ReadExact(3);
    c.Send(Bytes({5, 0xFF}));
    c.ReadUntilClosed(2000);
  });
  SocksClient c(server.Port(), "5");
  c.ConnectTo("site.dom", "80");
  ASSERT_TRUE(PumpUntil([&] { return c.closed; }));
  EXPECT_EQ(method, Bytes({5, 1, 0}));
  EXPECT_EQ(c.events[1], "socks error 20003 authentification method not acceptable");
}

TEST(Socks5, AuthenticatesAndReadsAReplyThatNamesALongHost) {
  std::string method, auth, connect;
  const std::string bound(200, 'b');
  LocalServer server([&](Connection& c) {
    method = c.ReadExact(3);
    c.Send(Bytes({5, 2}));
    auth = c.ReadExact(1 + 1 + 3 + 1 + 6);
    c.Send(Bytes({1, 0}));
    connect = c.ReadExact(5 + 8 + 2);
    // The reply names the bound host (200 bytes), then the destination talks.
    c.Send(Bytes({5, 0, 0, 3, 200}) + bound + Bytes({0x12, 0x34}) + "payload");
    c.ReadUntilClosed(2000);
  });
  SocksClient c(server.Port(), "5");
  c.s.SetSocksAuthentication(socksAuthenticateUsercode);
  c.s.SetSocksUsercode("bob");
  c.s.SetSocksPassword("secret");
  c.ConnectTo("site.dom", "443");
  ASSERT_TRUE(PumpUntil([&] { return c.received == "payload"; }));
  EXPECT_EQ(method, Bytes({5, 1, 2}));
  EXPECT_EQ(auth, Bytes({1, 3}) + "bob" + Bytes({6}) + "secret");
  EXPECT_EQ(connect, Bytes({5, 1, 0, 3, 8}) + "site.dom" + Bytes({1, 0xBB}));
  EXPECT_EQ(c.s.BoundAddr(), bound);
  EXPECT_EQ(c.s.BoundPort(), "4660");
  EXPECT_EQ(c.events, (std::vector<std::string>{"socks connected 0", "auth 0", "auth 1", "connected 0"}));
  try {
    c.s.SetSocksServer("127.0.0.2");
    ADD_FAILURE();
  } catch (const ESocketException& e) {
    EXPECT_STREQ(e.what(), "Can't change socks server if not closed");
  }
  c.s.Close();
}

TEST(Socks5, RefusesAUserNameThatDoesNotFitItsLengthByte) {
  std::string afterMethod;
  LocalServer server([&](Connection& c) {
    c.ReadExact(3);
    c.Send(Bytes({5, 2}));
    afterMethod = c.ReadUntilClosed(2000);
  });
  SocksClient c(server.Port(), "5");
  c.s.SetSocksAuthentication(socksAuthenticateUsercode);
  c.s.SetSocksUsercode(std::string(300, 'u'));
  c.ConnectTo("site.dom", "80");
  ASSERT_TRUE(PumpUntil([&] { return c.closed; }));
  EXPECT_EQ(afterMethod, "");
  EXPECT_EQ(c.events[1], "socks error 20014 socks user code too long");
}

TEST(Socks, LevelAndServerOnlyWhileClosed) {
  TAsyncSocket s;
  try {
    s.SetSocksLevel("6");
    ADD_FAILURE();
  } catch (const ESocketException& e) {
    EXPECT_STREQ(e.what(), "Invalid socks level. Must be 4, 4A or 5.");
  }
  s.SetSocksServer("127.0.0.1");
  s.SetSocksPort("1080");
  s.SetProto("udp");
  s.SetAddr("x");
  s.SetPort("1");
  try {
    s.Connect();
    ADD_FAILURE();
  } catch (const ESocketException& e) {
    EXPECT_STREQ(e.what(), "tcp is the only protocol supported thru socks server");
  }
}

// ---- line mode ----

struct LineClient {
  TAsyncSocket s;
  std::vector<std::string> lines;
  bool closed = false;
  explicit LineClient(unsigned short port) {
    s.SetLineMode(true);
    s.OnDataAvailable = [this](std::uint16_t) { lines.push_back(s.ReceiveText()); };
    s.OnSessionClosed = [this](std::uint16_t) { closed = true; };
    s.SetAddr("127.0.0.1");
    s.SetPort(std::to_string(port));
    s.Connect();
  }
};

void SendInTwoPackets(Connection& c) {
  c.Send("ab");
  Sleep(150);
  c.Send("c\r\nd");
  c.ReadUntilClosed(3000);
}

TEST(LineMode, JoinsALineSplitOverTwoPacketsAndDeliversTheRestAtClose) {
  LocalServer server(SendInTwoPackets);
  LineClient c(server.Port());
  ASSERT_TRUE(PumpUntil([&] { return !c.lines.empty(); }));
  nettest::PumpFor(100);
  EXPECT_EQ(c.lines, std::vector<std::string>{"abc\r\n"});
  c.s.Close();
  EXPECT_EQ(c.lines, (std::vector<std::string>{"abc\r\n", "d"}));
}

TEST(LineMode, SwitchedOffTheBufferedBytesComeAsOrdinaryData) {
  LocalServer server(SendInTwoPackets);
  LineClient c(server.Port());
  ASSERT_TRUE(PumpUntil([&] { return !c.lines.empty(); }));
  nettest::PumpFor(100);
  c.s.SetLineMode(false);
  ASSERT_TRUE(PumpUntil([&] { return c.lines.size() == 2; }));
  EXPECT_EQ(c.lines[1], "d");
  c.s.Close();
}

TEST(LineMode, AHandlerThatReadsNothingDoesNotHangTheLoop) {
  LocalServer server([](Connection& c) {
    c.Send("one\r\ntwo\r\n");
    c.ReadUntilClosed(3000);
  });
  TAsyncSocket s;
  s.SetLineMode(true);
  int calls = 0;
  std::string got;
  s.OnDataAvailable = [&](std::uint16_t) {
    if (++calls > 1) got += s.ReceiveText();
  };
  s.SetAddr("127.0.0.1");
  s.SetPort(std::to_string(server.Port()));
  s.Connect();
  ASSERT_TRUE(PumpUntil([&] { return !got.empty(); }));
  EXPECT_EQ(got, "two\r\n");
  EXPECT_EQ(calls, 2);
  s.Close();
}

TEST(LineMode, AnEndlessLineIsHandedOutAtTheLimitWithoutLosingBytes) {
  const std::string data = std::string(250, 'x') + "\r\n";
  LocalServer server([&](Connection& c) {
    c.Send(data.substr(0, 250));
    Sleep(150);
    c.Send("\r\n");
    c.ReadUntilClosed(3000);
  });
  LineClient c(server.Port());
  c.s.SetLineLimit(100);
  int tooLong = 0;
  c.s.OnLineTooLong = [&] { ++tooLong; };
  std::string all;
  ASSERT_TRUE(PumpUntil([&] {
    all.clear();
    for (const auto& l : c.lines) all += l;
    return all.size() >= data.size();
  }));
  EXPECT_EQ(all, data);
  EXPECT_GE(tooLong, 1);
  c.s.Close();
}

// ---- synchronous wait ----

bool* g_timerFlag = nullptr;
void CALLBACK SetFlagOnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_timerFlag) *g_timerFlag = true;
}

TEST(SyncWait, SleepsOnTheQueueUntilTheFlagIsSet) {
  TAsyncSocket s;
  bool flag = true;
  g_timerFlag = &flag;
  const ULONGLONG start = GetTickCount64();
  // The timer's message sets the flag, as a socket event would.
  const int result = s.Synchronize([] { SetTimer(nullptr, 0, 400, SetFlagOnTimer); }, flag);
  const ULONGLONG elapsed = GetTickCount64() - start;
  g_timerFlag = nullptr;
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(flag);
  EXPECT_GE(elapsed, 350u);
  // That it sleeps rather than polls (the processor time of the wait) is
  // measured by bench/bounds_bench.
}

TEST(SyncWait, EndsWhenTheTimeRunsOut) {
  TAsyncSocket s;
  s.SetTimeout(200);
  bool flag = false;
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(s.WaitUntilReady(flag), TCustomSyncSocket::kWaitTimeout);
  EXPECT_GE(GetTickCount64() - start, 190u);
}

}  // namespace
