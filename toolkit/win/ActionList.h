#pragma once
// Actions: named commands with a caption, enabled state and shortcuts, kept
// in an action list on a form. A shortcut of an action reaches it whatever
// control of the form has the focus (see TApplication's keyboard handling);
// controls linked to an action (TControl::SetAction) take its caption,
// enabled state, hint and visibility and run it when clicked.

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/StringList.h"
#include "toolkit/win/Component.h"
#include "toolkit/win/ShortCut.h"

namespace tk {

class TActionList;
class TBasicAction;

// The side of a control linked to an action (TControl is one): what the
// action tells it.
class TActionClient {
public:
  // The action's caption, state or visibility changed.
  virtual void ActionChange(TBasicAction* sender, bool checkDefaults) = 0;
  // The action ran its update (at idle time).
  virtual void ActionUpdated(TBasicAction* sender) = 0;
  // The action is going away.
  virtual void ActionGone(TBasicAction* sender) = 0;

protected:
  ~TActionClient() = default;
};

class TBasicAction : public TComponent {
  TK_CLASS(TBasicAction)
public:
  explicit TBasicAction(TComponent* owner) : TComponent(owner) {}
  ~TBasicAction() override;

  // Runs OnExecute; false when nothing ran.
  virtual bool Execute();
  // Runs OnUpdate, then tells the linked controls (CM_ACTIONUPDATE).
  virtual bool Update();

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

  void RegisterClient(TActionClient* client);
  void UnregisterClient(TActionClient* client);

protected:
  // The linked controls take the action's new state.
  void Change();

private:
  std::vector<TActionClient*> clients_;
};

class TAction : public TBasicAction {
  TK_CLASS(TAction)
public:
  explicit TAction(TComponent* owner) : TBasicAction(owner) {}
  ~TAction() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view hint);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  std::string Category;

  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut) { shortCut_ = shortCut; }
  // Further shortcuts as texts ("ctrl+shift+x"); unreadable texts match nothing.
  const StringList& SecondaryShortCuts() const { return secondaryShortCuts_; }
  void SetSecondaryShortCuts(StringList shortCuts) { secondaryShortCuts_ = std::move(shortCuts); }
  bool HasShortCut(TShortCut shortCut) const;

  // A disabled action does not run.
  bool Execute() override;

  TActionList* ActionList() const { return actionList_; }
  void SetActionList(TActionList* list);
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

private:
  std::string caption_;
  bool enabled_ = true;
  std::string hint_;
  bool visible_ = true;
  bool checked_ = false;
  TShortCut shortCut_ = scNone;
  StringList secondaryShortCuts_;
  TActionList* actionList_ = nullptr;
  friend class TActionList;
};

class TActionList : public TComponent {
  TK_CLASS(TActionList)
public:
  explicit TActionList(TComponent* owner) : TComponent(owner) {}
  ~TActionList() override;

  int ActionCount() const { return static_cast<int>(actions_.size()); }
  TAction* Actions(int index) const { return actions_.at(static_cast<std::size_t>(index)); }
  // Executes the first action with that shortcut; true when it ran.
  bool IsShortCut(TShortCut shortCut);
  // Lets every action refresh its state (the application does it when idle).
  void UpdateActions();

private:
  friend class TAction;
  std::vector<TAction*> actions_;
};

}  // namespace tk
