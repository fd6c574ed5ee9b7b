// The main window's skin manager as its stored layout makes it: the default
// manager with the two internal skins, the dark one loaded and applied at
// start-up and announced to every control, the hooks it installs and takes
// away again at shutdown; a packed skin in the stored skin folder taking the
// place of the internal one, and a package that is not one warning the user
// with the real message box.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/core/Streams.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/GraphicControl.h"
#include "toolkit/win/Unicode.h"

namespace {

// The folder the layout stores, as the program sees it under Wine's C: drive.
const char* const kSkinDirectory = "C:\\CoordConverter\\Skins";
constexpr UINT kMenuPaintMessage = tk::SM_MENU_PREPARE_AT_ITEM;
// The light skin's edits are white (skins/Glacier/Options.dat), the dark
// one's black.
constexpr skin::TColor kGlacierEditColor = 0xFFFFFF;

std::vector<std::uint8_t> ReadFile(const char* path) {
  tk::MemoryStream s;
  s.LoadFromFile(path);
  return std::vector<std::uint8_t>(s.Memory(), s.Memory() + s.Size());
}

struct Heard {
  WORD sub;
  LPARAM manager;
};

bool IsBroadcast(WORD sub) {
  return sub == skin::SCMD_SKIN_LOADED || sub == skin::SCMD_SKIN_REMOVED || sub == skin::SCMD_REFRESH ||
         sub == skin::SCMD_STOP_FADING;
}

std::vector<WORD> Subs(const std::vector<Heard>& heard) {
  std::vector<WORD> subs;
  for (const Heard& h : heard) subs.push_back(h.sub);
  return subs;
}

const std::vector<WORD> kApplied = {skin::SCMD_SKIN_LOADED, skin::SCMD_STOP_FADING, skin::SCMD_REFRESH};
// What a skinned group box passes on to its children.
const std::vector<WORD> kPassedOn = {skin::SCMD_SKIN_LOADED, skin::SCMD_REFRESH};

// The real main window (its class name and stored layout are TForm1's) that
// listens, from the moment each control is created by the layout reader,
// to the skin commands the control hears. The window itself is listened to
// in front of its skin provider (which answers most skin commands without
// passing them on): from the action list on, the last component the layout
// makes, before the skin is applied.
class ListeningForm1 : public TForm1 {
public:
  explicit ListeningForm1(tk::TComponent* owner) : TForm1(owner) {}
  std::map<const tk::TControl*, std::vector<Heard>> heard;
  std::vector<Heard> formHeard;

protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override {
    TForm1::Notification(component, operation);
    if (operation != tk::opInsert) return;
    if (dynamic_cast<tk::TActionList*>(component) && !listening_) {
      listening_ = true;
      WindowProc.Install([this](tk::TMessage& m, const tk::TWndNext& next) {
        if (m.Msg == skin::SM_VEXACMD && IsBroadcast(skin::SkinSubCommand(m.WParam)))
          formHeard.push_back({skin::SkinSubCommand(m.WParam), m.LParam});
        next(m);
      });
    }
    auto* control = dynamic_cast<tk::TControl*>(component);
    if (!control) return;
    control->WindowProc.Install([this, control](tk::TMessage& m, const tk::TWndNext& next) {
      if (m.Msg == skin::SM_VEXACMD && IsBroadcast(skin::SkinSubCommand(m.WParam)))
        heard[control].push_back({skin::SkinSubCommand(m.WParam), m.LParam});
      next(m);
    });
  }

private:
  bool listening_ = false;
};

// Another form of the program: the manager's broadcasts reach it too.
class ProbeForm : public tk::TForm {
public:
  explicit ProbeForm(tk::TComponent* owner) : TForm(owner) {}
  std::vector<Heard> heard;
  std::function<void(WORD)> onHeard;

protected:
  void WndProc(tk::TMessage& m) override {
    if (m.Msg == skin::SM_VEXACMD && IsBroadcast(skin::SkinSubCommand(m.WParam))) {
      heard.push_back({skin::SkinSubCommand(m.WParam), m.LParam});
      if (onHeard) onHeard(skin::SkinSubCommand(m.WParam));
    }
    TForm::WndProc(m);
  }
};

// A file in the stored skin folder for the length of a test; the folders it
// had to create go with it.
class SkinFolderFile {
public:
  SkinFolderFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    for (const std::wstring& folder : {std::wstring(L"C:\\CoordConverter"), tk::Utf8ToWide(kSkinDirectory)})
      if (CreateDirectoryW(folder.c_str(), nullptr)) created_.insert(created_.begin(), folder);
    path_ = tk::Utf8ToWide(std::string(kSkinDirectory) + "\\" + name);
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ok_ = file != INVALID_HANDLE_VALUE &&
          WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  ~SkinFolderFile() {
    DeleteFileW(path_.c_str());
    for (const std::wstring& folder : created_) RemoveDirectoryW(folder.c_str());
  }
  bool Written() const { return ok_; }

private:
  std::wstring path_;
  std::vector<std::wstring> created_;
  bool ok_ = false;
};

// Counts what the manager's two hooks pass to the skin engine: windows
// created on this thread (dialog hook) and the skinned menus' private
// message to the application window (main-window hook).
struct HookCounters {
  int created = 0;
  int menuMessages = 0;
  decltype(skin::SkinEngineHooks().DialogHook)::Registration dialogHook =
      skin::SkinEngineHooks().DialogHook.Register([this](int code, WPARAM, LPARAM, LRESULT&) {
        if (code == HCBT_CREATEWND) ++created;
        return false;
      });
  decltype(skin::SkinEngineHooks().PaintPopupMenu)::Registration paintPopupMenu =
      skin::SkinEngineHooks().PaintPopupMenu.Register([this](tk::TMessage&) { ++menuMessages; });
  // Creates and destroys a window; true when the dialog hook saw it.
  bool DialogHookSeesAWindow() {
    const int before = created;
    HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(w);
    return created > before;
  }
  // True when the main-window hook passed the message on.
  bool MainWindowHookAnswers() {
    const int before = menuMessages;
    SendMessageW(tk::Application().Handle(), kMenuPaintMessage, 0, 0);
    return menuMessages > before;
  }
};

class MainWindowSkinTest : public MainWindowSuite {
protected:
  void SetUp() override { ASSERT_EQ(skin::DefaultManager, nullptr); }
  void TearDown() override {
    tk::TComponent::Free(form);
    testing_support::PumpPending();
    EXPECT_EQ(skin::DefaultManager, nullptr);
  }

