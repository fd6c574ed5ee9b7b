#pragma once
// TsButton: the toolkit's push button painted entirely from the skin. The
// native button keeps the focus, keyboard navigation and the default-button
// logic; the skinned button paints every frame from its cache, takes the
// pressed look and the click from its own mouse and space-key handling (the
// native button never enters its pushed state, so it never clicks by
// itself), cuts the clear corners of the border mask from its window
// region, and cross-fades between its normal, hot and pressed looks.
//
// Without a manager, a skin or its section it is the plain toolkit button.

#include <windows.h>

#include <memory>

#include "sAnimatEvents.h"
#include "sCommonData.h"
#include "toolkit/win/Button.h"

namespace skin {

class TsFadeTimer;

// Where a caption of the measured size goes on a button of that size; one
// pixel further right and down while pressed.
RECT ButtonCaptionRect(int width, int height, SIZE text, bool pressed);

class TsButton : public tk::TButton, public TsSkinnedControl {
  TK_CLASS(TsButton)
public:
  explicit TsButton(tk::TComponent* owner);
  ~TsButton() override;
  void AfterConstruction() override;
  void Loaded() override;

  // --- Published ----------------------------------------------------------
  TsCommonData& SkinData() override { return skinData_; }
  TvxAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TvxAnimatEvents events) { animatEvents_ = events; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind);
  // Drawn pushed: latched by the property, or held by the mouse or space key.
  bool Down() const { return pressed_ || downLatched_; }
  void SetDown(bool value);
  // How far the focus rectangle lies outside the caption; shows at the next
  // rebuild.
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int margin) { focusMargin_ = margin; }
  tk::TNotifyEvent OnMouseEnter;
  tk::TNotifyEvent OnMouseLeave;

  // --- Look -----------------------------------------------------------------
  // 0 normal, 1 hot, 2 pressed.
  int ButtonState() const;
  int MaxTextWidth() const;
  SIZE TextSize();
  RECT CaptionRect();
  // Rebuilds the cache for the present state (and the window region when
  // a new one is due).
  void PrepareCache();
  // A default button drawn hot while the focus is on a control that is not
  // a push button.
  bool DefaultActive() const { return defaultActive_; }
  bool FadeRunning() const;

protected:
  void WndProc(tk::TMessage& message) override;
  void ActionChange(tk::TBasicAction* sender, bool checkDefaults) override;
  void BeforeDestruction() override;

private:
  friend struct TsButtonCommands;
  bool HandleInEveryState(tk::TMessage& message);
  bool HandleSkinned(tk::TMessage& message);
  bool HandleMouseButton(tk::TMessage& message);
  bool HandleSpaceKey(tk::TMessage& message);
  void HandleFocusGained(tk::TMessage& message);
  void HandleFocusLost(tk::TMessage& message);
  void HandleFocusChanged(const tk::TMessage& message);
  void AfterToolkit(const tk::TMessage& message);
  // The answer to a paint request: none given, the window's own paint.
  void PaintHandler(HDC dc);
  void DrawCaption();
  bool Hot() const;

  // A state change: a fade when it is animated and the section fades,
  // otherwise the new look at once.
  void StartStateFade(bool fast, bool animate);
  void StopStateFade();
  void StepRunningFade();
  // A fade still short of its last step stops, and the new look shows now.
  void CutFadeShort();
  void ReleasePendingRegion();
  void RemoveWindowRegion();
  bool Usable() const;
  // Expires when the button is freed (a click may free it).
  std::weak_ptr<bool> Alive() const { return alive_; }

  TsCommonData skinData_;
  TvxAnimatEvents animatEvents_ = aeGlobalDef;
  TsDisabledKind disabledKind_ = dkBlended;
  int focusMargin_ = 1;
  bool mouseCaptured_ = false;
  bool pressed_ = false;
  bool regionChanged_ = true;
  bool downLatched_ = false;
  bool defaultActive_ = false;
  TsFadeTimer* fadeTimer_ = nullptr;
  HRGN pendingRegion_ = nullptr;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
