#include "sSkinCommandTable.h"

#include <stdexcept>
#include <string>

#include "skin/data/sSkinCommand.h"

namespace skin {

TsSkinCommandHandler& TsSkinCommandTable::Slot(WORD subCommand) {
  if (subCommand > kLastSubCommand)
    throw std::out_of_range("skin sub-command " + std::to_string(subCommand) + " is beyond the table");
  return entries_[subCommand];
}

TsSkinCommandTable& TsSkinCommandTable::Set(WORD subCommand, TsSkinCommandHandler handler) {
  Slot(subCommand) = std::move(handler);
  return *this;
}

TsSkinCommandTable& TsSkinCommandTable::Override(WORD subCommand, TsSkinCommandOverride handler) {
  TsSkinCommandHandler& slot = Slot(subCommand);
  slot = [inherited = std::move(slot), handler = std::move(handler)](TsCommonData& data, tk::TMessage& message) {
    return handler(data, message, inherited);
  };
  return *this;
}

TsSkinCommandTable& TsSkinCommandTable::Extend(WORD subCommand, std::function<void(TsCommonData&, tk::TMessage&)> after) {
  return Override(subCommand, [after = std::move(after)](TsCommonData& data, tk::TMessage& message,
                                                        const TsSkinCommandHandler& inherited) {
    const bool answered = inherited ? inherited(data, message) : false;
    after(data, message);
    return answered;
  });
}

TsSkinCommandTable& TsSkinCommandTable::Remove(WORD subCommand) {
  Slot(subCommand) = nullptr;
  return *this;
}

const TsSkinCommandHandler* TsSkinCommandTable::Find(WORD subCommand) const {
  if (subCommand > kLastSubCommand || !entries_[subCommand]) return nullptr;
  return &entries_[subCommand];
}

bool TsSkinCommandTable::Dispatch(TsCommonData& data, tk::TMessage& message) const {
  if (message.Msg != SM_VEXACMD) return false;
  const TsSkinCommandHandler* handler = Find(SkinSubCommand(message.WParam));
  return handler && (*handler)(data, message);
}

}  // namespace skin
