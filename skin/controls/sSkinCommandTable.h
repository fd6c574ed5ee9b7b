#pragma once
// The answers of a skinned owner to the skin command message, kept as one
// table from sub-command to handler. TsCommonData answers through the table
// it was given: the standard table (the answers every skinned control
// gives) unless its class made its own. A class builds its table once from
// the standard one, adding entries for the sub-commands it answers and
// overriding those it answers differently:
//
//   static const TsSkinCommandTable& ButtonCommands() {
//     static const TsSkinCommandTable table = TsSkinCommandTable(TsSkinCommandTable::Standard())
//         .Set(SCMD_STOP_FADING, OwnerMethod(&TsButton::StopFading))
//         .Override(SCMD_REFRESH, [](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
//           ... before ...; const bool answered = standard(d, m); ... after ...; return answered;
//         });
//     return table;
//   }
//
// A handler writes its answer into the record (LParam and/or Result) and
// returns true when it answered; a sub-command without an entry, or whose
// handler returns false, is not answered (the record is left as it came).

#include <windows.h>

#include <array>
#include <functional>

#include "toolkit/win/Messages.h"
#include "toolkit/win/Types.h"

namespace skin {

class TsCommonData;

using TsSkinCommandHandler = std::function<bool(TsCommonData& data, tk::TMessage& message)>;
// An entry that replaces another and receives it (empty when there was
// none), to run it where the new answer needs it.
using TsSkinCommandOverride =
    std::function<bool(TsCommonData& data, tk::TMessage& message, const TsSkinCommandHandler& inherited)>;

class TsSkinCommandTable {
public:
  // Sub-commands are numbered 1 to 63.
  static constexpr WORD kLastSubCommand = 63;

  // The standard answers of TsCommonData.
  static const TsSkinCommandTable& Standard();

  TsSkinCommandTable() = default;

  // Each returns the table, so that a class's table is one expression.
  // Throws std::out_of_range for a number beyond kLastSubCommand.
  TsSkinCommandTable& Set(WORD subCommand, TsSkinCommandHandler handler);
  TsSkinCommandTable& Override(WORD subCommand, TsSkinCommandOverride handler);
  // The present answer first, then `after` (whether the first answered or not).
  TsSkinCommandTable& Extend(WORD subCommand, std::function<void(TsCommonData&, tk::TMessage&)> after);
  TsSkinCommandTable& Remove(WORD subCommand);

  // The entry, or none.
  const TsSkinCommandHandler* Find(WORD subCommand) const;
  // Runs the entry of the message's sub-command; false when there is none
  // or it did not answer.
  bool Dispatch(TsCommonData& data, tk::TMessage& message) const;

private:
  TsSkinCommandHandler& Slot(WORD subCommand);
  std::array<TsSkinCommandHandler, kLastSubCommand + 1> entries_;
};

// The object a skin data belongs to (its owner control, form skinning
// component or adapter item).
tk::TObject* SkinDataOwner(const TsCommonData& data);

// A handler that calls a method of the owner object; it declines (returns
// false) when the owner is not an Owner.
template <class Owner>
TsSkinCommandHandler OwnerMethod(bool (Owner::*method)(tk::TMessage&)) {
  return [method](TsCommonData& data, tk::TMessage& message) {
    auto* owner = dynamic_cast<Owner*>(SkinDataOwner(data));
    return owner ? (owner->*method)(message) : false;
  };
}

}  // namespace skin
