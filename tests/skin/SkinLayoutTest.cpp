// A skin manager read from a stored layout: its internal skins with their
// packages as hexadecimal "Data" (the product's own packages, tens of
// kilobytes each), its settings objects, the older stored form of a skin
// with its sections, images and patterns, and layouts that must be refused
// without leaving a manager or a hook behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ImageFixtures.h"
#include "SkinFixtures.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinManagerClasses.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/LayoutParser.h"

namespace {

using fixtures::Bytes;

std::vector<std::string> changes;

class TSkinnedForm : public tk::TForm {
  TK_CLASS(TSkinnedForm)
public:
  explicit TSkinnedForm(tk::TComponent* owner) : TForm(owner) {}
  void SkinChanged(tk::TObject*) { changes.push_back(sSkinManager1->SkinName()); }
  skin::TsSkinManager* sSkinManager1 = nullptr;
};

void RegisterTestClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  skin::RegisterSkinManagerClasses();
  tk::ClassRegistry()
      .Register<TSkinnedForm>("TSkinnedForm", "TForm")
      .Field("sSkinManager1", &TSkinnedForm::sSkinManager1)
      .Method("SkinChanged", &TSkinnedForm::SkinChanged);
}

Bytes ReadFile(const char* path) {
  tk::MemoryStream s;
  s.LoadFromFile(path);
  return Bytes(s.Memory(), s.Memory() + s.Size());
}

// Bytes as a layout stores them: upper-case digits, 32 bytes a line.
std::string Hex(const Bytes& bytes, bool lowerCase = false, std::size_t perLine = 32) {
  const char* digits = lowerCase ? "0123456789abcdef" : "0123456789ABCDEF";
  std::string text = "{";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % perLine == 0) text += "\n          ";
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 15];
  }
  return text + "}";
}

std::string StoredSkin(const std::string& name, const std::string& data) {
  return "      item\n        Name = '" + name +
         "'\n        GeneralData = <>\n        Images = <>\n        Patterns = <>\n"
         "        Shadow1Color = clBlack\n        Shadow1Offset = 0\n        Shadow1Transparency = 0\n"
         "        Data = " + data + "\n      end";
}

std::string Layout(const std::string& managerProperties) {
  return "object SkinnedForm: TSkinnedForm\n  object sSkinManager1: TsSkinManager\n" + managerProperties + "  end\nend\n";
}

class SkinLayoutTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::Application().Initialize();
    RegisterTestClasses();
    ASSERT_EQ(skin::DefaultManager, nullptr);
    changes.clear();
    form = tk::Create<TSkinnedForm>(nullptr);
  }
  void TearDown() override {
    tk::TComponent::Free(form);
    tk::Application().ProcessMessages();
    EXPECT_EQ(skin::DefaultManager, nullptr);
  }
  skin::TsSkinManager& Manager() { return *form->sSkinManager1; }
  const skin::TsGeneralData* Section(const char* name) {
    const int i = Manager().Tables().IndexOfSection(name);
    return i < 0 ? nullptr : &Manager().Tables().gd[static_cast<std::size_t>(i)];
  }

  TSkinnedForm* form = nullptr;
  const Bytes glacier = ReadFile(GK_GLACIER_VXZ);
  const Bytes ember = ReadFile(GK_EMBER_VXZ);
};

