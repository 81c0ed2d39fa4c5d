#include "tessarel/Automation.h"

#include <windows.h>
#include <oleauto.h>

#include <charconv>
#include <cstdio>

#include "core/Texts.h"
#include "platform/base/OwnedHandle.h"
#include "platform/base/StringList.h"
#include "tessarel/ReaderTexts.h"
#include "tessarel/StandIn.h"

namespace tessarel {

// ---- values ---------------------------------------------------------------

AutoValue::AutoValue(AutoRef object) {
  if (object) v_ = std::move(object);
}

namespace {
[[noreturn]] void TypeMismatch() { throw EAutomation(core::LoadStr(readertexts::TypeMismatch)); }
}  // namespace

bool AutoValue::AsBool() const {
  if (auto b = std::get_if<bool>(&v_)) return *b;
  if (auto i = std::get_if<int32_t>(&v_)) return *i != 0;
  if (IsNothing()) return false;
  if (auto s = std::get_if<std::string>(&v_)) {
    if (platform::SameText(*s, "true")) return true;
    if (platform::SameText(*s, "false")) return false;
    return AsInt() != 0;
  }
  TypeMismatch();
}

int32_t AutoValue::AsInt() const {
  if (auto i = std::get_if<int32_t>(&v_)) return *i;
  if (auto b = std::get_if<bool>(&v_)) return *b ? -1 : 0;  // an automation true is all bits set
  if (IsNothing()) return 0;
  if (auto s = std::get_if<std::string>(&v_)) {
    const char* first = s->data();
    const char* last = first + s->size();
    while (first < last && *first == ' ') ++first;
    while (last > first && last[-1] == ' ') --last;
    int32_t value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc() && end == last && first != last) return value;
  }
  TypeMismatch();
}

std::string AutoValue::AsText() const {
  if (auto s = std::get_if<std::string>(&v_)) return *s;
  if (auto i = std::get_if<int32_t>(&v_)) return std::to_string(*i);
  if (auto b = std::get_if<bool>(&v_)) return *b ? "True" : "False";
  if (IsNothing()) return {};
  TypeMismatch();
}

const AutoRef& AutoValue::AsObject() const {
  if (auto o = std::get_if<AutoRef>(&v_)) return *o;
  TypeMismatch();
}

// ---- COM ------------------------------------------------------------------

namespace {

std::wstring Wide(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int n = MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), out.data(), n);
  return out;
}