  // Starts the window the way the program does and shows it.
  void Start() {
    form = tk::Application().CreateForm<ListeningForm1>();
    form->Show();
    testing_support::PumpPending();
  }
  skin::TsSkinManager& Manager() { return *form->sSkinManager1; }
  const skin::TsGeneralData* Section(const char* name) {
    const int i = Manager().Tables().IndexOfSection(name);
    return i < 0 ? nullptr : &Manager().Tables().gd[static_cast<std::size_t>(i)];
  }
  // What the window and its graphic controls heard of the manager's
  // broadcasts. Those on the window hear every broadcast; those in a group
  // box hear what the skinned group box passes on to its children (the
  // skin loaded, removed and refreshed), and nothing while the group box has
  // no window yet (the layout is applied before the window is shown; the
  // children took their sections when they were loaded).
  void ExpectTheWindowHeard(const std::vector<WORD>& subs, const std::vector<WORD>& inGroupBoxes) {
    EXPECT_EQ(Subs(form->formHeard), subs) << "the window";
    int graphic = 0;
    for (int i = 0; i < form->ComponentCount(); ++i) {
      auto* control = dynamic_cast<tk::TGraphicControl*>(form->Components(i));
      if (!control) continue;
      ++graphic;
      const bool inGroupBox = control->Parent() != form;
      EXPECT_EQ(Subs(form->heard[control]), inGroupBox ? inGroupBoxes : subs) << control->Name();
      for (const Heard& h : form->heard[control]) EXPECT_EQ(h.manager, reinterpret_cast<LPARAM>(&Manager()));
    }
    EXPECT_EQ(graphic, 16) << "eleven labels and five speed buttons";
  }
  void ForgetWhatWasHeard() {
    form->heard.clear();
    form->formHeard.clear();
  }

