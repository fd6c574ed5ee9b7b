#include "app/ConverterStartup.h"

#include <exception>

#include "app/Unit1.h"
#include "toolkit/core/StartupMarks.h"
#include "gis/GisEngine.h"
#include "toolkit/win/Application.h"

int RunConverter(const std::function<void(TForm1&)>& mainFormCreated) {
  tk::StartupMark("entry");
  GisEngineScope engine;
  tk::StartupMark("engine tables");
  tk::TApplication& application = tk::Application();
  try {
    application.Initialize();
    application.SetTitle("坐标转换");
    tk::StartupMark("application");
    TForm1* form = application.CreateForm<TForm1>();
    tk::StartupMark("form created");
    if (mainFormCreated) mainFormCreated(*form);
    application.Run();
  } catch (const std::exception& e) {
    // Only a damaged executable gets here (its stored layout unreadable).
    application.MessageBox(e.what(), "坐标转换", MB_OK | MB_ICONSTOP);
    application.DestroyForms();
    return 1;
  }
  return 0;
}