TEST_F(SkinLayoutTest, TheProductsPackagesReadBackByteForByteInAnyHexadecimalSpelling) {
  ASSERT_GT(glacier.size(), 20000u);
  ASSERT_GT(ember.size(), 40000u);
  struct Spelling {
    const char* what;
    bool lowerCase;
    std::size_t perLine;
  };
  for (const Spelling& s : {Spelling{"as stored", false, 32}, Spelling{"lower case", true, 32},
                            Spelling{"one long line", false, 1u << 20}, Spelling{"odd line breaks", true, 7}}) {
    SCOPED_TRACE(s.what);
    TSkinnedForm* reader = tk::Create<TSkinnedForm>(nullptr);
    reader->ReadLayout(Layout("    InternalSkins = <\n" + StoredSkin("Glacier (internal)", Hex(glacier, s.lowerCase, s.perLine)) +
                              "\n" + StoredSkin("EmberStyle (internal)", Hex(ember, s.lowerCase, s.perLine)) +
                              ">\n    SkinDirectory = 'C:\\NoSkinsHere'\n"));
    auto& skins = reader->sSkinManager1->InternalSkins();
    ASSERT_EQ(skins.Count(), 2u);
    EXPECT_EQ(skins.Items(0).Name(), "Glacier (internal)");
    EXPECT_EQ(skins.Items(1).Name(), "EmberStyle (internal)");
    for (std::size_t i = 0; i < 2; ++i) {
      const Bytes& expected = i == 0 ? glacier : ember;
      const tk::MemoryStream& data = skins.Items(i).Data;
      ASSERT_EQ(data.Size(), expected.size());
      EXPECT_TRUE(std::equal(expected.begin(), expected.end(), data.Memory()));
      EXPECT_FALSE(skins.Items(i).IsLegacy());
      EXPECT_EQ(skins.Items(i).Shadow1Color, 0);
      EXPECT_EQ(skins.Items(i).Shadow1Blur, -1) << "not stored: the default";
      EXPECT_TRUE(skins.Items(i).GeneralData.empty());
    }
    // Without a skin name nothing was loaded.
    EXPECT_FALSE(reader->sSkinManager1->SkinData().Active);
    tk::TComponent::Free(reader);
  }
}

TEST_F(SkinLayoutTest, InternalSkinsComeFirstSoTheStoredSkinNameLoadsAtOnce) {
  form->ReadLayout(Layout("    InternalSkins = <\n" + StoredSkin("Glacier (internal)", Hex(glacier)) + "\n" +
                          StoredSkin("EmberStyle (internal)", Hex(ember)) +
                          ">\n    SkinDirectory = 'C:\\NoSkinsHere'\n    SkinName = 'EmberStyle (internal)'\n"
                          "    SkinInfo = '5.2'\n    OnAfterChange = SkinChanged\n"));
  EXPECT_EQ(skin::DefaultManager, &Manager());
  EXPECT_EQ(Manager().SkinDirectory(), "C:\\NoSkinsHere");
  EXPECT_EQ(Manager().SkinName(), "EmberStyle (internal)");
  EXPECT_TRUE(Manager().SkinData().Active);
  EXPECT_EQ(Manager().SkinInfo(), "5.2");
  ASSERT_NE(Section("EDIT"), nullptr);
  EXPECT_EQ(Section("EDIT")->Color, 0);
  EXPECT_EQ(Section("EDIT")->FontColor[0], 65280);
  EXPECT_EQ(Manager().Tables().GlobalFontColor(), 65535);
  EXPECT_TRUE(Manager().DialogHookInstalled());
  // The event is stored after the name, so the load while reading was
  // silent; the next change is heard.
  EXPECT_TRUE(changes.empty());
  Manager().SetSkinName("Glacier (internal)");
  EXPECT_EQ(changes, std::vector<std::string>{"Glacier (internal)"});
}

