#include "toolkit/win/ActionList.h"

#include <algorithm>

namespace tk {

TBasicAction::~TBasicAction() {
  BeforeDestruction();
  for (TActionClient* client : std::vector<TActionClient*>(clients_)) client->ActionGone(this);
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (OnUpdate) OnUpdate(this);
  for (TActionClient* client : std::vector<TActionClient*>(clients_)) client->ActionUpdated(this);
  return OnUpdate != nullptr;
}

void TBasicAction::RegisterClient(TActionClient* client) {
  if (std::find(clients_.begin(), clients_.end(), client) == clients_.end()) clients_.push_back(client);
}

void TBasicAction::UnregisterClient(TActionClient* client) { std::erase(clients_, client); }

void TBasicAction::Change() {
  for (TActionClient* client : std::vector<TActionClient*>(clients_)) client->ActionChange(this, false);
}

TAction::~TAction() {
  BeforeDestruction();
  SetActionList(nullptr);
}

void TAction::SetCaption(std::string_view caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Change();
}

void TAction::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Change();
}

void TAction::SetHint(std::string_view hint) {
  if (hint_ == hint) return;
  hint_ = hint;
  Change();
}

void TAction::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Change();
}

void TAction::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Change();
}

bool TAction::HasShortCut(TShortCut shortCut) const {
  if (shortCut == scNone) return false;
  if (shortCut_ == shortCut) return true;
  return std::any_of(secondaryShortCuts_.begin(), secondaryShortCuts_.end(),
                     [&](const std::string& text) { return TextToShortCut(text) == shortCut; });
}

bool TAction::Execute() {
  if (!enabled_) return false;
  return TBasicAction::Execute();
}

void TAction::SetActionList(TActionList* list) {
  if (actionList_ == list) return;
  if (actionList_) std::erase(actionList_->actions_, this);
  actionList_ = list;
  if (list) list->actions_.push_back(this);
}

void TAction::SetParentComponent(TComponent* parent) {
  if (auto* list = dynamic_cast<TActionList*>(parent)) SetActionList(list);
}

TComponent* TAction::GetParentComponent() const { return actionList_; }

TActionList::~TActionList() {
  BeforeDestruction();
  for (TAction* action : std::vector<TAction*>(actions_)) action->actionList_ = nullptr;
}

bool TActionList::IsShortCut(TShortCut shortCut) {
  for (TAction* action : std::vector<TAction*>(actions_))
    if (action->HasShortCut(shortCut)) {
      action->Update();
      return action->Execute();
    }
  return false;
}

void TActionList::UpdateActions() {
  for (TAction* action : std::vector<TAction*>(actions_)) action->Update();
}

}  // namespace tk
