#include "app/Unit1.h"

#include "app/ConversionCommands.h"
#include "app/FieldTexts.h"
#include "skin/controls/sSkinnedControlClasses.h"
#include "skin/forms/sSkinProviderClass.h"
#include "toolkit/win/ClassRegistry.h"

namespace {

// The form's fields and published methods, as its stored layout names them.
void RegisterForm1() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  skin::RegisterSkinnedControlClasses();
  skin::RegisterSkinProviderClass();
  tk::ClassRegistry()
      .Register<TForm1>("TForm1", "TForm")
      .Field("sSpeedButton5", &TForm1::sSpeedButton5)
      .Field("sButton1", &TForm1::sButton1)
      .Field("sButton2", &TForm1::sButton2)
      .Field("sGroupBox1", &TForm1::sGroupBox1)
      .Field("sLabel1", &TForm1::sLabel1)
      .Field("sLabel3", &TForm1::sLabel3)
      .Field("sLabel4", &TForm1::sLabel4)
      .Field("sLabel5", &TForm1::sLabel5)
      .Field("sSpeedButton1", &TForm1::sSpeedButton1)
      .Field("sSpeedButton2", &TForm1::sSpeedButton2)
      .Field("sLabel2", &TForm1::sLabel2)
      .Field("sLabel6", &TForm1::sLabel6)
      .Field("sLabel7", &TForm1::sLabel7)
      .Field("sLabel8", &TForm1::sLabel8)
      .Field("sSpeedButton3", &TForm1::sSpeedButton3)
      .Field("sSpeedButton4", &TForm1::sSpeedButton4)
      .Field("edtLon", &TForm1::edtLon)
      .Field("edtLonM", &TForm1::edtLonM)
      .Field("edtLonD", &TForm1::edtLonD)
      .Field("edtLonS", &TForm1::edtLonS)
      .Field("edtLat", &TForm1::edtLat)
      .Field("edtLatM", &TForm1::edtLatM)
      .Field("edtLatD", &TForm1::edtLatD)
      .Field("edtLatS", &TForm1::edtLatS)
      .Field("sGroupBox2", &TForm1::sGroupBox2)
      .Field("sLabel9", &TForm1::sLabel9)
      .Field("sLabel10", &TForm1::sLabel10)
      .Field("sLabel11", &TForm1::sLabel11)
      .Field("edtGaussX", &TForm1::edtGaussX)
      .Field("edtGaussY", &TForm1::edtGaussY)
      .Field("edtGaussZone", &TForm1::edtGaussZone)
      .Field("sSkinManager1", &TForm1::sSkinManager1)
      .Field("sSkinProvider1", &TForm1::sSkinProvider1)
      .Field("ActionList1", &TForm1::ActionList1)
      .Field("Action1", &TForm1::Action1)
      .Method("FormCreate", &TForm1::FormCreate)
      .Method("FormKeyUp", &TForm1::FormKeyUp)
      .Method("sButton1Click", &TForm1::sButton1Click)
      .Method("sButton2Click", &TForm1::sButton2Click)
      .Method("sSpeedButton1Click", &TForm1::sSpeedButton1Click)
      .Method("sSpeedButton2Click", &TForm1::sSpeedButton2Click)
      .Method("sSpeedButton3Click", &TForm1::sSpeedButton3Click)
      .Method("sSpeedButton4Click", &TForm1::sSpeedButton4Click)
      .Method("sSpeedButton5Click", &TForm1::sSpeedButton5Click)
      .Method("Action1Execute", &TForm1::Action1Execute);
}

}  // namespace

// The commands read and write the eleven fields straight through the edits.
class TForm1::TEditFields final : public app::TFieldAccess {
public:
  explicit TEditFields(TForm1& form) : form_(form) {}
  std::string Text(app::TField field) const override { return Edit(field)->Text(); }
  void SetText(app::TField field, std::string_view text) override { Edit(field)->SetText(text); }

private:
  tk::TMaskEdit* Edit(app::TField field) const {
    switch (field) {
      case app::TField::edtLon: return form_.edtLon;
      case app::TField::edtLat: return form_.edtLat;
      case app::TField::edtLonD: return form_.edtLonD;
      case app::TField::edtLonM: return form_.edtLonM;
      case app::TField::edtLonS: return form_.edtLonS;
      case app::TField::edtLatD: return form_.edtLatD;
      case app::TField::edtLatM: return form_.edtLatM;
      case app::TField::edtLatS: return form_.edtLatS;
      case app::TField::edtGaussX: return form_.edtGaussX;
      case app::TField::edtGaussY: return form_.edtGaussY;
      case app::TField::edtGaussZone: return form_.edtGaussZone;
    }
    throw std::out_of_range("no such field");
  }