TEST_F(SkinLayoutTest, SettingsObjectsAndPlainProperties) {
  const skin::TvxBtnEvents events = skin::DefaultButtonEvents;
  form->ReadLayout(Layout(
      "    AnimEffects.Buttons.Events = [beMouseEnter, beMouseUp]\n"
      "    AnimEffects.DialogShow.Time = 250\n"
      "    AnimEffects.FormShow.Active = False\n"
      "    AnimEffects.PageChange.Time = 7\n"
      "    AnimEffects.SkinChanging.Active = False\n"
      "    Active = False\n"
      "    CommonSections = ('[EDIT]' ' COLOR = 255 ' '; keep  this')\n"
      "    Saturation = -20\n"
      "    HueOffset = 90\n"
      "    MenuSupport.UseExtraLine = True\n"
      "    MenuSupport.ExtraLineWidth = 40\n"
      "    MenuSupport.ExtraLineFont.Charset = GB2312_CHARSET\n"
      "    MenuSupport.ExtraLineFont.Color = clRed\n"
      "    MenuSupport.ExtraLineFont.Height = -13\n"
      "    MenuSupport.ExtraLineFont.Name = 'Tahoma'\n"
      "    MenuSupport.ExtraLineFont.Style = [fsBold]\n"
      "    SkinDirectory = '..\\Skins'\n"
      "    SkinName = 'Anything'\n"
      "    SkinInfo = '9.9'\n"
      "    SkinningRules = [srStdForms, srThirdParty]\n"
      "    Version = '1.0'\n"
      "    SkinnedPopups = False\n"));
  skin::TsSkinManager& m = Manager();
  EXPECT_EQ(skin::DefaultButtonEvents, skin::beMouseEnter | skin::beMouseUp);
  skin::DefaultButtonEvents = events;
  EXPECT_EQ(m.AnimEffects().DialogShow().Time, 250);
  EXPECT_TRUE(m.AnimEffects().DialogShow().Active);
  EXPECT_FALSE(m.AnimEffects().FormShow().Active);
  EXPECT_EQ(m.AnimEffects().PageChange().Time, 7);
  EXPECT_FALSE(m.AnimEffects().SkinChanging().Active);
  EXPECT_EQ(m.AnimEffects().SkinChanging().Time, 100) << "not stored: the default";
  EXPECT_FALSE(m.Active());
  EXPECT_EQ(m.CommonSections().Text(), "[EDIT]\r\nCOLOR=255\r\n; keep  this\r\n");
  EXPECT_EQ(m.Saturation(), -20);
  EXPECT_EQ(m.HueOffset(), 90);
  EXPECT_TRUE(m.MenuSupport().UseExtraLine);
  EXPECT_EQ(m.MenuSupport().ExtraLineWidth, 40);
  EXPECT_EQ(m.MenuSupport().IcoLineSkin, "ICOLINE") << "an empty one becomes ICOLINE when loaded";
  const tk::TFont& font = m.MenuSupport().ExtraLineFont();
  EXPECT_EQ(font.Name(), "Tahoma");
  EXPECT_EQ(font.Height(), -13);
  EXPECT_EQ(font.Color(), tk::clRed);
  EXPECT_EQ(font.Charset(), GB2312_CHARSET);
  EXPECT_EQ(font.Style(), tk::fsBold);
  EXPECT_EQ(m.SkinDirectory(), "..\\Skins");
  EXPECT_EQ(m.SkinName(), "Anything");
  EXPECT_EQ(m.SkinInfo(), "N/A") << "the stored text is ignored";
  EXPECT_EQ(m.SkinningRules(), skin::srStdForms | skin::srThirdParty);
  EXPECT_EQ(m.Version(), "5.36");
  EXPECT_FALSE(m.SkinnedPopups());
  EXPECT_FALSE(m.SkinData().Active) << "skinning is off";
  EXPECT_FALSE(m.DialogHookInstalled());
}