std::string Ansi(const wchar_t* wide, size_t length) {
  if (length == 0) return {};
  const int n = WideCharToMultiByte(1252, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(1252, 0, wide, static_cast<int>(length), out.data(), n, nullptr, nullptr);
  return out;
}

std::string Ansi(BSTR b) { return b ? Ansi(b, SysStringLen(b)) : std::string(); }

// The system's text for a COM error; where the system has none (Wine has no
// texts for them), our own for the errors a reader meets.
std::string ComErrorMessage(HRESULT hr) {
  char* buffer = nullptr;
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
  std::string text = n ? std::string(buffer, n) : std::string();
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' || text.back() == '.'))
    text.pop_back();
  if (!text.empty()) return text;
  switch (hr) {
    case CO_E_CLASSSTRING: return core::LoadStr(readertexts::ClassString);
    case REGDB_E_CLASSNOTREG: return core::LoadStr(readertexts::ClassNotRegistered);
    case DISP_E_UNKNOWNNAME: return core::FormatStr(core::LoadStr(readertexts::UnknownName), {""});
    case DISP_E_TYPEMISMATCH: return core::LoadStr(readertexts::TypeMismatch);
    case DISP_E_BADINDEX: return core::LoadStr(readertexts::BadIndex);
    default: break;
  }
  char code[16];
  std::snprintf(code, sizeof code, "%08lX", static_cast<unsigned long>(hr));
  return core::FormatStr(core::LoadStr(readertexts::ComError), {code});
}

// A VARIANT that clears itself.
struct Variant : VARIANT {
  Variant() { VariantInit(this); }
  ~Variant() { VariantClear(this); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
};

class DispatchObject;

// The argument array of one call: COM wants the arguments in reverse order,
// and a text passed by reference points at a BSTR that must outlive the call.
class Arguments {
 public:
  explicit Arguments(const std::vector<AutoValue>& args);
  ~Arguments();
  Arguments(const Arguments&) = delete;
  Arguments& operator=(const Arguments&) = delete;
  VARIANTARG* Data() { return variants_.empty() ? nullptr : variants_.data(); }
  UINT Count() const { return static_cast<UINT>(variants_.size()); }

 private:
  std::vector<VARIANTARG> variants_;
  std::vector<BSTR> byRefStrings_;
};

class DispatchObject : public AutoObject {
 public:
  explicit DispatchObject(IDispatch* dispatch) : dispatch_(dispatch) {}  // takes the reference

  IDispatch* Dispatch() const { return dispatch_.Get(); }

  AutoValue Call(const std::string& name, const std::vector<AutoValue>& args) override {
    Arguments arguments(args);
    DISPPARAMS params{arguments.Data(), nullptr, arguments.Count(), 0};
    return Invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, params);
  }

  void Put(const std::string& name, const AutoValue& value) override {
    Arguments arguments({value});
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{arguments.Data(), &named, 1, 1};
    Invoke(name, DISPATCH_PROPERTYPUT, params);
  }

 private:
  AutoValue Invoke(const std::string& name, WORD flags, DISPPARAMS& params) {
    std::wstring wideName = Wide(name);
    LPOLESTR names[] = {wideName.data()};
    DISPID id = 0;
    HRESULT hr = dispatch_.Get()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) {
      if (hr == DISP_E_UNKNOWNNAME) throw EAutomation(core::FormatStr(core::LoadStr(readertexts::UnknownName), {name}));
      throw EAutomation(ComErrorMessage(hr));
    }
    Variant result;
    EXCEPINFO info{};
    UINT argError = 0;
    hr = dispatch_.Get()->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &result, &info, &argError);
    if (hr == DISP_E_EXCEPTION) {
      if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
      std::string message = Ansi(info.bstrDescription);
      const HRESULT code = info.scode ? info.scode : static_cast<HRESULT>(info.wCode);
      SysFreeString(info.bstrSource);
      SysFreeString(info.bstrDescription);
      SysFreeString(info.bstrHelpFile);
      throw EAutomation(message.empty() ? ComErrorMessage(code) : message);
    }
    if (FAILED(hr)) throw EAutomation(ComErrorMessage(hr));
    return FromVariant(result);
  }

  static AutoValue FromVariant(VARIANT& v);

  platform::OwnedInterface<IDispatch> dispatch_;
};

Arguments::Arguments(const std::vector<AutoValue>& args) : variants_(args.size()) {
  for (size_t i = 0; i < args.size(); ++i) {
    const AutoValue& a = args[args.size() - 1 - i];
    VARIANTARG& v = variants_[i];
    VariantInit(&v);
    if (a.IsNothing()) {
      // An omitted optional argument.
      v.vt = VT_ERROR;
      v.scode = DISP_E_PARAMNOTFOUND;
    } else if (a.IsObject()) {
      auto* object = dynamic_cast<DispatchObject*>(a.AsObject().get());
      if (!object) TypeMismatch();
      v.vt = VT_DISPATCH;
      v.pdispVal = object->Dispatch();
      v.pdispVal->AddRef();
    } else if (a.IsText()) {
      const std::wstring w = Wide(a.AsText());
      BSTR b = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
      if (a.ByReference()) {
        byRefStrings_.push_back(b);
        v.vt = VT_BSTR | VT_BYREF;
        v.pbstrVal = &byRefStrings_.back();
      } else {
        v.vt = VT_BSTR;
        v.bstrVal = b;
      }
    } else if (a.IsBool()) {
      v.vt = VT_BOOL;
      v.boolVal = a.AsBool() ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
      v.vt = VT_I4;
      v.lVal = a.AsInt();
    }
  }
  // The reference strings may have moved while the vector grew: point anew.
  size_t next = 0;
  for (VARIANTARG& v : variants_)
    if (v.vt == (VT_BSTR | VT_BYREF)) v.pbstrVal = &byRefStrings_[next++];
}

