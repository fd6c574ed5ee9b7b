#pragma once
// Which windows the dialog skinning takes when they are activated: toolkit
// forms without a skin provider (the toolkit's message form by the
// standard-dialogs rule, any other by the standard-forms rule), and raw
// dialogs of the platform. One raw dialog is skinned at a time, except a
// dialog with a tool bar (a file dialog opened from another dialog).
// Plain data in, a decision out, so each rule can be checked on its own.

#include <string_view>

#include "skin/data/sManagerSettings.h"

namespace skin {

enum class TvxAdoption {
  None,         // left as it is
  Form,         // a toolkit form: gets a skin provider
  MessageForm,  // the toolkit's message form: a skin provider without a skin menu
  Dialog,       // a raw window: gets a dialog provider
};

struct TvxActivationFacts {
  std::wstring_view className;  // the activated window's class
  bool skinAware = false;       // it answers the skin command's "is skinned"
  bool hasManager = false;      // a default manager exists
  bool adoptedBefore = false;   // a provider already names this window
  TvxSkinningRules rules = 0;   // the default manager's SkinningRules
  // The window is a toolkit form of the program; its class name and caption.
  bool toolkitForm = false;
  std::string_view formClass;
  std::string_view formCaption;
  bool formHasProvider = false;  // the form carries a skin provider of its own
  bool rawDialogVisible = false;  // an adopted raw dialog is on the screen
  bool hasToolBar = false;        // a descendant of class "toolbarwindow32"
};

TvxAdoption ChooseAdoption(const TvxActivationFacts& facts);

}  // namespace skin
