// The program's own start-up, as WinMain runs it: RunConverter sets up the
// engine's tables, the application and its title, creates the main window
// from its stored layout and runs the message loop until the window closes.
#include <gtest/gtest.h>

#include <string>

#include "app/ConverterStartup.h"
#include "app/Unit1.h"
#include "toolkit/win/Application.h"

namespace {

TEST(ConverterStartup, TitlesTheApplicationAndRunsUntilTheWindowCloses) {
  // Whatever an earlier test set, start-up must set it again.
  tk::Application().SetTitle("");
  tk::Application().ResumeAfterTerminate();
  std::string title;
  std::string caption;
  bool created = false;
  const int exitCode = RunConverter([&](TForm1& form) {
    created = true;
    title = tk::Application().Title();
    caption = form.Caption();
    // Closing the main window ends the message loop and the program.
    PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(exitCode, 0);
  ASSERT_TRUE(created);
  EXPECT_EQ(title, "坐标转换");
  EXPECT_EQ(caption.rfind("坐标转换（", 0), 0u) << caption;
  EXPECT_EQ(tk::Application().MainForm(), nullptr);
}

}  // namespace
