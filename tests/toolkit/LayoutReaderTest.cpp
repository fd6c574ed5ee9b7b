// Reading stored layouts into components: classes and properties through the
// registry, stored order, parents, fields, events, references, collections,
// binary data - and clean failure of malformed layouts.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "toolkit/win/Application.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/ClassRegistry.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/GroupBox.h"
#include "toolkit/win/Label.h"
#include "toolkit/win/LayoutReader.h"

namespace {

std::vector<std::string> journal;
int liveGadgets = 0;

// A component of another part of the program, registered with the reader
// the way such parts do: its own class, several property kinds.
class TGadgetItem : public tk::TCollectionItem {
  TK_CLASS(TGadgetItem)
public:
  using TCollectionItem::TCollectionItem;
  std::string Name;
  std::vector<std::uint8_t> Data;
  void SetName(std::string_view name) { Name = name; }
};

class TGadget : public tk::TComponent {
  TK_CLASS(TGadget)
public:
  explicit TGadget(tk::TComponent* owner)
      : TComponent(owner), items(this, [](tk::TCollection& c) { return std::make_unique<TGadgetItem>(c); }) {
    ++liveGadgets;
  }
  ~TGadget() override { --liveGadgets; }
  void Loaded() override {
    TComponent::Loaded();
    journal.push_back("loaded " + Name());
  }
  void SetRatio(double r) { ratio = r; }
  void SetBuddy(tk::TButton* b) { buddy = b; }
  tk::TCollection& Items() { return items; }
  tk::TFont& Font() { return font; }

  double ratio = 0;
  tk::TButton* buddy = nullptr;
  std::vector<std::uint8_t> blob;
  tk::TCollection items;
  tk::TFont font;
  tk::TNotifyEvent OnPing;
};

class TLayoutForm : public tk::TForm {
  TK_CLASS(TLayoutForm)
public:
  explicit TLayoutForm(tk::TComponent* owner) : TForm(owner) {}
  void Loaded() override {
    TForm::Loaded();
    journal.push_back("loaded " + Name());
  }
  void Ping(tk::TObject* sender) { journal.push_back("ping from " + static_cast<tk::TComponent*>(sender)->Name()); }
  void KeyHandler(tk::TObject*, WORD&, tk::TShiftState) {}

  tk::TButton* Button1 = nullptr;
  tk::TGroupBox* Box = nullptr;
  tk::TEdit* Edit1 = nullptr;
  TGadget* Gadget1 = nullptr;
};

void RegisterTestClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  auto& registry = tk::ClassRegistry();
  registry.Register<TGadgetItem>("TGadgetItem", "TPersistent")
      .String("Name", &TGadgetItem::SetName)
      .Binary("Data", [](TGadgetItem& item, const std::vector<std::uint8_t>& bytes) { item.Data = bytes; });
  registry.Register<TGadget>("TGadget", "TComponent")
      .Creatable()
      .Float("Ratio", &TGadget::SetRatio)
      .Reference("Buddy", &TGadget::SetBuddy)
      .Collection("Items", &TGadget::Items)
      .Object("Font", &TGadget::Font)
      .Binary("Blob", [](TGadget& g, const std::vector<std::uint8_t>& bytes) { g.blob = bytes; })
      .Event("OnPing", &TGadget::OnPing);
  registry.Register<TLayoutForm>("TLayoutForm", "TForm")
      .Field("Button1", &TLayoutForm::Button1)
      .Field("Box", &TLayoutForm::Box)
      .Field("Edit1", &TLayoutForm::Edit1)
      .Field("Gadget1", &TLayoutForm::Gadget1)
      .Method("Ping", &TLayoutForm::Ping)
      .Method("KeyHandler", &TLayoutForm::KeyHandler);
}

