// The browser and editor launcher: which way each browser is addressed and
// with which texts (DDE against our own server in this process, automation
// against a fake object, started programs against a script that records its
// arguments), and what the user is told instead when the browser or the
// page is missing.
#include <gtest/gtest.h>
#include <windows.h>
#include <ddeml.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "core/WineDrives.h"
#include "platform/base/ComObject.h"
#include "coregui/Launcher.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/support/WineUnixName.h"

namespace {

// The program folder of these tests; a fixed place, so that the URLs below
// can be written out as the browser gets them.
const std::string kProgram = "C:\\qv-launcher\\";
const std::string kPage = kProgram + "hilfe\\meldungen.htm";
const std::string kFrame = kProgram + "hilfe\\_top.htm";

// ---- a DDE server of our own, on a thread of its own ----------------------

struct DdeRequest {
  std::string service, topic, item;
  bool operator==(const DdeRequest&) const = default;
};

std::ostream& operator<<(std::ostream& os, const DdeRequest& r) {
  return os << r.service << "|" << r.topic << "|" << r.item;
}

class DdeServer {
 public:
  explicit DdeServer(std::vector<std::string> services) : services_(std::move(services)) {
    current_ = this;
    // DDE finds its servers among the windows of its desktop: the server's
    // thread joins the test's, which need not be the program's first one.
    thread_ = std::thread([this, desktop = GetThreadDesktop(GetCurrentThreadId())] {
      SetThreadDesktop(desktop);
      Run();
    });
    std::unique_lock lock(mutex_);
    readyChanged_.wait(lock, [this] { return ready_; });
  }
  ~DdeServer() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    current_ = nullptr;
  }

  std::vector<DdeRequest> Requests() {
    std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  std::string Query(HSZ hsz) const {
    std::string s(DdeQueryStringA(instance_, hsz, nullptr, 0, CP_WINANSI) + 1, '\0');
    s.resize(DdeQueryStringA(instance_, hsz, s.data(), static_cast<DWORD>(s.size()), CP_WINANSI));
    return s;
  }

  static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA, ULONG_PTR,
                                    ULONG_PTR) {
    DdeServer* self = current_;
    switch (type) {
      case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(TRUE);
      case XTYP_CONNECT_CONFIRM: {
        std::lock_guard lock(self->mutex_);
        self->conversations_.push_back({conv, self->Query(hsz2)});
        return nullptr;
      }
      case XTYP_REQUEST: {
        std::lock_guard lock(self->mutex_);
        std::string service;
        for (const auto& [c, s] : self->conversations_)
          if (c == conv) service = s;
        self->requests_.push_back({service, self->Query(hsz1), self->Query(hsz2)});
        static char answer[] = "1";
        return DdeCreateDataHandle(self->instance_, reinterpret_cast<LPBYTE>(answer), sizeof answer, 0, hsz2, format,
                                   0);
      }
      default:
        return nullptr;
    }
  }

  void Run() {
    threadId_ = GetCurrentThreadId();
    DdeInitializeA(&instance_, Callback, APPCLASS_STANDARD, 0);
    std::vector<HSZ> names;
    for (const auto& s : services_) {
      names.push_back(DdeCreateStringHandleA(instance_, s.c_str(), CP_WINANSI));
      DdeNameService(instance_, names.back(), nullptr, DNS_REGISTER);
    }
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists before anyone posts to it
    {
      std::lock_guard lock(mutex_);
      ready_ = true;
    }
    readyChanged_.notify_all();
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    DdeNameService(instance_, nullptr, nullptr, DNS_UNREGISTER);
    for (HSZ h : names) DdeFreeStringHandle(instance_, h);
    DdeUninitialize(instance_);
  }

  static inline DdeServer* current_ = nullptr;
  std::vector<std::string> services_;
  std::thread thread_;
  DWORD threadId_ = 0;
  DWORD instance_ = 0;
  std::mutex mutex_;
  std::condition_variable readyChanged_;
  bool ready_ = false;
  std::vector<std::pair<HCONV, std::string>> conversations_;
  std::vector<DdeRequest> requests_;
};

// ---- a fake automation object ---------------------------------------------

struct FakeExplorers {
  std::vector<std::string> log;
  bool closed = false;   // the user closed the window of the objects made so far
  bool missing = false;  // the class is not registered

