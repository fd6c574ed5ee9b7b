#pragma once
// The converter's main window. Its controls, their texts, fonts, colours and
// tab order, and its skin manager with the two internal skins, are in the
// stored layout (Unit1.layout, read when the form is created); this class
// binds them by name and forwards every event to the conversion commands
// (ConversionCommands.h).

#include <windows.h>

#include <memory>

#include "skin/data/sSkinManager.h"
#include "toolkit/win/ActionList.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/GroupBox.h"
#include "toolkit/win/Label.h"
#include "toolkit/win/SpeedButton.h"

namespace app {
class TConversionCommands;
}

class TForm1 : public tk::TForm {
  TK_CLASS(TForm1)
public:
  explicit TForm1(tk::TComponent* owner);
  ~TForm1() override;

  tk::TSpeedButton* sSpeedButton5 = nullptr;
  tk::TButton* sButton1 = nullptr;
  tk::TButton* sButton2 = nullptr;
  tk::TGroupBox* sGroupBox1 = nullptr;
  tk::TLabel* sLabel1 = nullptr;
  tk::TLabel* sLabel3 = nullptr;
  tk::TLabel* sLabel4 = nullptr;
  tk::TLabel* sLabel5 = nullptr;
  tk::TSpeedButton* sSpeedButton1 = nullptr;
  tk::TSpeedButton* sSpeedButton2 = nullptr;
  tk::TLabel* sLabel2 = nullptr;
  tk::TLabel* sLabel6 = nullptr;
  tk::TLabel* sLabel7 = nullptr;
  tk::TLabel* sLabel8 = nullptr;
  tk::TSpeedButton* sSpeedButton3 = nullptr;
  tk::TSpeedButton* sSpeedButton4 = nullptr;
  tk::TMaskEdit* edtLon = nullptr;
  tk::TMaskEdit* edtLonM = nullptr;
  tk::TMaskEdit* edtLonD = nullptr;
  tk::TMaskEdit* edtLonS = nullptr;
  tk::TMaskEdit* edtLat = nullptr;
  tk::TMaskEdit* edtLatM = nullptr;
  tk::TMaskEdit* edtLatD = nullptr;
  tk::TMaskEdit* edtLatS = nullptr;
  tk::TGroupBox* sGroupBox2 = nullptr;
  tk::TLabel* sLabel9 = nullptr;
  tk::TLabel* sLabel10 = nullptr;
  tk::TLabel* sLabel11 = nullptr;
  tk::TMaskEdit* edtGaussX = nullptr;
  tk::TMaskEdit* edtGaussY = nullptr;
  tk::TMaskEdit* edtGaussZone = nullptr;
  skin::TsSkinManager* sSkinManager1 = nullptr;
  tk::TActionList* ActionList1 = nullptr;
  tk::TAction* Action1 = nullptr;

  void FormCreate(tk::TObject* Sender);
  void FormKeyUp(tk::TObject* Sender, WORD& Key, tk::TShiftState Shift);
  void sButton1Click(tk::TObject* Sender);
  void sButton2Click(tk::TObject* Sender);
  void sSpeedButton1Click(tk::TObject* Sender);
  void sSpeedButton2Click(tk::TObject* Sender);
  void sSpeedButton3Click(tk::TObject* Sender);
  void sSpeedButton4Click(tk::TObject* Sender);
  void sSpeedButton5Click(tk::TObject* Sender);
  void Action1Execute(tk::TObject* Sender);

protected:
  void KeyDown(WORD& Key, tk::TShiftState Shift) override;
  void WndProc(tk::TMessage& Message) override;

private:
  class TEditFields;
  // Esc was pressed while the window had the keyboard: only that press's
  // release closes it (not the release of an Esc that closed a dialog).
  bool FEscapePressed = false;
  std::unique_ptr<app::TConversionCommands> FCommands;
  std::unique_ptr<TEditFields> FFields;
};
