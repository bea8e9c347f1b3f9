#pragma once

#include <utility>

namespace ormitan {

// Runs an action when the scope ends, however it ends. The action must not throw.
template <typename Action>
class AtScopeExit {
  public:
    explicit AtScopeExit(Action action) : action_(std::move(action)) {}
    ~AtScopeExit() { action_(); }
    AtScopeExit(const AtScopeExit&) = delete;
    AtScopeExit& operator=(const AtScopeExit&) = delete;

  private:
    Action action_;
};

}  // namespace ormitan
