#pragma once
// Callbacks that higher layers give a lower one, held by registrations that
// are scoped objects: dropping a registration removes exactly that one, in
// any order, and a registration may outlive what it registered with.
//   TCallbackSlot - one answer wanted: the latest live registration answers
//                   (a layer's own, or a test's stand-in for the length of
//                   one test, which never wipes what the layers registered).
//   TCallbackList - everyone listening is told, oldest registration first.
//
// User-interface thread only: nothing is locked.

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tk {

template <class Signature>
class TCallbackRegistry;

template <class R, class... Args>
class TCallbackRegistry<R(Args...)> {
protected:
  using Function = std::function<R(Args...)>;
  struct State {
    std::vector<std::pair<unsigned, std::shared_ptr<Function>>> entries;
    unsigned nextId = 1;
  };

public:
  // Holds one registration; destroying (or Reset) removes it from its slot.
  // Safe to outlive the slot.
  class Registration {
  public:
    Registration() = default;
    Registration(Registration&& other) noexcept { *this = std::move(other); }
    Registration& operator=(Registration&& other) noexcept {
      if (this != &other) {
        Reset();
        state_ = std::move(other.state_);
        id_ = std::exchange(other.id_, 0);
      }
      return *this;
    }
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;
    ~Registration() { Reset(); }

    void Reset() {
      if (auto state = state_.lock())
        std::erase_if(state->entries, [this](const auto& entry) { return entry.first == id_; });
      state_.reset();
      id_ = 0;
    }
    bool Active() const { return !state_.expired() && id_ != 0; }

  private:
    friend class TCallbackRegistry;
    Registration(std::weak_ptr<State> state, unsigned id) : state_(std::move(state)), id_(id) {}
    std::weak_ptr<State> state_;
    unsigned id_ = 0;
  };

  TCallbackRegistry() = default;
  TCallbackRegistry(const TCallbackRegistry&) = delete;
  TCallbackRegistry& operator=(const TCallbackRegistry&) = delete;

  [[nodiscard]] Registration Register(Function function) {
    const unsigned id = state_->nextId++;
    state_->entries.emplace_back(id, std::make_shared<Function>(std::move(function)));
    return Registration(state_, id);
  }

  // True while some registration is alive.
  explicit operator bool() const { return !state_->entries.empty(); }

protected:
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

template <class Signature>
class TCallbackSlot;

template <class R, class... Args>
class TCallbackSlot<R(Args...)> : public TCallbackRegistry<R(Args...)> {
public:
  // Calls the latest registration (it stays alive for the call even if it is
  // removed meanwhile). Throws std::bad_function_call when there is none.
  R operator()(Args... args) const {
    const auto& entries = this->state_->entries;
    if (entries.empty()) throw std::bad_function_call();
    const auto latest = entries.back().second;
    return (*latest)(std::forward<Args>(args)...);
  }
};

template <class Signature>
class TCallbackList;

template <class... Args>
class TCallbackList<void(Args...)> : public TCallbackRegistry<void(Args...)> {
public:
  // Tells every registration alive when the call starts and still alive when
  // its turn comes.
  void Notify(Args... args) const {
    const auto entries = this->state_->entries;
    for (const auto& [id, function] : entries) {
      const auto& live = this->state_->entries;
      const bool stillThere =
          std::any_of(live.begin(), live.end(), [id = id](const auto& entry) { return entry.first == id; });
      if (stillThere) (*function)(args...);
    }
  }
};

}  // namespace tk