  core::AutomationFactory Factory() {
    return [this](const std::string& progId) -> std::unique_ptr<core::BrowserAutomation> {
      if (missing) throw core::EAutomationError("Klasse nicht registriert");
      log.push_back("create " + progId);
      closed = false;
      return std::make_unique<Explorer>(*this);
    };
  }

  struct Explorer : core::BrowserAutomation {
    explicit Explorer(FakeExplorers& owner) : owner(owner) {}
    void SetVisible(bool visible) override { owner.log.push_back(visible ? "Visible true" : "Visible false"); }
    void Navigate(const std::string& url) override {
      if (owner.closed) throw core::EAutomationError("Das Objekt ist nicht verbunden");
      owner.log.push_back("Navigate " + url);
    }
    FakeExplorers& owner;
  };
};

// ---- started programs: a shell script that records its arguments ----------

class Launcher : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ForceDirectories(kProgram + "hilfe");
    platform::ForceDirectories(kProgram + "opera");
    platform::WriteFileBytes(kPage, "<html></html>");
    for (const char* browser : {"netscape.exe", "mozilla.exe", "opera.exe", "iexplore.exe", "opera\\netscape.exe"})
      platform::WriteFileBytes(kProgram + browser, "kein Programm");
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    script_ = WineUnixName(platform::ExtractFilePath(exe) + "record-args.sh");
    out_ = kProgram + "args.txt";
    SetEnvironmentVariableA("QUARVELIN_ARGS_OUT", WineUnixName(out_).c_str());
    launcher_.SetAutomationFactory(explorers_.Factory());
    launcher_.ddeStartTimeoutMs = 500;
  }
  void TearDown() override {
    for (const char* f : {"hilfe\\meldungen.htm", "hilfe\\_top.htm", "netscape.exe", "mozilla.exe", "opera.exe",
                          "iexplore.exe", "opera\\netscape.exe", "args.txt"})
      DeleteFileA((kProgram + f).c_str());
    RemoveDirectoryA((kProgram + "hilfe").c_str());
    RemoveDirectoryA((kProgram + "opera").c_str());
    RemoveDirectoryA(kProgram.c_str());
  }

  // The arguments the script received, waiting for it; none when it was not
  // started within waitMs.
  std::vector<std::string> Recorded(DWORD waitMs = 30000) {
    for (DWORD waited = 0; waited < waitMs && !platform::FileExists(out_); waited += 50) Sleep(50);
    if (!platform::FileExists(out_)) return {};
    platform::TStringList lines;
    lines.LoadFromFile(out_);
    DeleteFileA(out_.c_str());
    std::vector<std::string> args = lines.Lines();
    if (!args.empty()) args.erase(args.begin());  // the count
    return args;
  }

  core::ToolSetting Browser(const std::string& file) const { return {kProgram + file, "-neu", false}; }

  std::string script_, out_;
  FakeExplorers explorers_;
  core::WineDrives drives_;
  core::Launcher launcher_{kProgram, 302};
};

TEST_F(Launcher, DdeBrowsersGetTheirServiceTopicsAndItemsByteForByte) {
  const std::string url = "file:///C|/qv-launcher/hilfe/meldungen.htm#beenden";
  const std::string wrapped = "file:///C|/qv-launcher/hilfe/_top.htm?file=///C|/qv-launcher/hilfe/meldungen.htm!beenden";
  const std::string tail = ",,0xffffffff,0x3,,,";
  struct Case {
    const char* browser;
    bool framePage;
    std::vector<DdeRequest> expected;
  };
  const Case cases[] = {
      {"netscape.exe", true,
       {{"Netscape", "WWW_Activate", "0xffffffff"}, {"Netscape", "WWW_OpenURL", wrapped + tail}}},
      {"netscape.exe", false, {{"Netscape", "WWW_Activate", "0xffffffff"}, {"Netscape", "WWW_OpenURL", url + tail}}},
      // Both names in the path: Netscape comes first.
      {"opera\\netscape.exe", false,
       {{"Netscape", "WWW_Activate", "0xffffffff"}, {"Netscape", "WWW_OpenURL", url + tail}}},
      {"mozilla.exe", true, {{"Mozilla", "WWW_Activate", "0xffffffff"}, {"Mozilla", "WWW_OpenURL", wrapped + tail}}},
      // Opera is never given the frame page.
      {"opera.exe", true, {{"Opera", "WWW_OpenURL", url}}},
  };
  for (const Case& c : cases) {
    if (c.framePage)
      platform::WriteFileBytes(kFrame, "<html></html>");
    else
      DeleteFileA(kFrame.c_str());
    DdeServer server({"Netscape", "Mozilla", "Opera"});
    EXPECT_TRUE(launcher_.OpenInBrowser(kPage + "#beenden", Browser(c.browser), drives_)) << c.browser;
    EXPECT_EQ(server.Requests(), c.expected) << c.browser;
  }
  EXPECT_TRUE(explorers_.log.empty());
}

