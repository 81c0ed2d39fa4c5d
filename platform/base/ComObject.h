#pragma once
// Late-bound automation over COM: an object made from its class name (a
// ProgID) or found running, its methods and properties called by name through
// IDispatch, texts crossing as code page 1252. Every failure is one exception
// that carries the HRESULT and the server's own description; how it reads to
// the user is the caller's choice, so no program's text lives here.
#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/OwnedHandle.h"
#include "platform/base/SystemMessage.h"

namespace platform {

// A failed COM call.
class EComFailure : public std::runtime_error {
 public:
  EComFailure(HRESULT code, std::string description, bool nameLookup);
  HRESULT Code() const { return code_; }
  // The server's own text for an exception it raised; empty when it gave none.
  const std::string& Description() const { return description_; }
  // Looking up the member's name failed (mostly: the object has no such
  // member), so nothing was called.
  bool NameLookup() const { return nameLookup_; }

 private:
  HRESULT code_;
  std::string description_;
  bool nameLookup_;
};

// code as eight hexadecimal digits, for a message without the system's text.
std::string HexCode(HRESULT code);

std::wstring WideFromAnsi(std::string_view ansi);
// The whole text of a BSTR (which may hold NULs); empty for none.
std::string AnsiFromBstr(BSTR text);

// A VARIANT that clears itself: a call's result.
struct ComVariant : VARIANT {
  ComVariant() { VariantInit(this); }
  ~ComVariant() { VariantClear(this); }
  ComVariant(ComVariant&& other) noexcept : VARIANT(other) { VariantInit(&other); }
  ComVariant(const ComVariant&) = delete;
  ComVariant& operator=(const ComVariant&) = delete;
};

class ComObject;

// The arguments of one call, added in the order the member takes them.
class ComArgs {
 public:
  ComArgs() = default;
  ~ComArgs();
  ComArgs(const ComArgs&) = delete;
  ComArgs& operator=(const ComArgs&) = delete;

  ComArgs& Missing();  // an omitted optional argument
  ComArgs& Bool(bool value);
  ComArgs& Int(int32_t value);
  ComArgs& Text(std::string_view ansi);
  ComArgs& TextByRef(std::string_view ansi);  // as some servers want paths
  ComArgs& Object(const ComObject& object);

 private:
  friend class ComObject;
  ComArgs& Add(const VARIANTARG& value);
  // DISPPARAMS is not const; a server writes only through by-reference
  // arguments, and those point into byRef_.
  VARIANTARG* Data() const { return args_.empty() ? nullptr : const_cast<VARIANTARG*>(args_.data()); }
  UINT Count() const { return static_cast<UINT>(args_.size()); }

  std::vector<VARIANTARG> args_;  // last argument first, as COM takes them
  std::deque<BSTR> byRef_;        // a deque keeps them in place as it grows
};

// An automation object whose reference we hold.
class ComObject {
 public:
  ComObject() = default;
  explicit ComObject(IDispatch* object) : object_(object) {}  // takes the reference

  // A new object of the class; throws EComFailure.
  static ComObject Create(std::string_view progId);
  // The running object of the class; empty when there is none.
  static ComObject Running(std::string_view progId);
  // The object a value holds (an IDispatch, or an IUnknown that answers for
  // one); empty when it holds none.
  static ComObject Of(const VARIANT& value);

  explicit operator bool() const { return static_cast<bool>(object_); }
  IDispatch* Get() const { return object_.Get(); }

  // A method call or a property read (with arguments: an indexed property).
  // Throws EComFailure.
  ComVariant Call(std::string_view name, const ComArgs& args = {}) const;
  // A property write: the last argument is the value, any before it the
  // index. Throws EComFailure.
  void Put(std::string_view name, const ComArgs& args) const;

 private:
  ComVariant Invoke(std::string_view name, WORD flags, DISPPARAMS& params) const;

  platform::OwnedInterface<IDispatch> object_;
};

}  // namespace platform
