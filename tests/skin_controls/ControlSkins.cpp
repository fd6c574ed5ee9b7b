#include "ControlSkins.h"

#include "SkinFixtures.h"
#include "WindowTestSupport.h"
#include "skin/controls/sCommonDataClass.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/win/Application.h"

namespace ctlfix {

namespace {

const char* const kEdgesOptions =
    "[GLOBALINFO]\r\nVERSION=5.2\r\n"
    "[FORM]\r\nCOLOR=16777215\r\n"
    "[PLAIN]\r\nCOLOR=255\r\nHOTCOLOR=65280\r\n"
    "[HALF]\r\nCOLOR=0\r\nTRANSPARENCY=50\r\n"
    "[CLEAR]\r\nCOLOR=0\r\nTRANSPARENCY=100\r\n"
    "[GRADIENT]\r\nCOLOR=0\r\nGRADIENTPERCENT=10\r\nGRADIENTDATA=16777215;0;100;0;0\r\n"
    "[EDIT]\r\nCOLOR=1193046\r\nFONTCOLOR=255\r\n"
    "[FADE20]\r\nCOLOR=255\r\nHOTCOLOR=65280\r\nFADINGENABLED=TRUE\r\nFADINGITERATIONS=20\r\n"
    "[FADE5]\r\nCOLOR=255\r\nHOTCOLOR=65280\r\nFADINGENABLED=TRUE\r\nFADINGITERATIONS=5\r\n"
    "[NOFADE]\r\nCOLOR=255\r\nHOTCOLOR=65280\r\nFADINGENABLED=FALSE\r\n";

}  // namespace

void AddTestSkins(skin::TsSkinManager& manager) {
  struct Packed {
    const char* name;
    const char* file;
  };
  for (const Packed& p : {Packed{kEmberStyle, GK_EMBER_VXZ}, Packed{kGlacier, GK_GLACIER_VXZ}}) {
    auto& item = manager.InternalSkins().Add();
    item.SetName(p.name);
    item.Data.LoadFromFile(p.file);
  }
  auto& edges = manager.InternalSkins().Add();
  edges.SetName(kEdges);
  const auto bytes = fixtures::MakePackage({{"Options.dat", fixtures::ToBytes(kEdgesOptions)}});
  edges.Data.LoadFromBytes(bytes.data(), bytes.size());
}

void SkinnedFormTest::SetUp() {
  skin::RegisterCommonDataClass();
  ASSERT_EQ(skin::DefaultManager, nullptr);
  form = testing_support::ShowTestForm(400, 300);
  ASSERT_NE(form, nullptr);
  form->SetColor(tk::clWhite);
  manager = tk::Create<skin::TsSkinManager>(form);
  manager->SetSkinDirectory("c:\\NoSkinsHere");
  AddTestSkins(*manager);
  UseSkin(kEdges);
}

void SkinnedFormTest::UseSkin(const std::string& name) {
  manager->SetSkinName(name);
  ASSERT_EQ(manager->SkinName(), name);
  ASSERT_TRUE(manager->SkinData().Active);
}

void SkinnedFormTest::TearDown() {
  tk::TComponent::Free(form);
  tk::Application().ProcessMessages();
  EXPECT_EQ(skin::DefaultManager, nullptr);
}

}  // namespace ctlfix
