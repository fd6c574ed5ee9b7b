// The toolkit's classes and their published properties, as stored layouts
// name them.

#include "toolkit/win/ActionList.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/ClassRegistry.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/GraphicBitmap.h"
#include "toolkit/win/GroupBox.h"
#include "toolkit/win/Panel.h"
#include "toolkit/win/ImgList.h"
#include "toolkit/win/Label.h"
#include "toolkit/win/SpeedButton.h"
#include "toolkit/win/Timer.h"
#include "toolkit/win/Unicode.h"

namespace tk {

namespace {

// A character property stored as a one-character string or a character code.
wchar_t ValueToChar(const LayoutValue& value) {
  if (value.kind == LayoutValue::Kind::Integer) {
    if (value.integer < 0 || value.integer > 0xFFFF) FailValue(value, "the character code is out of range");
    return static_cast<wchar_t>(value.integer);
  }
  const std::wstring text = Utf8ToWide(ValueToString(value));
  if (text.size() > 1) FailValue(value, "expected a single character");
  return text.empty() ? 0 : text[0];
}

void RegisterGraphics(TClassRegistry& r) {
  r.Register<TPersistent>("TPersistent", "");
  r.Register<TFont>("TFont", "TPersistent")
      .String("Name", &TFont::SetName)
      .Integer("Height", &TFont::SetHeight)
      .Integer("Size", &TFont::SetSize)
      .Color("Color", &TFont::SetColor)
      .Set("Style", &TFont::SetStyle,
           {{"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}})
      .Custom("Charset", [](TFont& font, const LayoutValue& value, TReadContext&) {
        if (value.kind == LayoutValue::Kind::Integer) {
          if (value.integer < 0 || value.integer > 255) FailValue(value, "the character set is out of range");
          font.SetCharset(static_cast<BYTE>(value.integer));
          return;
        }
        if (value.kind == LayoutValue::Kind::Identifier) {
          if (auto charset = IdentToCharset(value.text)) return font.SetCharset(*charset);
          FailValue(value, "'" + value.text + "' is not a character set");
        }
        FailValue(value, std::string("expected a character set, found ") + DescribeKind(value.kind));
      });
  r.Register<TBitmap>("TBitmap", "TPersistent")
      .Binary("Data", [](TBitmap& bitmap, const std::vector<std::uint8_t>& bytes) {
        bitmap.LoadFromBmp(bytes.data(), bytes.size());
      })
      .Boolean("Transparent", &TBitmap::SetTransparent)
      .Color("TransparentColor", &TBitmap::SetTransparentColor);
}

void RegisterControls(TClassRegistry& r) {
  r.Register<TComponent>("TComponent", "TPersistent").Integer("Tag", &TComponent::SetTag);
  r.Register<TControl>("TControl", "TComponent")
      .Integer("Left", &TControl::SetLeft)
      .Integer("Top", &TControl::SetTop)
      .Integer("Width", &TControl::SetWidth)
      .Integer("Height", &TControl::SetHeight)
      .String("Caption", &TControl::SetCaption)
      .String("Text", &TControl::SetText)
      .Color("Color", &TControl::SetColor)
      .Object("Font", &TControl::Font)
      .Boolean("ParentFont", &TControl::SetParentFont)
      .Boolean("ParentColor", &TControl::SetParentColor)
      .Boolean("Visible", &TControl::SetVisible)
      .Boolean("Enabled", &TControl::SetEnabled)
      .String("Hint", &TControl::SetHint)
      .Boolean("ShowHint", &TControl::SetShowHint)
      .Boolean("ParentShowHint", &TControl::SetParentShowHint)
      .Enum<TBiDiMode>("BiDiMode", &TControl::SetBiDiMode,
                       {{"bdLeftToRight", bdLeftToRight},
                        {"bdRightToLeft", bdRightToLeft},
                        {"bdRightToLeftNoAlign", bdRightToLeftNoAlign},
                        {"bdRightToLeftReadingOnly", bdRightToLeftReadingOnly}})
      .Reference("Action", &TControl::SetAction)
      .Event("OnClick", &TControl::OnClick)
      .Event("OnDblClick", &TControl::OnDblClick)
      .Event("OnMouseDown", &TControl::OnMouseDown)
      .Event("OnMouseUp", &TControl::OnMouseUp)
      .Event("OnMouseMove", &TControl::OnMouseMove);
  r.Register<TWinControl>("TWinControl", "TControl")
      .Integer("TabOrder", &TWinControl::SetTabOrder)
      .Boolean("TabStop", &TWinControl::SetTabStop)
      .Boolean("Ctl3D", &TWinControl::SetCtl3D)
      .Boolean("ParentBackground", &TWinControl::SetParentBackground)
      .Boolean("DoubleBuffered", &TWinControl::SetDoubleBuffered)
      .Integer("BevelWidth", &TWinControl::SetBevelWidth)
      .Event("OnEnter", &TWinControl::OnEnter)
      .Event("OnExit", &TWinControl::OnExit)
      .Event("OnKeyDown", &TWinControl::OnKeyDown)
      .Event("OnKeyUp", &TWinControl::OnKeyUp)
      .Event("OnKeyPress", &TWinControl::OnKeyPress);
  r.Register<TGraphicControl>("TGraphicControl", "TControl");
  r.Register<TCustomControl>("TCustomControl", "TWinControl");

  r.Register<TButton>("TButton", "TWinControl")
      .Creatable()
      .Boolean("Default", &TButton::SetDefault)
      .Boolean("Cancel", &TButton::SetCancel)
      .Integer("ModalResult", &TButton::SetModalResult)
      .Boolean("WordWrap", &TButton::SetWordWrap);

  r.Register<TCustomEdit>("TCustomEdit", "TWinControl")
      .Enum<TBorderStyle>("BorderStyle", &TCustomEdit::SetBorderStyle, {{"bsNone", bsNone}, {"bsSingle", bsSingle}})
      .Custom("PasswordChar", [](TCustomEdit& edit, const LayoutValue& value, TReadContext&) {
        edit.SetPasswordChar(ValueToChar(value));
      })
      .Integer("MaxLength", &TCustomEdit::SetMaxLength)
      .Boolean("ReadOnly", &TCustomEdit::SetReadOnly)
      .Boolean("AutoSelect", &TCustomEdit::SetAutoSelect)
      .Event("OnChange", &TCustomEdit::OnChange);
  r.Register<TEdit>("TEdit", "TCustomEdit").Creatable();
  r.Register<TCustomMaskEdit>("TCustomMaskEdit", "TCustomEdit");
  r.Register<TMaskEdit>("TMaskEdit", "TCustomMaskEdit").Creatable();

  r.Register<TCustomGroupBox>("TCustomGroupBox", "TCustomControl");
  r.Register<TGroupBox>("TGroupBox", "TCustomGroupBox").Creatable();
  r.Register<TCustomPanel>("TCustomPanel", "TCustomControl");
  r.Register<TPanel>("TPanel", "TCustomPanel").Creatable();

  r.Register<TCustomLabel>("TCustomLabel", "TGraphicControl")
      .Enum<TAlignment>("Alignment", &TCustomLabel::SetAlignment,
                        {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}})
      .Enum<TTextLayout>("Layout", &TCustomLabel::SetLayout, {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}})
      .Boolean("AutoSize", &TCustomLabel::SetAutoSize)
      .Boolean("Transparent", &TCustomLabel::SetTransparent)
      .Boolean("WordWrap", &TCustomLabel::SetWordWrap)
      .Boolean("ShowAccelChar", &TCustomLabel::SetShowAccelChar)
      .Reference("FocusControl", &TCustomLabel::SetFocusControl);
  r.Register<TLabel>("TLabel", "TCustomLabel").Creatable();

  r.Register<TSpeedButton>("TSpeedButton", "TGraphicControl")
      .Creatable()
      .Object("Glyph", &TSpeedButton::Glyph)
      .Integer("NumGlyphs", &TSpeedButton::SetNumGlyphs)
      .Enum<TButtonLayout>("Layout", &TSpeedButton::SetLayout,
                           {{"blGlyphLeft", blGlyphLeft}, {"blGlyphRight", blGlyphRight}, {"blGlyphTop", blGlyphTop},
                            {"blGlyphBottom", blGlyphBottom}})
      .Integer("Margin", &TSpeedButton::SetMargin)
      .Integer("Spacing", &TSpeedButton::SetSpacing)
      .Boolean("Flat", &TSpeedButton::SetFlat)
      .Boolean("Down", &TSpeedButton::SetDown)
      .Integer("GroupIndex", &TSpeedButton::SetGroupIndex)
      .Boolean("AllowAllUp", &TSpeedButton::SetAllowAllUp);
}

void RegisterForms(TClassRegistry& r) {
  r.Register<TCustomForm>("TCustomForm", "TCustomControl")
      .Enum<TFormBorderStyle>("BorderStyle", &TCustomForm::SetBorderStyle,
                              {{"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsSizeable", bsSizeable},
                               {"bsDialog", bsDialog}, {"bsToolWindow", bsToolWindow}, {"bsSizeToolWin", bsSizeToolWin}})
      .Set("BorderIcons", &TCustomForm::SetBorderIcons,
           {{"biSystemMenu", biSystemMenu}, {"biMinimize", biMinimize}, {"biMaximize", biMaximize}, {"biHelp", biHelp}})
      .Enum<TPosition>("Position", &TCustomForm::SetPosition,
                       {{"poDesigned", poDesigned}, {"poDefault", poDefault}, {"poDefaultPosOnly", poDefaultPosOnly},
                        {"poDefaultSizeOnly", poDefaultSizeOnly}, {"poScreenCenter", poScreenCenter},
                        {"poDesktopCenter", poDesktopCenter}, {"poMainFormCenter", poMainFormCenter},
                        {"poOwnerFormCenter", poOwnerFormCenter}})
      .Boolean("KeyPreview", &TCustomForm::SetKeyPreview)
      .Integer("ClientWidth", &TCustomForm::SetClientWidth)
      .Integer("ClientHeight", &TCustomForm::SetClientHeight)
      .Custom("PixelsPerInch",
              [](TCustomForm& form, const LayoutValue& value, TReadContext&) {
                form.PixelsPerInch = static_cast<int>(ValueToInteger(value));
              })
      .Custom("TextHeight",
              [](TCustomForm& form, const LayoutValue& value, TReadContext&) {
                form.DesignTextHeight = static_cast<int>(ValueToInteger(value));
              })
      .Reference("ActiveControl", &TCustomForm::SetActiveControl)
      .Event("OnCreate", &TCustomForm::OnCreate)
      .Event("OnDestroy", &TCustomForm::OnDestroy)
      .Event("OnShow", &TCustomForm::OnShow)
      .Event("OnHide", &TCustomForm::OnHide)
      .Event("OnActivate", &TCustomForm::OnActivate)
      .Event("OnDeactivate", &TCustomForm::OnDeactivate)
      .Event("OnPaint", &TCustomForm::OnPaint)
      .Event("OnClose", &TCustomForm::OnClose)
      .Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
  r.Register<TForm>("TForm", "TCustomForm");
}

void RegisterActionsAndTimers(TClassRegistry& r) {
  r.Register<TActionList>("TActionList", "TComponent").Creatable();
  r.Register<TBasicAction>("TBasicAction", "TComponent")
      .Event("OnExecute", &TBasicAction::OnExecute)
      .Event("OnUpdate", &TBasicAction::OnUpdate);
  r.Register<TAction>("TAction", "TBasicAction")
      .Creatable()
      .String("Caption", &TAction::SetCaption)
      .Boolean("Enabled", &TAction::SetEnabled)
      .String("Hint", &TAction::SetHint)
      .Boolean("Visible", &TAction::SetVisible)
      .Boolean("Checked", &TAction::SetChecked)
      .Custom("Category", [](TAction& action, const LayoutValue& value, TReadContext&) { action.Category = ValueToString(value); })
      .Custom("ShortCut",
              [](TAction& action, const LayoutValue& value, TReadContext&) {
                if (value.kind == LayoutValue::Kind::Integer) {
                  if (value.integer < 0 || value.integer > 0xFFFF) FailValue(value, "the shortcut is out of range");
                  action.SetShortCut(static_cast<TShortCut>(value.integer));
                  return;
                }
                const TShortCut shortCut = TextToShortCut(ValueToString(value));
                if (shortCut == scNone && !ValueToString(value).empty()) FailValue(value, "'" + value.text + "' is not a shortcut");
                action.SetShortCut(shortCut);
              })
      .Custom("SecondaryShortCuts", [](TAction& action, const LayoutValue& value, TReadContext&) {
        StringList shortCuts = ValueToStrings(value);
        for (const std::string& text : shortCuts)
          if (TextToShortCut(text) == scNone) FailValue(value, "'" + text + "' is not a shortcut");
        action.SetSecondaryShortCuts(std::move(shortCuts));
      });
  r.Register<TCustomImageList>("TCustomImageList", "TComponent")
      .Integer("Width", &TCustomImageList::SetWidth)
      .Integer("Height", &TCustomImageList::SetHeight)
      .Color("BkColor", &TCustomImageList::SetBkColor);
  r.Register<TImageList>("TImageList", "TCustomImageList").Creatable();
  r.Register<TTimer>("TTimer", "TComponent")
      .Creatable()
      .Boolean("Enabled", &TTimer::SetEnabled)
      .Integer("Interval", &TTimer::SetInterval)
      .EventSetter("OnTimer", &TTimer::SetOnTimer);
}

}  // namespace

void RegisterStandardClasses(TClassRegistry& registry) {
  RegisterGraphics(registry);
  RegisterControls(registry);
  RegisterForms(registry);
  RegisterActionsAndTimers(registry);
}

}  // namespace tk