const char* kLayout = R"(object LayoutForm: TLayoutForm
  Caption = '读取'
  ClientWidth = 320
  ClientHeight = 200
  ActiveControl = Edit1
  object Button1: TButton
    Left = 8
    Top = 8
    Caption = 'Go'
    TabOrder = 1
    OnClick = Ping
  end
  object Box: TGroupBox
    Left = 8
    Top = 40
    Width = 300
    Height = 100
    TabOrder = 0
    object Edit1: TEdit
      Left = 10
      Top = 20
      Font.Color = clLime
      Font.Charset = GB2312_CHARSET
      TabOrder = 1
    end
    object Edit2: TEdit
      Left = 120
      Top = 20
      TabOrder = 0
    end
    object Label1: TLabel
      Caption = 'Name'
      FocusControl = Edit2
    end
  end
  object Gadget1: TGadget
    Ratio = 2.5
    Buddy = Button1
    Font.Height = -15
    OnPing = Ping
    Items = <
      item
        Name = 'first'
        Data = {0102}
      end
      item
        Name = 'second'
      end>
  end
end
)";

class LayoutReaderTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::Application().Initialize();
    RegisterTestClasses();
    journal.clear();
    form = tk::Create<TLayoutForm>(nullptr);
  }
  void TearDown() override { tk::TComponent::Free(form); }

  // Reads a layout that must fail; returns the error text.
  std::string Failure(const std::string& text) {
    try {
      form->ReadLayout(text);
    } catch (const tk::ELayoutError& e) {
      // Nothing the read created stays behind, the form is no longer loading.
      EXPECT_EQ(form->ComponentCount(), 0);
      EXPECT_EQ(form->ControlCount(), 0);
      EXPECT_EQ(liveGadgets, 0);
      EXPECT_FALSE(form->IsLoading());
      EXPECT_EQ(form->Button1, nullptr);
      return e.what();
    }
    ADD_FAILURE() << "accepted:\n" << text;
    return {};
  }

  TLayoutForm* form = nullptr;
};

