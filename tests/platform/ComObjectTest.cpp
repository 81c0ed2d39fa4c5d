// Late-bound automation below the launcher and Tessarel's readers: what a
// server's exception carries to the caller. Calls against a real server are
// tested with the readers; no installed server raises exceptions with a text.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>

#include <cwchar>
#include <string>

#include "platform/base/ComObject.h"

namespace {

// A server with one member, "Fail", that raises the exception it is given.
class RaisingServer : public IDispatch {
 public:
  EXCEPINFO raise{};
  bool deferred = false;  // the description is filled in on request only

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = iid == IID_IUnknown || iid == IID_IDispatch ? this : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* id) override {
    if (std::wcscmp(names[0], L"Fail") != 0) return DISP_E_UNKNOWNNAME;
    *id = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO* info,
                                   UINT*) override {
    *info = raise;
    info->bstrDescription = SysAllocStringLen(description.data(), static_cast<UINT>(description.size()));
    if (deferred) {
      info->pfnDeferredFillIn = FillIn;
      std::swap(info->bstrDescription, pending);
    }
    return DISP_E_EXCEPTION;
  }

  std::wstring description;

 private:
  static HRESULT STDMETHODCALLTYPE FillIn(EXCEPINFO* info) {
    std::swap(info->bstrDescription, pending);
    return S_OK;
  }
  static inline BSTR pending = nullptr;
};

TEST(ComObject, ServerExceptionsCarryTheirCodeAndWholeDescription) {
  struct Case {
    SCODE scode;
    WORD wCode;
    std::wstring description;
    bool deferred;
    HRESULT code;
    std::string text;
  };
  const Case cases[] = {
      {static_cast<SCODE>(0x800A01C9), 0, L"Schl\u00FCssel doppelt", false, static_cast<HRESULT>(0x800A01C9),
       "Schl\xFCssel doppelt"},
      {0, 1001, L"", false, 1001, ""},  // no scode: the old-style code counts
      {E_FAIL, 0, L"sp\u00E4ter", true, E_FAIL, "sp\xE4ter"},
      {E_FAIL, 0, std::wstring(L"a\0b", 3), false, E_FAIL, std::string("a\0b", 3)},
  };
  RaisingServer server;
  const platform::ComObject object(&server);
  for (const Case& c : cases) {
    server.raise = {};
    server.raise.scode = c.scode;
    server.raise.wCode = c.wCode;
    server.description = c.description;
    server.deferred = c.deferred;
    try {
      object.Call("Fail", platform::ComArgs().Int(1));
      ADD_FAILURE() << "no exception";
    } catch (const platform::EComFailure& e) {
      EXPECT_EQ(e.Code(), c.code) << c.text;
      EXPECT_EQ(e.Description(), c.text);
      EXPECT_FALSE(e.NameLookup());
    }
  }
  try {
    object.Put("Nichts", platform::ComArgs().Bool(true));
    ADD_FAILURE() << "no exception";
  } catch (const platform::EComFailure& e) {
    EXPECT_EQ(e.Code(), DISP_E_UNKNOWNNAME);
    EXPECT_TRUE(e.NameLookup());
  }
}

}  // namespace
