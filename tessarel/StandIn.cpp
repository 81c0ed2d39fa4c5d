#include "tessarel/StandIn.h"

#include "core/Texts.h"
#include "platform/base/StringList.h"
#include "tessarel/ReaderTexts.h"
#include "tessarel/StandInServers.h"
#include "tessarel/StandInTool.h"

namespace tessarel {

namespace standin {

std::string LowerName(std::string name) {
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return name;
}

AutoValue StandInObject::Call(const std::string& name, const Args& args) {
  auto it = methods_.find(LowerName(name));
  if (it == methods_.end()) throw EAutomation(core::FormatStr(core::LoadStr(readertexts::UnknownName), {name}));
  return it->second(args);
}

void StandInObject::Put(const std::string& name, const AutoValue& value) {
  auto it = setters_.find(LowerName(name));
  if (it == setters_.end()) throw EAutomation(core::FormatStr(core::LoadStr(readertexts::UnknownName), {name}));
  it->second(value);
}

void StandInObject::AddMethod(const std::string& name, Method method) { methods_[LowerName(name)] = std::move(method); }

void StandInObject::AddSetter(const std::string& name, Setter setter) { setters_[LowerName(name)] = std::move(setter); }

const AutoValue& Arg(const StandInObject::Args& args, size_t i) {
  static const AutoValue nothing;
  return i < args.size() ? args[i] : nothing;
}

std::string RequireTool(const std::string& name) {
  std::string path = FindTool(name);
  if (path.empty()) throw EClassNotRegistered(ClassNotRegisteredMessage());
  return path;
}

void ThrowBadIndex() { throw EAutomation(core::LoadStr(readertexts::BadIndex)); }
void ThrowNoDocument() { throw EAutomation(core::LoadStr(readertexts::NoDocument)); }

}  // namespace standin

AutoRef CreateStandIn(const std::string& progId) {
  using platform::SameText;
  if (SameText(progId, "AcroExch.App")) return standin::CreateAcrobatApp();
  if (SameText(progId, "AcroExch.AVDoc")) return standin::CreateAcrobatAVDoc();
  if (SameText(progId, "Word.Application")) return standin::CreateWordApplication();
  if (SameText(progId, "Excel.Application")) return standin::CreateExcelApplication();
  if (SameText(progId, "PowerPoint.Application")) return standin::CreatePowerPointApplication();
  return nullptr;
}

}  // namespace tessarel
