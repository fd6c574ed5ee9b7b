#pragma once
// One main window per test, created the way the program creates it (engine
// tables first, then the application and the form from its stored layout),
// shown and in front, with the focus where start-up leaves it.

#include <gtest/gtest.h>

#include <memory>

#include "WindowTestSupport.h"
#include "app/Unit1.h"
#include "gis/GisEngine.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Unicode.h"

// What the program sets up before its window (see StartupTest.cpp for the
// program's own start-up): the engine's tables, the application and its
// title.
class MainWindowSuite : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    engine_ = new GisEngineScope();
    tk::Application().Initialize();
    tk::Application().SetTitle("坐标转换");
    // Nothing may stop a test with a message box.
    tk::Application().OnException = [](const std::exception& e) { ADD_FAILURE() << "exception in a handler: " << e.what(); };
  }
  static void TearDownTestSuite() {
    delete engine_;
    engine_ = nullptr;
  }

private:
  static inline GisEngineScope* engine_ = nullptr;
};

class MainWindowTest : public MainWindowSuite {
protected:
  void SetUp() override {
    tk::Application().ResumeAfterTerminate();
    form = tk::Application().CreateForm<TForm1>();
    form->Show();
    ASSERT_TRUE(testing_support::BringToFront(form->Handle()));
    ASSERT_TRUE(testing_support::PumpUntil([&] { return form->sButton1->Focused(); }));
  }
  void TearDown() override {
    // Release every key and button a failed test may have left down.
    for (WORD key : {VK_CONTROL, VK_SHIFT, VK_ESCAPE}) testing_support::KeyUp(key);
    testing_support::LeftButtonUp();
    tk::TComponent::Free(form);
    testing_support::PumpPending();
  }

  // Clicks into a field and types over whatever it holds.
  void TypeInto(tk::TMaskEdit* edit, const std::wstring& text) {
    ASSERT_TRUE(testing_support::TypeOver(*edit, text)) << edit->Name() << " holds '" << edit->Text() << "'";
  }

  TForm1* form = nullptr;
};
