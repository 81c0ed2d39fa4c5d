#pragma once
// Late-bound automation: objects reached by name (a ProgID), their methods
// and properties called by name, as the readers drive the office
// applications.
//
// On a machine with the applications installed, CreateOleObject creates the
// COM object and every call goes through IDispatch (GetIDsOfNames, Invoke).
// Where the class is not registered, our stand-in server for that class
// answers instead (StandIn.h); where there is none, the creation fails as
// COM's does. Tests install a factory of their own.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace tessarel {

class AutoObject;
using AutoRef = std::shared_ptr<AutoObject>;

// An automation value: nothing (empty, or a null object), a boolean, a 32-bit
// integer, a text, or an object. A text may be passed by reference, as the
// applications expect document paths.
class AutoValue {
 public:
  AutoValue() = default;
  AutoValue(bool b) : v_(b) {}
  AutoValue(int32_t i) : v_(i) {}
  AutoValue(const char* s) : v_(std::string(s)) {}
  AutoValue(std::string s) : v_(std::move(s)) {}
  AutoValue(AutoRef object);

  static AutoValue ByRef(std::string s) {
    AutoValue v(std::move(s));
    v.byRef_ = true;
    return v;
  }

  bool IsNothing() const { return std::holds_alternative<std::monostate>(v_); }
  bool IsObject() const { return std::holds_alternative<AutoRef>(v_); }
  bool IsText() const { return std::holds_alternative<std::string>(v_); }
  bool IsBool() const { return std::holds_alternative<bool>(v_); }
  bool ByReference() const { return byRef_; }

  // Conversions as automation makes them; a value that cannot be converted
  // throws EAutomation ("Typkonflikt").
  bool AsBool() const;
  int32_t AsInt() const;
  std::string AsText() const;
  // The object; throws when the value holds none.
  const AutoRef& AsObject() const;

 private:
  std::variant<std::monostate, bool, int32_t, std::string, AutoRef> v_;
  bool byRef_ = false;
};

// A failure reported by an automation server or the automation layer; the
// message is what the error line of a reader shows.
class EAutomation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The class is neither registered nor served by a stand-in.
class EClassNotRegistered : public EAutomation {
 public:
  using EAutomation::EAutomation;
};

// The user cancelled a long operation of a stand-in server (the progress
// window was closed). Not a failure of the document.
class EAutomationCancelled : public EAutomation {
 public:
  using EAutomation::EAutomation;
};

// An automation object. Names are compared without regard to case, as
// IDispatch does.
class AutoObject {
 public:
  virtual ~AutoObject() = default;
  // A method call or a property read (with arguments: an indexed property).
  virtual AutoValue Call(const std::string& name, const std::vector<AutoValue>& args = {}) = 0;
  // A property write.
  virtual void Put(const std::string& name, const AutoValue& value) = 0;

  AutoValue Get(const std::string& name) { return Call(name); }
};

// Where objects come from.
class AutomationFactory {
 public:
  virtual ~AutomationFactory() = default;
  // A new object of the class; throws EAutomation when it cannot be made
  // (EClassNotRegistered when the class is unknown).
  virtual AutoRef CreateObject(const std::string& progId) = 0;
  // The running object of the class, or null when there is none.
  virtual AutoRef ActiveObject(const std::string& progId) = 0;
};

// The factory in use: by default COM, falling back to the stand-ins.
AutomationFactory& Automation();
// Installs a factory (nullptr: back to the default). The caller keeps it.
void SetAutomationFactory(AutomationFactory* factory);

// The system's message for a class that is not registered: what a creation
// fails with when neither the application nor a stand-in is there.
std::string ClassNotRegisteredMessage();

// The COM path alone, without stand-ins (Windows with the applications).
AutomationFactory& ComAutomation();

}  // namespace tessarel