TEST_F(LayoutReaderTest, BuildsTheComponentsInStoredOrder) {
  form->ReadLayout(kLayout);
  EXPECT_EQ(form->Name(), "LayoutForm");
  EXPECT_EQ(form->Caption(), "读取");
  EXPECT_EQ(form->ClientWidth(), 320);
  ASSERT_EQ(form->ComponentCount(), 6);
  const std::vector<std::string> names{"Button1", "Box", "Edit1", "Edit2", "Label1", "Gadget1"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(form->Components(i)->Name(), names[static_cast<std::size_t>(i)]);
  // Fields bound by name; parents from the nesting.
  ASSERT_NE(form->Button1, nullptr);
  ASSERT_NE(form->Edit1, nullptr);
  EXPECT_EQ(form->Edit1->Parent(), form->Box);
  EXPECT_EQ(form->Box->Parent(), form);
  EXPECT_EQ(form->Gadget1->Owner(), form);
  // Sub-object properties, values of every kind.
  EXPECT_EQ(form->Edit1->Font().Color(), tk::clLime);
  EXPECT_EQ(form->Edit1->Font().Charset(), GB2312_CHARSET);
  EXPECT_FALSE(form->Edit1->ParentFont());
  EXPECT_DOUBLE_EQ(form->Gadget1->ratio, 2.5);
  EXPECT_EQ(form->Gadget1->font.Height(), -15);
  ASSERT_EQ(form->Gadget1->items.Count(), 2);
  EXPECT_EQ(form->Gadget1->items.Item<TGadgetItem>(0)->Name, "first");
  EXPECT_EQ(form->Gadget1->items.Item<TGadgetItem>(0)->Data, (std::vector<std::uint8_t>{1, 2}));
  EXPECT_EQ(form->Gadget1->items.Item<TGadgetItem>(1)->Name, "second");
  // References resolved once everything existed, whatever the order.
  EXPECT_EQ(form->Gadget1->buddy, form->Button1);
  EXPECT_EQ(form->ActiveControl(), form->Edit1);
  EXPECT_EQ(static_cast<tk::TLabel*>(form->FindComponent("Label1"))->FocusControl(), form->FindComponent("Edit2"));
  // Tab orders as stored, not as created.
  EXPECT_EQ(form->Box->TabOrder(), 0);
  EXPECT_EQ(form->Button1->TabOrder(), 1);
  EXPECT_EQ(static_cast<tk::TEdit*>(form->FindComponent("Edit2"))->TabOrder(), 0);
  EXPECT_EQ(form->Edit1->TabOrder(), 1);
  // Loaded after everything was read: the root first, then stored order.
  EXPECT_EQ(journal, (std::vector<std::string>{"loaded LayoutForm", "loaded Gadget1"}));
  for (int i = 0; i < form->ComponentCount(); ++i) EXPECT_FALSE(form->Components(i)->IsLoading());
  EXPECT_FALSE(form->IsLoading());
  // Events call the form's published methods.
  form->Button1->Click();
  form->Gadget1->OnPing(form->Gadget1);
  EXPECT_EQ(journal.back(), "ping from Gadget1");
  EXPECT_EQ(journal[journal.size() - 2], "ping from Button1");
}

TEST_F(LayoutReaderTest, MalformedLayoutsFailCleanly) {
  const std::string good = kLayout;
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  struct Case {
    std::string text;
    const char* says;
  };
  const std::vector<Case> cases{
      {replaced("object Edit2: TEdit", "object Edit2: TNoSuchClass"), "TNoSuchClass is not registered"},
      {replaced("Ratio = 2.5", "Speed = 2.5"), "has no property Speed"},
      {replaced("Ratio = 2.5", "Ratio = 'fast'"), "expected a number"},
      {replaced("Caption = 'Go'", "Caption = Go"), "expected a string"},
      {replaced("Font.Color = clLime", "Font.Color = clNoColour"), "is not a colour"},
      {replaced("Font.Charset = GB2312_CHARSET", "Font.Charset = 300"), "out of range"},
      {replaced("Left = 8\n    Top = 8", "Left = 99999999999\n    Top = 8"), "out of range"},
      {replaced("Buddy = Button1", "Buddy = Nobody"), "no component named Nobody"},
      {replaced("Buddy = Button1", "Buddy = Gadget1"), "does not fit"},
      {replaced("OnClick = Ping", "OnClick = Pong"), "not published"},
      {replaced("OnClick = Ping", "OnClick = KeyHandler"), "does not fit the event"},
      {replaced("object Edit2: TEdit", "object Edit1: TEdit"), "already exists"},
      {replaced("object Button1: TButton", "object Button1: TLabel"), "cannot hold a TLabel"},
      {replaced("object Gadget1: TGadget", "object Gadget9: TGadget"), "no component for the field Gadget1"},
      {replaced("object Box: TGroupBox", "object Box: TButton"), "cannot hold a TButton"},
      {replaced("    object Label1: TLabel\n      Caption = 'Name'\n      FocusControl = Edit2\n    end\n", "")
           .replace(good.find("    Left = 10\n"), 0, "    object Inner: TLabel\n    end\n"),
       "cannot contain controls"},
      {replaced("object LayoutForm: TLayoutForm", "object LayoutForm: TForm"), "not a TLayoutForm"},
      {replaced("Data = {0102}", "Data = {010}"), "odd number"},
      {replaced("Items = <", "Items = ("), "expected"},
      {replaced("Font.Height = -15", "Font = 3"), "is an object"},
      {replaced("ClientWidth = 320", "Font.Bogus.Name = 'x'"), "no property Bogus"},
      {good.substr(0, good.size() - 5), "no matching 'end'"},
  };
  for (const Case& c : cases) {
    const std::string message = Failure(c.text);
    EXPECT_NE(message.find(c.says), std::string::npos) << "expected '" << c.says << "' in: " << message;
    EXPECT_NE(message.find("line"), std::string::npos) << message;
  }
}

TEST_F(LayoutReaderTest, ReadsLargeBinaryProperties) {
  std::mt19937 random(7);
  std::vector<std::uint8_t> bytes(56321);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  std::string text = "object LayoutForm: TLayoutForm\n  object Button1: TButton\n  end\n  object Box: TGroupBox\n"
                     "    object Edit1: TEdit\n    end\n  end\n  object Gadget1: TGadget\n    Blob = {";
  static const char* hex = "0123456789abcdef";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % 64 == 0) text += "\n      ";
    text += hex[bytes[i] >> 4];
    text += hex[bytes[i] & 15];
  }
  text += "}\n  end\nend\n";
  form->ReadLayout(text);
  EXPECT_EQ(form->Gadget1->blob, bytes);
}

}  // namespace
