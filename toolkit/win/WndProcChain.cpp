#include "toolkit/win/WndProcChain.h"

#include <algorithm>
#include <utility>

#include "toolkit/win/ErrorRecord.h"

namespace tk {

namespace {
TWndHookId nextHookId = 1;
}  // namespace

struct TWndProcChain::State {
  struct Entry {
    TWndHookId id;
    TWndHook hook;
    bool live = true;
  };
  TWndMethod base;
  std::vector<std::shared_ptr<Entry>> hooks;  // oldest first
};

// One message's walk down the chain: the hooks as they were when it started
// (kept alive for the walk), each skipped once it is removed.
struct TWndNext::Frame {
  std::vector<std::shared_ptr<TWndProcChain::State::Entry>> hooks;
  const TWndMethod* base;

  void Run(TMessage& message, std::size_t count) {
    while (count > 0 && !hooks[count - 1]->live) --count;
    if (count == 0) {
      (*base)(message);
      return;
    }
    const auto& entry = hooks[count - 1];
    bool passedOn = false;
    bool failedBelow = false;
    try {
      entry->hook(message, TWndNext(this, count - 1, &passedOn, &failedBelow));
    } catch (...) {
      if (failedBelow) throw;
      RecordedErrors().RecordCurrent(entry.get(), "window-procedure hook");
      if (!passedOn) Run(message, count - 1);
    }
  }
};

void TWndNext::operator()(TMessage& message) const {
  *passedOn_ = true;
  try {
    frame_->Run(message, below_);
  } catch (...) {
    *failedBelow_ = true;
    throw;
  }
}

TWndProcChain::TWndProcChain(TWndMethod base) : state_(std::make_shared<State>()) { state_->base = std::move(base); }

TWndProcChain::~TWndProcChain() {
  for (auto& entry : state_->hooks) entry->live = false;
}

void TWndProcChain::operator()(TMessage& message) const {
  // Keeps the base alive even if the chain's owner goes during the message.
  const std::shared_ptr<State> state = state_;
  if (state->hooks.empty()) {
    state->base(message);
    return;
  }
  TWndNext::Frame frame{state->hooks, &state->base};
  frame.Run(message, frame.hooks.size());
}

TWndHookId TWndProcChain::Install(TWndHook hook) {
  const TWndHookId id = nextHookId++;
  state_->hooks.push_back(std::make_shared<State::Entry>(State::Entry{id, std::move(hook)}));
  return id;
}

namespace {
bool RemoveHook(TWndProcChain::State& state, TWndHookId id) {
  auto& hooks = state.hooks;
  auto it = std::find_if(hooks.begin(), hooks.end(), [id](const auto& entry) { return entry->id == id; });
  if (it == hooks.end()) return false;
  (*it)->live = false;
  hooks.erase(it);
  return true;
}
}  // namespace

bool TWndProcChain::Remove(TWndHookId id) { return RemoveHook(*state_, id); }

bool TWndProcChain::Installed(TWndHookId id) const {
  return std::any_of(state_->hooks.begin(), state_->hooks.end(), [id](const auto& entry) { return entry->id == id; });
}

int TWndProcChain::HookCount() const { return static_cast<int>(state_->hooks.size()); }

TScopedWndHook::TScopedWndHook(TWndProcChain& chain, TWndHook hook)
    : chain_(chain.state_), id_(chain.Install(std::move(hook))) {}

TScopedWndHook::TScopedWndHook(TScopedWndHook&& other) noexcept { *this = std::move(other); }

TScopedWndHook& TScopedWndHook::operator=(TScopedWndHook&& other) noexcept {
  if (this != &other) {
    Reset();
    chain_ = std::move(other.chain_);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

void TScopedWndHook::Reset() {
  if (auto state = chain_.lock()) RemoveHook(*state, id_);
  chain_.reset();
  id_ = 0;
}

}  // namespace tk