  TForm1& form_;
};

TForm1::TForm1(tk::TComponent* owner) : tk::TForm(owner), FFields(std::make_unique<TEditFields>(*this)) {
  RegisterForm1();
}

TForm1::~TForm1() { BeforeDestruction(); }

void TForm1::FormCreate(tk::TObject*) { FCommands = std::make_unique<app::TConversionCommands>(); }

void TForm1::Loaded() {
  tk::TForm::Loaded();
  NameControlsForScreenReaders();
}

namespace {
// A label's text without its closing full-width colon: "经度：" is 经度.
std::string LabelName(const tk::TControl* label) {
  std::string text = label->Caption();
  const std::string colon = "：";
  if (text.size() >= colon.size() && text.compare(text.size() - colon.size(), colon.size(), colon) == 0)
    text.erase(text.size() - colon.size());
  return text;
}
}  // namespace

void TForm1::NameControlsForScreenReaders() {
  if (!sLabel1 || !sLabel2) return;  // a layout without them (tests of parts)
  const std::string lon = LabelName(sLabel1), lat = LabelName(sLabel2);
  // ">>" splits the decimal degrees into degrees, minutes and seconds; "<<" joins them back.
  sSpeedButton1->SetAccessibleName(lon + " 度分秒");
  sSpeedButton2->SetAccessibleName(lon + " 十进制度");
  sSpeedButton3->SetAccessibleName(lat + " 度分秒");
  sSpeedButton4->SetAccessibleName(lat + " 十进制度");
  // The clear button is named by its hint.
  const struct {
    tk::TMaskEdit* edit;
    std::string name;
  } edits[] = {
      {edtLon, lon},
      {edtLonD, lon + " " + LabelName(sLabel3)},
      {edtLonM, lon + " " + LabelName(sLabel4)},
      {edtLonS, lon + " " + LabelName(sLabel5)},
      {edtLat, lat},
      {edtLatD, lat + " " + LabelName(sLabel6)},
      {edtLatM, lat + " " + LabelName(sLabel7)},
      {edtLatS, lat + " " + LabelName(sLabel8)},
      {edtGaussX, LabelName(sLabel9)},
      {edtGaussY, LabelName(sLabel10)},
      {edtGaussZone, LabelName(sLabel11)},
  };
  for (const auto& e : edits) e.edit->SetAccessibleName(e.name);
}

void TForm1::FormKeyUp(tk::TObject*, WORD& Key, tk::TShiftState) {
  // On release only: holding Esc down does nothing.
  if (Key != VK_ESCAPE) return;
  const bool pressedHere = FEscapePressed;
  FEscapePressed = false;
  if (pressedHere) Close();
}

void TForm1::KeyDown(WORD& Key, tk::TShiftState Shift) {
  if (Key == VK_ESCAPE) FEscapePressed = true;
  tk::TForm::KeyDown(Key, Shift);
}

void TForm1::WndProc(tk::TMessage& Message) {
  // A press made before the window lost the keyboard is not this window's.
  if (Message.Msg == WM_ACTIVATE && LOWORD(Message.WParam) == WA_INACTIVE) FEscapePressed = false;
  tk::TForm::WndProc(Message);
}

void TForm1::sButton1Click(tk::TObject*) { FCommands->GaussToGeodetic(*FFields); }

void TForm1::sButton2Click(tk::TObject*) { FCommands->GeodeticToGauss(*FFields); }

void TForm1::sSpeedButton1Click(tk::TObject*) { FCommands->SplitLongitude(*FFields); }

void TForm1::sSpeedButton2Click(tk::TObject*) { FCommands->JoinLongitude(*FFields); }

void TForm1::sSpeedButton3Click(tk::TObject*) { FCommands->SplitLatitude(*FFields); }

void TForm1::sSpeedButton4Click(tk::TObject*) { FCommands->JoinLatitude(*FFields); }

void TForm1::sSpeedButton5Click(tk::TObject* Sender) { Action1Execute(Sender); }

void TForm1::Action1Execute(tk::TObject*) {
  // Every edit the window owns, in the order it owns them: the eleven fields.
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* edit = dynamic_cast<tk::TMaskEdit*>(Components(i))) edit->SetText("");
}
