// Which activated windows the dialog skinning adopts, and as what.
#include <gtest/gtest.h>

#include "skin/dialogs/vxAdoptionRules.h"

namespace {

using skin::TvxActivationFacts;
using skin::TvxAdoption;

TvxActivationFacts RawDialog() {
  TvxActivationFacts f;
  f.className = L"#32770";
  f.hasManager = true;
  f.rules = skin::kAllSkinningRules;
  return f;
}

TvxActivationFacts Form(std::string_view cls, std::string_view caption) {
  TvxActivationFacts f = RawDialog();
  f.className = L"TForm";
  f.toolkitForm = true;
  f.formClass = cls;
  f.formCaption = caption;
  return f;
}

TEST(AdoptionRulesTest, ActivatedWindows) {
  struct Case {
    const char* what;
    TvxActivationFacts facts;
    TvxAdoption expected;
  };
  std::vector<Case> cases;
  cases.push_back({"a message box", RawDialog(), TvxAdoption::Dialog});
  auto aware = RawDialog();
  aware.skinAware = true;
  cases.push_back({"a skin-aware window", aware, TvxAdoption::None});
  auto noManager = RawDialog();
  noManager.hasManager = false;
  cases.push_back({"no default manager", noManager, TvxAdoption::None});
  auto again = RawDialog();
  again.adoptedBefore = true;
  cases.push_back({"a window adopted before", again, TvxAdoption::None});
  auto app = RawDialog();
  app.className = L"TApplication";
  cases.push_back({"the application window", app, TvxAdoption::None});
  auto preview = RawDialog();
  preview.className = L"TQRStandardPreview";
  cases.push_back({"a print preview", preview, TvxAdoption::None});
  auto second = RawDialog();
  second.rawDialogVisible = true;
  cases.push_back({"a second dialog while one is shown", second, TvxAdoption::None});
  auto secondWithBar = second;
  secondWithBar.hasToolBar = true;
  cases.push_back({"a second dialog with a tool bar", secondWithBar, TvxAdoption::Dialog});
  auto noDialogs = RawDialog();
  noDialogs.rules = skin::srStdForms | skin::srThirdParty;
  cases.push_back({"dialogs not among the rules", noDialogs, TvxAdoption::None});
  cases.push_back({"a plain toolkit form", Form("TSomeForm", "Settings"), TvxAdoption::Form});
  cases.push_back({"the calculator form", Form("TSomeForm", "Calculator"), TvxAdoption::None});
  cases.push_back({"the Mgn form", Form("TSomeForm", "Mgn"), TvxAdoption::None});
  cases.push_back({"the message form", Form("TMessageForm", "Calculator"), TvxAdoption::MessageForm});
  auto noForms = Form("TSomeForm", "Settings");
  noForms.rules = skin::srStdDialogs;
  cases.push_back({"forms not among the rules", noForms, TvxAdoption::None});
  auto messageNoDialogs = Form("TMessageForm", "Note");
  messageNoDialogs.rules = skin::srStdForms;
  cases.push_back({"the message form without the dialogs rule", messageNoDialogs, TvxAdoption::None});
  auto formWhileDialog = Form("TSomeForm", "Settings");
  formWhileDialog.rawDialogVisible = true;
  cases.push_back({"a form while a dialog is shown", formWhileDialog, TvxAdoption::Form});
  auto ownProvider = Form("TSomeForm", "Child");
  ownProvider.formHasProvider = true;
  cases.push_back({"a form carrying its own provider, not yet hooked", ownProvider, TvxAdoption::None});
  auto ownMessageProvider = Form("TMessageForm", "Note");
  ownMessageProvider.formHasProvider = true;
  cases.push_back({"a message form carrying its own provider", ownMessageProvider, TvxAdoption::None});
  for (const Case& c : cases) EXPECT_EQ(skin::ChooseAdoption(c.facts), c.expected) << c.what;
}

}  // namespace