TEST_F(SkinLayoutTest, AnOlderStoredSkinWithSectionsImagesAndPatterns) {
  const tk::Bitmap master = fixtures::MakePicture(30, 20, [](int x, int) { return x < 15 ? 0x0000FFu : 0x00FF00u; });
  const tk::Bitmap own = fixtures::MakePicture(9, 6, [](int, int y) { return y < 3 ? 0xFF0000u : 0x00FFFFu; });
  const Bytes jpeg = fixtures::MakeJpeg(40, 24, [](int, int) { return 0x336699u; });
  form->ReadLayout(Layout(
      "    InternalSkins = <\n"
      "      item\n"
      "        Name = 'Old'\n"
      "        GeneralData = <\n"
      "          item\n"
      "            SectionName = 'EDIT'\n"
      "            Color = 255\n"
      "            Bevel = cbLoweredSoft\n"
      "            FontColor = '65280 -1 -1 -1 -1'\n"
      "            FadingEnabled = True\n"
      "            FadingIterations = 12\n"
      "            HotColor = clBlue\n"
      "            GradientData = ' '\n"
      "          end\n"
      "          item\n"
      "            SectionName = 'GLOBALINFO'\n"
      "            FontColor = '65535 -1 -1 -1 -1'\n"
      "          end>\n"
      "        Images = <\n"
      "          item\n"
      "            SectionName = 'EDIT'\n"
      "            PropertyName = 'BORDERSMASK'\n"
      "            Left = 0\n            Top = 0\n            Right = 30\n            Bottom = 20\n"
      "            ImageCount = 3\n            MaskType = 1\n            ImgType = itisaBorder\n"
      "          end\n"
      "          item\n"
      "            SectionName = 'BUTTON'\n"
      "            Name = 'own'\n"
      "            PropertyName = 'GLYPHMASK'\n"
      "            Image.Data = " + Hex(fixtures::MakeBmp24(own)) + "\n"
      "            ImgType = itisaGlyph\n"
      "          end>\n"
      "        Patterns = <\n"
      "          item\n"
      "            SectionName = 'FORM'\n"
      "            Name = 'bg.jpg'\n"
      "            PropertyName = 'PATTERN'\n"
      "            Image.Data = " + Hex(jpeg) + "\n"
      "          end>\n"
      "        MasterBitmap.Data = " + Hex(fixtures::MakeBmp24(master)) + "\n"
      "        Shadow1Blur = 4\n"
      "        BorderColor = clRed\n"
      "        Version = 4.5\n"
      "        Author = 'Someone'\n"
      "        Description = 'An old one'\n"
      "        Data = {}\n"
      "      end>\n"
      "    SkinDirectory = 'C:\\NoSkinsHere'\n"
      "    SkinName = 'Old'\n"));
  const skin::TsStoredSkin& stored = Manager().InternalSkins().Items(0);
  EXPECT_TRUE(stored.IsLegacy());
  EXPECT_EQ(stored.MasterBitmap.Width(), 30);
  EXPECT_EQ(fixtures::PixelAt(stored.MasterBitmap, 20, 5), 0x00FF00u);
  ASSERT_EQ(stored.Images.size(), 2u);
  EXPECT_EQ(fixtures::PixelAt(stored.Images[1].Image, 4, 4), 0x00FFFFu);
  ASSERT_EQ(stored.Patterns.size(), 1u);
  EXPECT_EQ(stored.Patterns[0].Image.Width(), 40);

  // Loaded through the older form's own path.
  ASSERT_TRUE(Manager().SkinData().Active);
  EXPECT_EQ(Manager().SkinData().Version, 4.5);
  EXPECT_EQ(Manager().SkinData().Author, "Someone");
  EXPECT_EQ(Manager().SkinData().Shadow1Blur, 4);
  EXPECT_EQ(Manager().SkinData().BorderColor, 0x0000FF);
  const skin::TsGeneralData* edit = Section("EDIT");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Color, 255);
  EXPECT_EQ(edit->Bevel, skin::TsControlBevel::cbLoweredSoft);
  EXPECT_EQ(edit->FontColor[0], 65280);
  EXPECT_TRUE(edit->FadingEnabled);
  EXPECT_EQ(edit->FadingIterations, 12);
  EXPECT_EQ(edit->HotColor, 0xFF0000);
  EXPECT_EQ(Manager().Tables().GlobalFontColor(), 65535);
  const auto& tables = Manager().Tables();
  const int border = tables.IndexOfMask(tables.IndexOfSection("EDIT"), "EDIT", "BORDERSMASK");
  ASSERT_TRUE(tables.IsValidImgIndex(border));
  EXPECT_EQ(tables.ma[static_cast<std::size_t>(border)].R.Right, 30);
  const int glyph = tables.IndexOfOwnMask("BUTTON", "GLYPHMASK");
  ASSERT_TRUE(tables.IsValidImgIndex(glyph));
  ASSERT_NE(tables.ma[static_cast<std::size_t>(glyph)].Bmp, nullptr);
  EXPECT_EQ(tables.ma[static_cast<std::size_t>(glyph)].Bmp->Width(), 9);
  ASSERT_EQ(tables.pa.size(), 1u);
  EXPECT_EQ(tables.pa[0].Img->Height(), 24);
}