  ListeningForm1* form = nullptr;
};

TEST_F(MainWindowSkinTest, StartsAsTheDefaultManagerWithTheDarkInternalSkinApplied) {
  HookCounters hooks;
  Start();
  skin::TsSkinManager& m = Manager();
  EXPECT_EQ(skin::DefaultManager, &m);
  EXPECT_EQ(m.ComponentIndex(), form->sSkinProvider1->ComponentIndex() - 1) << "after the controls";
  EXPECT_EQ(form->sSkinProvider1->ComponentIndex(), form->ActionList1->ComponentIndex() - 1)
      << "the skin provider next, before the actions";
  EXPECT_EQ(m.SkinName(), "EmberStyle (internal)");
  EXPECT_EQ(m.SkinDirectory(), kSkinDirectory);
  EXPECT_TRUE(m.Active());
  EXPECT_TRUE(m.SkinData().Active);
  EXPECT_EQ(m.SkinData().SkinPath, "") << "an internal skin";
  EXPECT_EQ(m.SkinInfo(), "5.2");

  // The dark skin's sections.
  ASSERT_NE(Section("EDIT"), nullptr);
  EXPECT_EQ(Section("EDIT")->Color, 0);
  EXPECT_EQ(Section("EDIT")->FontColor[0], 65280);
  ASSERT_NE(Section("GLOBALINFO"), nullptr);
  EXPECT_EQ(Section("GLOBALINFO")->FontColor[0], 65535);
  EXPECT_EQ(m.Tables().GlobalFontColor(), 65535);
  ASSERT_NE(Section("BUTTON"), nullptr);
  EXPECT_EQ(Section("BUTTON")->FadingIterations, 20);

  // Both internal skins, in stored order, with the packages the build made.
  const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> expected = {
      {"Glacier (internal)", ReadFile(GK_GLACIER_VXZ)}, {"EmberStyle (internal)", ReadFile(GK_EMBER_VXZ)}};
  ASSERT_EQ(m.InternalSkins().Count(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const skin::TsStoredSkin& stored = m.InternalSkins().Items(i);
    SCOPED_TRACE(stored.Name());
    EXPECT_EQ(stored.Name(), expected[i].first);
    ASSERT_EQ(stored.Data.Size(), expected[i].second.size());
    EXPECT_TRUE(std::equal(expected[i].second.begin(), expected[i].second.end(), stored.Data.Memory()));
    EXPECT_TRUE(stored.GeneralData.empty() && stored.Images.empty() && stored.Patterns.empty());
    EXPECT_EQ(stored.Shadow1Color, 0);
    EXPECT_EQ(stored.Shadow1Offset, 0);
    EXPECT_EQ(stored.Shadow1Transparency, 0);
  }

  // The rest as stored, or at its default.
  EXPECT_EQ(m.MenuSupport().IcoLineSkin, "ICOLINE");
  const tk::TFont& font = m.MenuSupport().ExtraLineFont();
  EXPECT_EQ(font.Name(), "MS Sans Serif");
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Color(), tk::clWindowText);
  EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
  EXPECT_TRUE(m.IsDefault());
  EXPECT_TRUE(m.SkinnedPopups());
  EXPECT_EQ(m.HueOffset(), 0);
  EXPECT_EQ(m.Saturation(), 0);
  EXPECT_EQ(m.SkinningRules(), skin::srStdForms | skin::srStdDialogs | skin::srThirdParty);

  // Applied once the layout was read: the window and what lies on it heard it, in order.
  ExpectTheWindowHeard(kApplied, {});
  EXPECT_TRUE(hooks.DialogHookSeesAWindow());
  EXPECT_TRUE(hooks.MainWindowHookAnswers());
}

TEST_F(MainWindowSkinTest, ShutdownSwitchesSkinningOffBeforeItUnhooks) {
  HookCounters hooks;
  ProbeForm* other = tk::Create<ProbeForm>(nullptr);
  Start();
  const LPARAM manager = reinterpret_cast<LPARAM>(&Manager());
  // The other form is not being loaded: it hears the skin applied once,
  // when the whole layout has been read (reading the name only loads it).
  EXPECT_EQ(Subs(other->heard), kApplied) << "start-up reaches every form, once";
  other->heard.clear();
  bool dialogHookWhileRemoving = true, mainHookWhileRemoving = false;
  other->onHeard = [&](WORD sub) {
    if (sub != skin::SCMD_SKIN_REMOVED) return;
    dialogHookWhileRemoving = hooks.DialogHookSeesAWindow();
    mainHookWhileRemoving = hooks.MainWindowHookAnswers();
  };
  tk::TComponent::Free(form);
  form = nullptr;
  ASSERT_EQ(other->heard.size(), 1u);
  EXPECT_EQ(other->heard[0].sub, skin::SCMD_SKIN_REMOVED);
  EXPECT_EQ(other->heard[0].manager, manager);
  EXPECT_FALSE(dialogHookWhileRemoving) << "the dialog hook goes before the skin-removed broadcast";
  EXPECT_TRUE(mainHookWhileRemoving) << "the main window stays hooked until skinning is off";
  EXPECT_EQ(skin::DefaultManager, nullptr);
  EXPECT_FALSE(hooks.DialogHookSeesAWindow());
  EXPECT_FALSE(hooks.MainWindowHookAnswers());
  tk::TComponent::Free(other);
}

TEST_F(MainWindowSkinTest, APackedSkinOfTheSkinsNameInTheSkinFolderComesFirst) {
  // The light package under the dark skin's name.
  SkinFolderFile file("EmberStyle (internal).vxz", ReadFile(GK_GLACIER_VXZ));
  ASSERT_TRUE(file.Written());
  Start();
  EXPECT_EQ(Manager().SkinName(), "EmberStyle (internal)");
  EXPECT_TRUE(Manager().SkinData().Active);
  EXPECT_EQ(Manager().SkinData().SkinPath, std::string(kSkinDirectory) + "\\");
  ASSERT_NE(Section("EDIT"), nullptr);
  EXPECT_EQ(Section("EDIT")->Color, kGlacierEditColor) << "the light skin's white edits";
  ExpectTheWindowHeard(kApplied, {});
}

TEST_F(MainWindowSkinTest, AnUnknownSkinNameFallsBackToTheFirstInternalSkin) {
  Start();
  ForgetWhatWasHeard();
  Manager().SetSkinName("No Such Skin");
  EXPECT_EQ(Manager().SkinName(), "Glacier (internal)");
  EXPECT_TRUE(Manager().SkinData().Active);
  EXPECT_EQ(Manager().SkinData().SkinPath, "");
  ASSERT_NE(Section("EDIT"), nullptr);
  EXPECT_EQ(Section("EDIT")->Color, kGlacierEditColor);
  ExpectTheWindowHeard(kApplied, kPassedOn);
}

TEST_F(MainWindowSkinTest, SwitchingSkinningOffAndOnReloadsAndAnnouncesAgain) {
  HookCounters hooks;
  Start();
  ForgetWhatWasHeard();
  Manager().SetActive(false);
  EXPECT_FALSE(Manager().SkinData().Active);
  EXPECT_EQ(Manager().Tables().IndexOfSection("EDIT"), -1) << "the tables are emptied";
  ExpectTheWindowHeard({skin::SCMD_SKIN_REMOVED}, {skin::SCMD_SKIN_REMOVED});
  EXPECT_FALSE(hooks.DialogHookSeesAWindow());
  EXPECT_TRUE(hooks.MainWindowHookAnswers()) << "the main window stays hooked while the manager lives";

  ForgetWhatWasHeard();
  Manager().SetActive(true);
  EXPECT_TRUE(Manager().SkinData().Active);
  EXPECT_EQ(Manager().SkinName(), "EmberStyle (internal)");
  ASSERT_NE(Section("EDIT"), nullptr);
  EXPECT_EQ(Section("EDIT")->FontColor[0], 65280);
  ExpectTheWindowHeard(kApplied, kPassedOn);
  EXPECT_TRUE(hooks.DialogHookSeesAWindow());
}

// What the message box showed.
struct ShownBox {
  std::wstring caption;
  std::vector<std::wstring> texts;
  HICON icon = nullptr;
  int count = 0;
};
ShownBox shown;

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM) {
  wchar_t cls[32] = {};
  GetClassNameW(child, cls, 32);
  if (lstrcmpiW(cls, L"Static") != 0) return TRUE;
  if (auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0))) {
    shown.icon = icon;
    return TRUE;
  }
  wchar_t text[256] = {};
  GetWindowTextW(child, text, 256);
  if (text[0]) shown.texts.push_back(text);
  return TRUE;
}

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Runs in the message box's own loop: reads the box and presses OK.
void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  KillTimer(nullptr, timer);
  ++shown.count;
  wchar_t caption[128] = {};
  GetWindowTextW(box, caption, 128);
  shown.caption = caption;
  EnumChildWindows(box, ReadBoxChild, 0);
  SendMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(MainWindowSkinTest, APackageThatIsNotOneShowsTheWarningMessageBox) {
  std::vector<std::uint8_t> damaged = ReadFile(GK_EMBER_VXZ);
  damaged[0] = 'v';  // "vXzf"
  SkinFolderFile file("EmberStyle (internal).vxz", damaged);
  ASSERT_TRUE(file.Written());
  shown = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerMessageBox);
  Start();
  KillTimer(nullptr, timer);
  ASSERT_EQ(shown.count, 1) << "no message box was shown";
  EXPECT_EQ(shown.caption, L"Warning");
  EXPECT_EQ(shown.texts, std::vector<std::wstring>{L"Loaded data is not packed Vexora file"});
  EXPECT_EQ(shown.icon, LoadIconW(nullptr, IDI_WARNING)) << "the warning icon";
  // The rejected package leaves the window unskinned and working.
  EXPECT_FALSE(Manager().SkinData().Active);
  EXPECT_FALSE(Manager().Active());
  EXPECT_FALSE(Manager().DialogHookInstalled());
  ExpectTheWindowHeard({}, {});
}

}  // namespace
