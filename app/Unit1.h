#pragma once
// The converter's main window, its controls skinned. Its controls, their texts, fonts, colours and
// tab order, its skin manager with the two internal skins and its skin
// provider (the skinned frame and title bar), are in the
// stored layout (Unit1.layout, read when the form is created); this class
// binds them by name and forwards every event to the conversion commands
// (ConversionCommands.h).

#include <windows.h>

#include <memory>

#include "skin/controls/sButton.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMaskEdit.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "toolkit/win/ActionList.h"
#include "toolkit/win/Form.h"

namespace app {
class TConversionCommands;
}

class TForm1 : public tk::TForm {
  TK_CLASS(TForm1)
public:
  explicit TForm1(tk::TComponent* owner);
  ~TForm1() override;

  skin::TsSpeedButton* sSpeedButton5 = nullptr;
  skin::TsButton* sButton1 = nullptr;
  skin::TsButton* sButton2 = nullptr;
  skin::TsGroupBox* sGroupBox1 = nullptr;
  skin::TsLabel* sLabel1 = nullptr;
  skin::TsLabel* sLabel3 = nullptr;
  skin::TsLabel* sLabel4 = nullptr;
  skin::TsLabel* sLabel5 = nullptr;
  skin::TsSpeedButton* sSpeedButton1 = nullptr;
  skin::TsSpeedButton* sSpeedButton2 = nullptr;
  skin::TsLabel* sLabel2 = nullptr;
  skin::TsLabel* sLabel6 = nullptr;
  skin::TsLabel* sLabel7 = nullptr;
  skin::TsLabel* sLabel8 = nullptr;
  skin::TsSpeedButton* sSpeedButton3 = nullptr;
  skin::TsSpeedButton* sSpeedButton4 = nullptr;
  skin::TsMaskEdit* edtLon = nullptr;
  skin::TsMaskEdit* edtLonM = nullptr;
  skin::TsMaskEdit* edtLonD = nullptr;
  skin::TsMaskEdit* edtLonS = nullptr;
  skin::TsMaskEdit* edtLat = nullptr;
  skin::TsMaskEdit* edtLatM = nullptr;
  skin::TsMaskEdit* edtLatD = nullptr;
  skin::TsMaskEdit* edtLatS = nullptr;
  skin::TsGroupBox* sGroupBox2 = nullptr;
  skin::TsLabel* sLabel9 = nullptr;
  skin::TsLabel* sLabel10 = nullptr;
  skin::TsLabel* sLabel11 = nullptr;
  skin::TsMaskEdit* edtGaussX = nullptr;
  skin::TsMaskEdit* edtGaussY = nullptr;
  skin::TsMaskEdit* edtGaussZone = nullptr;
  skin::TsSkinManager* sSkinManager1 = nullptr;
  skin::TsSkinProvider* sSkinProvider1 = nullptr;
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
  void Loaded() override;
  void KeyDown(WORD& Key, tk::TShiftState Shift) override;
  void WndProc(tk::TMessage& Message) override;

private:
  class TEditFields;
  // Names for screen readers where a caption does not say it: the speed
  // buttons by what they do, the edits by their labels.
  void NameControlsForScreenReaders();
  // Esc was pressed while the window had the keyboard: only that press's
  // release closes it (not the release of an Esc that closed a dialog).
  bool FEscapePressed = false;
  std::unique_ptr<app::TConversionCommands> FCommands;
  std::unique_ptr<TEditFields> FFields;
};
