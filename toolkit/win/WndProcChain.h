#pragma once
// A window procedure in layers. The base is the owner's own handling (a
// control's WndProc, a foreign window's previous procedure); hooks sit in
// front of it, the latest installed first. Each layer that takes a window
// over (form skinning, control adapters, a test's recorder) installs its
// hook under the id Install returns and removes exactly that hook later,
// in any order: removing one never drops another or revives a removed one.
//
// A hook decides what happens to a message: answer it (write Result or
// LParam), pass it on with next(message) - to the hooks installed before it,
// then the base - or both. A hook removed while a message is in flight is
// skipped from then on; the one running stays alive until it returns.
//
// A hook that throws does not stop the window: the failure is recorded once
// (ErrorRecord.h) and, when the hook had not passed the message on, the rest
// of the chain handles it as if the hook were not there. Exceptions of the
// base pass through unchanged, to the window's own error handling.

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/win/Messages.h"

namespace tk {

using TWndMethod = std::function<void(TMessage&)>;

class TWndNext;
using TWndHook = std::function<void(TMessage& message, const TWndNext& next)>;
using TWndHookId = unsigned;

class TWndProcChain {
public:
  explicit TWndProcChain(TWndMethod base);
  TWndProcChain(const TWndProcChain&) = delete;
  TWndProcChain& operator=(const TWndProcChain&) = delete;
  ~TWndProcChain();

  // Runs the message through the hooks, newest first, then the base.
  void operator()(TMessage& message) const;

  // Ids are unique in the process and never reused.
  TWndHookId Install(TWndHook hook);
  // False when that hook is not (or no longer) installed here.
  bool Remove(TWndHookId id);
  bool Installed(TWndHookId id) const;
  int HookCount() const;

  struct State;

private:
  friend class TScopedWndHook;
  std::shared_ptr<State> state_;
};

// What a hook calls to pass a message on.
class TWndNext {
public:
  void operator()(TMessage& message) const;

private:
  friend class TWndProcChain;
  struct Frame;
  TWndNext(Frame* frame, std::size_t below, bool* passedOn, bool* failedBelow)
      : frame_(frame), below_(below), passedOn_(passedOn), failedBelow_(failedBelow) {}
  Frame* frame_;
  std::size_t below_;
  bool* passedOn_;
  bool* failedBelow_;
};

// A hook installed for the life of this object; safe to outlive the chain.
class TScopedWndHook {
public:
  TScopedWndHook() = default;
  TScopedWndHook(TWndProcChain& chain, TWndHook hook);
  TScopedWndHook(TScopedWndHook&& other) noexcept;
  TScopedWndHook& operator=(TScopedWndHook&& other) noexcept;
  ~TScopedWndHook() { Reset(); }
  void Reset();
  TWndHookId Id() const { return id_; }

private:
  std::weak_ptr<TWndProcChain::State> chain_;
  TWndHookId id_ = 0;
};

}  // namespace tk
