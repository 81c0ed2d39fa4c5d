#pragma once
// What the stand-in servers share: an automation object whose members are
// looked up by name in a table, and the servers' constructors.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tessarel/Automation.h"

namespace tessarel::standin {

class StandInObject : public AutoObject {
 public:
  using Args = std::vector<AutoValue>;
  using Method = std::function<AutoValue(const Args&)>;
  using Setter = std::function<void(const AutoValue&)>;

  AutoValue Call(const std::string& name, const Args& args) override;
  void Put(const std::string& name, const AutoValue& value) override;

 protected:
  // Names are matched without regard to case, as IDispatch does.
  void AddMethod(const std::string& name, Method method);
  // A property that is only written (the readers never read one back).
  void AddSetter(const std::string& name, Setter setter);

 private:
  std::map<std::string, Method> methods_;
  std::map<std::string, Setter> setters_;
};

// A member or menu name as the servers compare it (ASCII lower case).
std::string LowerName(std::string name);

// Argument i, or nothing when the caller passed fewer.
const AutoValue& Arg(const StandInObject::Args& args, size_t i);

// The Unix path of a server's tool; throws EClassNotRegistered when it is
// not installed: a missing tool is a missing application.
std::string RequireTool(const std::string& name);

// Failures the applications raise in these cases.
[[noreturn]] void ThrowBadIndex();
[[noreturn]] void ThrowNoDocument();

// The servers. Each throws EClassNotRegistered when its tool is missing.
AutoRef CreateAcrobatApp();
AutoRef CreateAcrobatAVDoc();
AutoRef CreateWordApplication();
AutoRef CreateExcelApplication();
AutoRef CreatePowerPointApplication();

}  // namespace tessarel::standin