struct BadLayout {
  const char* what;
  std::string properties;
  const char* message;  // part of the error text
};

TEST_F(SkinLayoutTest, RefusedLayoutsLeaveNoManagerAndNoHookBehind) {
  const std::string skins = "    InternalSkins = <\n" + StoredSkin("EmberStyle (internal)", Hex(ember)) + ">\n";
  const std::vector<BadLayout> cases = {
      {"Data as a string", "    InternalSkins = <\n" + StoredSkin("X", "'56587A66'") + ">\n", "expected binary data"},
      {"Data with an odd digit count", "    InternalSkins = <\n" + StoredSkin("X", "{56587A6}") + ">\n", "odd number"},
      {"Data with a non-digit", "    InternalSkins = <\n" + StoredSkin("X", "{56587A6G}") + ">\n", "hexadecimal"},
      {"internal skins that are no collection", "    InternalSkins = 5\n", "expected a collection"},
      {"an unknown item property", "    InternalSkins = <\n      item\n        Colour = 1\n      end>\n", "Colour"},
      {"an older item of unknown bevel",
       "    InternalSkins = <\n      item\n        GeneralData = <\n          item\n            Bevel = cbWavy\n"
       "          end>\n      end>\n",
       "cbWavy"},
      {"a master bitmap that is no bitmap", "    InternalSkins = <\n      item\n        MasterBitmap.Data = {00112233}\n      end>\n",
       "MasterBitmap.Data"},
      {"an animation time beyond a word", "    AnimEffects.DialogShow.Time = 70000\n", "out of range"},
      {"a settings object given a value", "    MenuSupport = 3\n", "MenuSupport"},
      // The skin has been loaded and applied (dialog hook in place) when
      // the fault is met.
      {"a fault after the skin was applied",
       skins + "    SkinDirectory = 'C:\\NoSkinsHere'\n    SkinName = 'EmberStyle (internal)'\n    SkinningRules = [srAll]\n",
       "srAll"},
  };
  for (const BadLayout& c : cases) {
    SCOPED_TRACE(c.what);
    TSkinnedForm* reader = tk::Create<TSkinnedForm>(nullptr);
    try {
      reader->ReadLayout(Layout(c.properties));
      ADD_FAILURE() << "the layout was accepted";
    } catch (const tk::ELayoutError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
      EXPECT_GT(e.Line(), 2) << e.what();
    }
    EXPECT_EQ(reader->ComponentCount(), 0);
    EXPECT_EQ(reader->sSkinManager1, nullptr);
    EXPECT_EQ(skin::DefaultManager, nullptr);
    tk::TComponent::Free(reader);
  }
}

TEST_F(SkinLayoutTest, TheHookOfADefaultManagerReadFromALayoutGoesWithIt) {
  form->ReadLayout(Layout("    InternalSkins = <\n" + StoredSkin("EmberStyle (internal)", Hex(ember)) +
                          ">\n    SkinDirectory = 'C:\\NoSkinsHere'\n    SkinName = 'EmberStyle (internal)'\n"));
  int calls = 0;
  const auto counting = skin::SkinEngineHooks().DialogHook.Register([&](int code, WPARAM, LPARAM, LRESULT&) {
    if (code == HCBT_CREATEWND) ++calls;
    return false;
  });
  auto createWindow = [] {
    HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(w);
  };
  createWindow();
  EXPECT_EQ(calls, 1) << "the dialog hook sees windows being created while the skin is applied";
  tk::TComponent::Free(form->sSkinManager1);
  createWindow();
  EXPECT_EQ(calls, 1);
}

}  // namespace
