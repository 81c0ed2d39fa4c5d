#include "tessarel/Automation.h"

#include <windows.h>

#include <charconv>
#include <utility>

#include "core/Texts.h"
#include "platform/base/ComObject.h"
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

// The system's text for a COM error, without its closing full stop; where the
// system has none (Wine has no texts for them), our own for the errors a
// reader meets.
std::string ComErrorMessage(HRESULT hr) {
  std::string text = platform::SystemMessage(hr);
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
  return core::FormatStr(core::LoadStr(readertexts::ComError), {platform::HexCode(hr)});
}

// The error line's text for a failed call of the member name: an unknown
// member by its name, else the server's description, else the system's text.
EAutomation Worded(const platform::EComFailure& failure, const std::string& name) {
  if (failure.NameLookup() && failure.Code() == DISP_E_UNKNOWNNAME)
    return EAutomation(core::FormatStr(core::LoadStr(readertexts::UnknownName), {name}));
  if (!failure.Description().empty()) return EAutomation(failure.Description());
  return EAutomation(ComErrorMessage(failure.Code()));
}

class DispatchObject : public AutoObject {
 public:
  explicit DispatchObject(platform::ComObject object) : object_(std::move(object)) {}

  const platform::ComObject& Com() const { return object_; }

  AutoValue Call(const std::string& name, const std::vector<AutoValue>& args) override {
    platform::ComArgs arguments;
    for (const AutoValue& a : args) Add(arguments, a);
    try {
      platform::ComVariant result = object_.Call(name, arguments);
      return FromVariant(result);
    } catch (const platform::EComFailure& failure) {
      throw Worded(failure, name);
    }
  }

  void Put(const std::string& name, const AutoValue& value) override {
    platform::ComArgs arguments;
    Add(arguments, value);
    try {
      object_.Put(name, arguments);
    } catch (const platform::EComFailure& failure) {
      throw Worded(failure, name);
    }
  }

 private:
  static void Add(platform::ComArgs& arguments, const AutoValue& a);
  static AutoValue FromVariant(VARIANT& v);

  platform::ComObject object_;
};

void DispatchObject::Add(platform::ComArgs& arguments, const AutoValue& a) {
  if (a.IsNothing()) {
    arguments.Missing();
  } else if (a.IsObject()) {
    auto* object = dynamic_cast<DispatchObject*>(a.AsObject().get());
    if (!object) TypeMismatch();
    arguments.Object(object->Com());
  } else if (a.IsText()) {
    if (a.ByReference())
      arguments.TextByRef(a.AsText());
    else
      arguments.Text(a.AsText());
  } else if (a.IsBool()) {
    arguments.Bool(a.AsBool());
  } else {
    arguments.Int(a.AsInt());
  }
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
      return AutoValue(platform::AnsiFromBstr(value->bstrVal));
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      platform::ComObject object = platform::ComObject::Of(*value);
      if (!object) return {};
      return AutoValue(AutoRef(std::make_shared<DispatchObject>(std::move(object))));
    }
    default:
      break;
  }
  platform::ComVariant converted;
  if (SUCCEEDED(VariantChangeType(&converted, value, 0, VT_I4))) return AutoValue(static_cast<int32_t>(converted.lVal));
  if (SUCCEEDED(VariantChangeType(&converted, value, 0, VT_BSTR))) return AutoValue(platform::AnsiFromBstr(converted.bstrVal));
  TypeMismatch();
}

class ComFactory : public AutomationFactory {
 public:
  AutoRef CreateObject(const std::string& progId) override {
    try {
      return std::make_shared<DispatchObject>(platform::ComObject::Create(progId));
    } catch (const platform::EComFailure& failure) {
      const HRESULT hr = failure.Code();
      if (hr == CO_E_CLASSSTRING || hr == REGDB_E_CLASSNOTREG) throw EClassNotRegistered(ComErrorMessage(hr));
      throw EAutomation(ComErrorMessage(hr));
    }
  }

  AutoRef ActiveObject(const std::string& progId) override {
    platform::ComObject running = platform::ComObject::Running(progId);
    if (!running) return nullptr;
    return std::make_shared<DispatchObject>(std::move(running));
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
