// A benchmark without the benchmark library, for the Windows build (run under
// Wine): reads a stored layout that holds a skin manager with the two
// internal skins as hexadecimal "Data" - parsing, the class registry, the
// stored skins - many times over and prints the fastest and median time of
// one read; once without a skin name (reading only) and once with the dark
// skin's name (reading, then loading that skin as the main window does).
//
//   wine layout_read_timing.exe <Glacier.vxz> <EmberStyle.vxz>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinManagerClasses.h"
#include "toolkit/core/Streams.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Form.h"

namespace {

class TTimedForm : public tk::TForm {
  TK_CLASS(TTimedForm)
public:
  explicit TTimedForm(tk::TComponent* owner) : TForm(owner) {}
};

std::string Hex(const char* path) {
  tk::MemoryStream s;
  s.LoadFromFile(path);
  static const char* digits = "0123456789ABCDEF";
  std::string text = "{";
  for (std::size_t i = 0; i < s.Size(); ++i) {
    if (i % 32 == 0) text += "\n          ";
    text += digits[s.Memory()[i] >> 4];
    text += digits[s.Memory()[i] & 15];
  }
  return text + "}";
}

std::string Item(const char* name, const std::string& data) {
  return std::string("      item\n        Name = '") + name +
         "'\n        GeneralData = <>\n        Images = <>\n        Patterns = <>\n"
         "        Shadow1Color = clBlack\n        Data = " + data + "\n      end";
}

void Time(const char* what, const std::string& layout) {
  constexpr int kRuns = 100;
  std::vector<double> ms;
  for (int i = 0; i < kRuns; ++i) {
    TTimedForm* form = tk::Create<TTimedForm>(nullptr);
    const auto start = std::chrono::steady_clock::now();
    form->ReadLayout(layout);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    tk::TComponent::Free(form);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%s: %d reads of %zu bytes, fastest %.2f ms, median %.2f ms\n", what, kRuns, layout.size(), ms.front(),
              ms[ms.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: layout_read_timing <Glacier.vxz> <EmberStyle.vxz>\n");
    return 2;
  }
  try {
    tk::Application().Initialize();
    skin::RegisterSkinManagerClasses();
    tk::ClassRegistry().Register<TTimedForm>("TTimedForm", "TForm");
    const std::string skins = "    InternalSkins = <\n" + Item("Glacier (internal)", Hex(argv[1])) + "\n" +
                              Item("EmberStyle (internal)", Hex(argv[2])) + ">\n    SkinDirectory = 'C:\\NoSkinsHere'\n";
    const std::string head = "object TimedForm: TTimedForm\n  object sSkinManager1: TsSkinManager\n";
    const std::string tail = "  end\nend\n";
    Time("stored skins only", head + skins + tail);
    Time("stored skins, then the dark skin loaded", head + skins + "    SkinName = 'EmberStyle (internal)'\n" + tail);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