Arguments::~Arguments() {
  for (VARIANTARG& v : variants_)
    if (!(v.vt & VT_BYREF)) VariantClear(&v);
  for (BSTR b : byRefStrings_) SysFreeString(b);
}

AutoValue DispatchObject::FromVariant(VARIANT& v) {
  VARIANT* value = &v;
  if (v.vt == (VT_VARIANT | VT_BYREF) && v.pvarVal) value = v.pvarVal;
  switch (value->vt) {
    case VT_EMPTY:
    case VT_NULL:
      return {};
    case VT_BOOL:
      return AutoValue(value->boolVal != VARIANT_FALSE);
    case VT_BSTR:
      return AutoValue(Ansi(value->bstrVal));
    case VT_DISPATCH:
      if (!value->pdispVal) return {};
      value->pdispVal->AddRef();
      return AutoValue(AutoRef(std::make_shared<DispatchObject>(value->pdispVal)));
    case VT_UNKNOWN: {
      IDispatch* dispatch = nullptr;
      if (!value->punkVal || FAILED(value->punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
        return {};
      return AutoValue(AutoRef(std::make_shared<DispatchObject>(dispatch)));
    }
    default:
      break;
  }
  Variant converted;
  if (SUCCEEDED(VariantChangeType(&converted, value, 0, VT_I4))) return AutoValue(static_cast<int32_t>(converted.lVal));
  if (SUCCEEDED(VariantChangeType(&converted, value, 0, VT_BSTR))) return AutoValue(Ansi(converted.bstrVal));
  TypeMismatch();
}

class ComFactory : public AutomationFactory {
 public:
  AutoRef CreateObject(const std::string& progId) override {
    CLSID clsid;
    HRESULT hr = ClassId(progId, clsid);
    IDispatch* dispatch = nullptr;
    if (SUCCEEDED(hr))
      hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                            reinterpret_cast<void**>(&dispatch));
    if (hr == CO_E_CLASSSTRING || hr == REGDB_E_CLASSNOTREG) throw EClassNotRegistered(ComErrorMessage(hr));
    if (FAILED(hr)) throw EAutomation(ComErrorMessage(hr));
    return std::make_shared<DispatchObject>(dispatch);
  }

  AutoRef ActiveObject(const std::string& progId) override {
    CLSID clsid;
    if (FAILED(ClassId(progId, clsid))) return nullptr;
    IUnknown* unknown = nullptr;
    if (FAILED(::GetActiveObject(clsid, nullptr, &unknown)) || !unknown) return nullptr;
    const platform::OwnedInterface<IUnknown> running(unknown);
    IDispatch* dispatch = nullptr;
    const HRESULT hr = running.Get()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    if (FAILED(hr) || !dispatch) return nullptr;
    return std::make_shared<DispatchObject>(dispatch);
  }

 private:
  static HRESULT ClassId(const std::string& progId, CLSID& clsid) {
    // The programs never leave COM again: it lives as long as the process.
    static const HRESULT initialised = CoInitialize(nullptr);
    (void)initialised;
    return CLSIDFromProgID(Wide(progId).c_str(), &clsid);
  }
};

// COM first; where the class is not registered, our stand-in.
class DefaultFactory : public AutomationFactory {
 public:
  AutoRef CreateObject(const std::string& progId) override {
    try {
      return ComAutomation().CreateObject(progId);
    } catch (const EClassNotRegistered&) {
      if (AutoRef standIn = CreateStandIn(progId)) return standIn;
      throw;
    }
  }
  AutoRef ActiveObject(const std::string& progId) override { return ComAutomation().ActiveObject(progId); }
};

AutomationFactory* g_factory = nullptr;

}  // namespace

AutomationFactory& ComAutomation() {
  static ComFactory instance;
  return instance;
}

AutomationFactory& Automation() {
  static DefaultFactory instance;
  return g_factory ? *g_factory : instance;
}

void SetAutomationFactory(AutomationFactory* factory) { g_factory = factory; }

std::string ClassNotRegisteredMessage() { return ComErrorMessage(CO_E_CLASSSTRING); }

}  // namespace tessarel
