#include "platform/base/ComObject.h"

#include <cstdio>
#include <utility>

namespace platform {

namespace {

constexpr UINT kCodePage1252 = 1252;

std::string DescriptionOrCode(HRESULT code, const std::string& description) {
  return description.empty() ? "0x" + HexCode(code) : description;
}

BSTR Bstr(std::string_view ansi) {
  const std::wstring wide = WideFromAnsi(ansi);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

HRESULT ClassId(std::string_view progId, CLSID& clsid) {
  // Each thread that makes objects enters an apartment once and never leaves
  // it: COM lives as long as the thread (the GUI thread's is single-threaded).
  thread_local const HRESULT entered = CoInitialize(nullptr);
  (void)entered;
  return CLSIDFromProgID(WideFromAnsi(progId).c_str(), &clsid);
}

}  // namespace

EComFailure::EComFailure(HRESULT code, std::string description, bool nameLookup)
    : std::runtime_error(DescriptionOrCode(code, description)),
      code_(code),
      description_(std::move(description)),
      nameLookup_(nameLookup) {}

std::string HexCode(HRESULT code) {
  char text[16];
  std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(code));
  return text;
}

std::wstring WideFromAnsi(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int n = MultiByteToWideChar(kCodePage1252, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(kCodePage1252, 0, ansi.data(), static_cast<int>(ansi.size()), out.data(), n);
  return out;
}

std::string AnsiFromBstr(BSTR text) {
  const UINT length = text ? SysStringLen(text) : 0;
  if (length == 0) return {};
  const int n = WideCharToMultiByte(kCodePage1252, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(kCodePage1252, 0, text, static_cast<int>(length), out.data(), n, nullptr, nullptr);
  return out;
}

// ---- arguments ---------------------------------------------------------------

ComArgs::~ComArgs() {
  for (VARIANTARG& v : args_)
    if (!(v.vt & VT_BYREF)) VariantClear(&v);
  for (BSTR b : byRef_) SysFreeString(b);
}

ComArgs& ComArgs::Add(const VARIANTARG& value) {
  args_.insert(args_.begin(), value);
  return *this;
}

ComArgs& ComArgs::Missing() {
  VARIANTARG v;
  VariantInit(&v);
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return Add(v);
}

ComArgs& ComArgs::Bool(bool value) {
  VARIANTARG v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return Add(v);
}

ComArgs& ComArgs::Int(int32_t value) {
  VARIANTARG v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return Add(v);
}

ComArgs& ComArgs::Text(std::string_view ansi) {
  VARIANTARG v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = Bstr(ansi);
  return Add(v);
}

ComArgs& ComArgs::TextByRef(std::string_view ansi) {
  byRef_.push_back(Bstr(ansi));
  VARIANTARG v;
  VariantInit(&v);
  v.vt = VT_BSTR | VT_BYREF;
  v.pbstrVal = &byRef_.back();
  return Add(v);
}

ComArgs& ComArgs::Object(const ComObject& object) {
  VARIANTARG v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = object.Get();
  if (v.pdispVal) v.pdispVal->AddRef();
  return Add(v);
}

// ---- objects -------------------------------------------------------------------

ComObject ComObject::Create(std::string_view progId) {
  CLSID clsid;
  HRESULT hr = ClassId(progId, clsid);
  if (FAILED(hr)) throw EComFailure(hr, {}, false);
  IDispatch* object = nullptr;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                        reinterpret_cast<void**>(&object));
  if (FAILED(hr)) throw EComFailure(hr, {}, false);
  return ComObject(object);
}

ComObject ComObject::Running(std::string_view progId) {
  CLSID clsid;
  if (FAILED(ClassId(progId, clsid))) return {};
  IUnknown* unknown = nullptr;
  if (FAILED(GetActiveObject(clsid, nullptr, &unknown)) || !unknown) return {};
  const platform::OwnedInterface<IUnknown> running(unknown);
  IDispatch* object = nullptr;
  if (FAILED(running.Get()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object)))) return {};
  return ComObject(object);
}

ComObject ComObject::Of(const VARIANT& value) {
  if (value.vt == VT_DISPATCH && value.pdispVal) {
    value.pdispVal->AddRef();
    return ComObject(value.pdispVal);
  }
  IDispatch* object = nullptr;
  if (value.vt == VT_UNKNOWN && value.punkVal &&
      SUCCEEDED(value.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object))))
    return ComObject(object);
  return {};
}

ComVariant ComObject::Call(std::string_view name, const ComArgs& args) const {
  DISPPARAMS params{args.Data(), nullptr, args.Count(), 0};
  return Invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, params);
}

void ComObject::Put(std::string_view name, const ComArgs& args) const {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{args.Data(), &named, args.Count(), 1};
  Invoke(name, DISPATCH_PROPERTYPUT, params);
}

ComVariant ComObject::Invoke(std::string_view name, WORD flags, DISPPARAMS& params) const {
  std::wstring wideName = WideFromAnsi(name);
  LPOLESTR names[] = {wideName.data()};
  DISPID id = 0;
  HRESULT hr = object_.Get()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) throw EComFailure(hr, {}, true);
  ComVariant result;
  EXCEPINFO info{};
  UINT argError = 0;
  hr = object_.Get()->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &result, &info, &argError);
  if (hr == DISP_E_EXCEPTION) {
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    std::string description = AnsiFromBstr(info.bstrDescription);
    const HRESULT code = info.scode ? info.scode : static_cast<HRESULT>(info.wCode);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    throw EComFailure(code, std::move(description), false);
  }
  if (FAILED(hr)) throw EComFailure(hr, {}, false);
  return result;
}

}  // namespace platform
