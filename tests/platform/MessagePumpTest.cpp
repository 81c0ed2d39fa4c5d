#include "platform/base/MessagePump.h"

#include <gtest/gtest.h>
#include <windows.h>

// A wait below the application's loop serves what is waiting, but a quit
// request, with its exit code, stays for the loop that owns it.
TEST(MessagePump, ServesWhatWaitsAndLeavesTheQuitRequest) {
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists before anyone posts to it
  EXPECT_FALSE(platform::PumpWaitingMessages());

  PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
  PostQuitMessage(7);
  EXPECT_TRUE(platform::PumpWaitingMessages());
  // A quit request comes out only after every other posted message.
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}