TEST_F(Launcher, DdeBrowserThatNeverAnswersIsAnError) {
  try {
    launcher_.OpenInBrowser(kPage, Browser("mozilla.exe"), drives_);
    ADD_FAILURE() << "no error";
  } catch (const core::EDdeError& e) {
    EXPECT_EQ(std::string(e.what()), "Der WWW-Browser\r\r" + kProgram +
                                         "mozilla.exe\r\rantwortet nicht auf DDE (Dienst \"Mozilla\", Thema "
                                         "\"WWW_Activate\").");
  }
}

TEST_F(Launcher, ExplorerIsKeptAndReplacedWhenItsWindowWasClosed) {
  platform::WriteFileBytes(kFrame, "<html></html>");  // never used for it
  const std::string url = "file:///C|/qv-launcher/hilfe/meldungen.htm";
  EXPECT_TRUE(launcher_.OpenInBrowser(kPage, Browser("iexplore.exe"), drives_));
  EXPECT_TRUE(launcher_.OpenInBrowser(kPage + "#frame", Browser("iexplore.exe"), drives_));
  explorers_.closed = true;
  EXPECT_TRUE(launcher_.OpenInBrowser(kPage, Browser("iexplore.exe"), drives_));
  EXPECT_EQ(explorers_.log, (std::vector<std::string>{
                                "create InternetExplorer.Application", "Visible true", "Navigate " + url,
                                "Navigate " + url + "#frame",
                                "create InternetExplorer.Application", "Visible true", "Navigate " + url}));

  // No automation server at all: the error goes to the caller.
  core::Launcher fresh(kProgram, 302);
  explorers_.missing = true;
  fresh.SetAutomationFactory(explorers_.Factory());
  EXPECT_THROW(fresh.OpenInBrowser(kPage, Browser("iexplore.exe"), drives_), core::EAutomationError);
}

TEST_F(Launcher, MissingBrowserOrPageIsReportedAndStartsNothing) {
  DdeServer server({"Netscape"});
  core::Launcher tessarel(kProgram, 0);
  struct Case {
    core::Launcher* launcher;
    std::string browser, page, text;
    platform::MsgDlgType type;
    unsigned buttons;
    int helpContext;
  };
  const std::string wrongBrowser =
      "Die Einstellung f\xFCr den WWW-Browser unter\r\"Einstellungen - Arbeitsumgebung... - [Werkzeuge] - "
      "WWW-Browser\"\r ist nicht korrekt.";
  const std::string missing = kProgram + "hilfe\\fehlt.htm#anker";
  const Case cases[] = {
      {&launcher_, kProgram + "fehlt.exe", kPage, wrongBrowser, platform::MsgDlgType::Error, platform::mbOK, 0},
      {&launcher_, "", kPage, wrongBrowser, platform::MsgDlgType::Error, platform::mbOK, 0},
      {&launcher_, kProgram + "netscape.exe", missing, "Die Hilfeseite\r\r" + missing + "\r\r existiert nicht.",
       platform::MsgDlgType::Warning, platform::mbOK | platform::mbHelp, 302},
      {&tessarel, kProgram + "netscape.exe", missing, "Die Hilfeseite\r\r" + missing + "\r\r existiert nicht.",
       platform::MsgDlgType::Warning, platform::mbOK, 0},
  };
  for (const Case& c : cases) {
    platform::ScriptedUi ui;
    EXPECT_FALSE(c.launcher->OpenInBrowser(c.page, {c.browser, "", false}, drives_)) << c.text;
    ASSERT_EQ(ui.Requests().size(), 1u) << c.text;
    EXPECT_EQ(ui.Requests()[0].text, c.text);
    EXPECT_EQ(ui.Requests()[0].caption, c.type == platform::MsgDlgType::Error ? "Fehler" : "Warnung");
    EXPECT_EQ(ui.Requests()[0].buttons, c.buttons) << c.text;
    EXPECT_EQ(ui.Requests()[0].helpContext, c.helpContext) << c.text;
  }
  EXPECT_TRUE(server.Requests().empty());
}

TEST(ComAutomation, FailuresReadAsTheLaunchersMessage) {
  // The system's text where it has one, else the code (Wine has none).
  const auto expected = [](HRESULT code) {
    const std::string system = platform::SystemMessage(code);
    return "Der WWW-Browser l\xE4sst sich nicht fernsteuern:\r\r" +
           (system.empty() ? "OLE-Fehler " + platform::HexCode(code) : system);
  };
  try {
    core::CreateComAutomation("Quarvelin.GibtEsNicht");
    ADD_FAILURE() << "no error";
  } catch (const core::EAutomationError& e) {
    EXPECT_EQ(std::string(e.what()), expected(CO_E_CLASSSTRING));
  }
  std::unique_ptr<core::BrowserAutomation> notABrowser;
  try {
    notABrowser = core::CreateComAutomation("Scripting.Dictionary");
  } catch (const core::EAutomationError&) {
    GTEST_SKIP() << "no Scripting.Dictionary on this system";
  }
  try {
    notABrowser->SetVisible(true);
    ADD_FAILURE() << "no error";
  } catch (const core::EAutomationError& e) {
    EXPECT_EQ(std::string(e.what()), expected(DISP_E_UNKNOWNNAME));
  }
}

TEST(UnixFileUrl, EncodesWhatAPathCannotHold) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/u/hilfe/meldungen.htm", "file:///home/u/hilfe/meldungen.htm"},
      {"/a b/\xE4\xDF.htm", "file:///a%20b/%C3%A4%C3%9F.htm"},
      {"/x/#1?%.htm", "file:///x/%231%3F%25.htm"},
      {"/x/it's (neu)+[1]\"<>\\.htm", "file:///x/it's%20(neu)+%5B1%5D%22%3C%3E%5C.htm"},
  };
  for (const auto& [path, url] : cases) EXPECT_EQ(core::UnixFileUrl(path), url) << path;
}

// Unix browsers and editors are started through Wine on Unix paths; nothing
// is checked before, and a page with an anchor reaches the browser as a
// file URL, since no file name may keep the "#".
TEST_F(Launcher, UnixAndOtherProgramsGetTheirArguments) {
  if (script_.empty()) GTEST_SKIP() << "needs Wine";
  drives_.SetRoot('C', "/srv/laufwerk c");
  const std::string unixPage = "/srv/laufwerk c/qv-launcher/hilfe/meldungen.htm";
  using Args = std::vector<std::string>;

  EXPECT_TRUE(launcher_.OpenInBrowser(kPage + "#beenden", {script_, "-a \"b c\"", true}, drives_));
  EXPECT_EQ(Recorded(), (Args{"-a", "b c", "file:///srv/laufwerk%20c/qv-launcher/hilfe/meldungen.htm#beenden"}));
  EXPECT_TRUE(launcher_.OpenInBrowser(kPage, {script_, "", true}, drives_));
  EXPECT_EQ(Recorded(), Args{unixPage});
  EXPECT_TRUE(launcher_.OpenInBrowser(kProgram + "hilfe\\fehlt.htm", {script_, "", true}, drives_));
  EXPECT_EQ(Recorded(), Args{"/srv/laufwerk c/qv-launcher/hilfe/fehlt.htm"});

  // Any other browser is started on the page's file URL in double quotes.
  EXPECT_TRUE(launcher_.OpenInBrowser(kPage + "#beenden", {script_, "-neu", false}, drives_));
  EXPECT_EQ(Recorded(), (Args{"-neu", "file:///C|/qv-launcher/hilfe/meldungen.htm#beenden"}));

  launcher_.OpenInEditor({script_, "-x", true}, drives_, kPage);
  EXPECT_EQ(Recorded(), (Args{"-x", unixPage}));
  launcher_.OpenInEditor({script_, "", false}, drives_, kProgram + "mit blank.js");
  EXPECT_EQ(Recorded(), Args{kProgram + "mit blank.js"});
}

}  // namespace
