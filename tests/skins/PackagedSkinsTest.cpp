// The two packed internal skins as the build produced them: container,
// members, options and master bitmap, read with the test's own readers.
#include <gtest/gtest.h>

#include <set>

#include "SkinFiles.h"

namespace {

using namespace skintest;

struct Package {
  std::vector<PackedMember> members;
  std::vector<OptionsSection> options;
  Bmp24 master;
  const PackedMember* Member(const std::string& upperName) const {
    for (const PackedMember& m : members)
      if (Upper(m.name) == upperName) return &m;
    return nullptr;
  }
};

Package Load(const char* path) {
  Package p;
  p.members = ParseContainer(ReadBytes(path));
  const PackedMember* options = p.Member("OPTIONS.DAT");
  if (!options) throw std::runtime_error("no Options.dat");
  p.options = ParseOptions(std::string(options->data.begin(), options->data.end()));
  const OptionsSection* global = FindSection(p.options, "GLOBALINFO");
  const std::string* masterName = global ? global->Find("MASTERBITMAP") : nullptr;
  const PackedMember* master = masterName ? p.Member(*masterName) : nullptr;
  if (!master) throw std::runtime_error("no master bitmap");
  p.master = ReadBmp24(master->data);
  return p;
}

const Package& Ember() {
  static const Package p = Load(GK_EMBER_VXZ);
  return p;
}
const Package& Glacier() {
  static const Package p = Load(GK_GLACIER_VXZ);
  return p;
}

// An image value decoded by character positions, as the engine reads it.
struct Rect {
  int left, top, right, bottom, frames, maskType;
  int wl = 0, wt = 0, wr = 0, wb = 0;
};

int Digits(const std::string& v, std::size_t from, std::size_t count) {
  if (from + count > v.size()) throw std::runtime_error("value too short: " + v);
  for (std::size_t i = from; i < from + count; ++i)
    if (v[i] < '0' || v[i] > '9') throw std::runtime_error("not a digit in " + v);
  return std::stoi(v.substr(from, count));
}

void ExpectSeparators(const std::string& v, char sep, std::initializer_list<std::size_t> at) {
  for (std::size_t i : at) EXPECT_EQ(v.at(i), sep) << v;
}

Rect DecodeMasterValue(const std::string& v) {
  Rect r{Digits(v, 1, 4), Digits(v, 6, 4), Digits(v, 11, 4), Digits(v, 16, 4), 1, 0};
  if (v[0] == '@') {
    EXPECT_EQ(v.size(), 24u) << v;
    ExpectSeparators(v, '@', {0, 5, 10, 15, 20, 22});
    r.frames = Digits(v, 21, 1), r.maskType = Digits(v, 23, 1);
  } else if (v[0] == '^') {
    EXPECT_EQ(v.size(), 48u) << v;
    ExpectSeparators(v, '^', {0, 5, 10, 15, 20, 25, 30, 35, 40, 42, 44, 46});
    r.wl = Digits(v, 21, 4), r.wt = Digits(v, 26, 4), r.wr = Digits(v, 31, 4), r.wb = Digits(v, 36, 4);
    r.frames = Digits(v, 41, 1), r.maskType = Digits(v, 43, 1);
    Digits(v, 45, 1), Digits(v, 47, 1);
  } else {
    EXPECT_TRUE(v.size() == 23 || v.size() == 25) << v;
    ExpectSeparators(v, '~', {0, 5, 10, 15, 20});
    Digits(v, 21, 2);
    if (v.size() == 25) r.maskType = Digits(v, 24, 1);
  }
  return r;
}

// In the corner pieces of a border the engine cuts clFuchsia out of window
// regions and shows the parent there, so every clFuchsia corner pixel must
// lie outside the drawing: reachable from the frame's edge through
// clFuchsia pixels, never enclosed by it.
void ExpectNoEnclosedCutPixels(const Bmp24& bmp, int left, int top, int fw, int fh, int wl, int wt, int wr, int wb,
                               const std::string& where) {
  std::vector<char> outside(static_cast<std::size_t>(fw) * fh, 0);
  std::vector<std::pair<int, int>> todo;
  auto visit = [&](int i, int j) {
    if (i < 0 || j < 0 || i >= fw || j >= fh || outside[j * fw + i] || bmp.At(left + i, top + j) != 0xFF00FF) return;
    outside[j * fw + i] = 1;
    todo.emplace_back(i, j);
  };
  for (int i = 0; i < fw; ++i) visit(i, 0), visit(i, fh - 1);
  for (int j = 0; j < fh; ++j) visit(0, j), visit(fw - 1, j);
  while (!todo.empty()) {
    const auto [i, j] = todo.back();
    todo.pop_back();
    visit(i - 1, j), visit(i + 1, j), visit(i, j - 1), visit(i, j + 1);
  }
  for (int j = 0; j < fh; ++j)
    for (int i = 0; i < fw; ++i) {
      const bool corner = (i < wl || i >= fw - wr) && (j < wt || j >= fh - wb);
      if (corner && bmp.At(left + i, top + j) == 0xFF00FF) {
        ASSERT_TRUE(outside[j * fw + i]) << where << ": enclosed cut pixel at " << i << "," << j;
      }
    }
}

bool IsMasterValue(const std::string& v) { return !v.empty() && (v[0] == '@' || v[0] == '^' || v[0] == '~'); }

void CheckImageKeys(const Package& p, const char* skin) {
  std::set<std::string> referenced = {"OPTIONS.DAT"};
  const std::string* masterName = FindSection(p.options, "GLOBALINFO")->Find("MASTERBITMAP");
  referenced.insert(*masterName);
  EXPECT_EQ(*masterName, Upper(*masterName)) << "the engine matches the master bitmap's name as written, in upper case";
  int images = 0;
  for (const OptionsSection& s : p.options)
    for (const auto& [key, v] : s.keys) {
      const std::string where = std::string(skin) + " " + s.name + "." + key + "=" + v;
      if (IsMasterValue(v)) {
        ++images;
        const Rect r = DecodeMasterValue(v);
        EXPECT_TRUE(0 <= r.left && r.left < r.right && r.right <= p.master.width) << where;
        EXPECT_TRUE(0 <= r.top && r.top < r.bottom && r.bottom <= p.master.height) << where;
        EXPECT_GE(r.frames, 1) << where;
        EXPECT_EQ((r.right - r.left) % r.frames, 0) << where << ": frames of unequal width";
        EXPECT_TRUE(r.maskType == 0 || r.maskType == 1) << where;
        if (r.maskType == 1) {
          EXPECT_EQ((r.bottom - r.top) % 2, 0) << where << ": masks not as tall as the frames";
        }
        const int fw = (r.right - r.left) / r.frames, fh = (r.bottom - r.top) / (r.maskType + 1);
        EXPECT_LE(r.wl + r.wr, fw) << where;
        EXPECT_LE(r.wt + r.wb, fh) << where;
        // Mask halves are grey, and white wherever the picture is clear.
        if (r.maskType == 1) {
          for (int y = r.top; y < r.top + fh; ++y)
            for (int x = r.left; x < r.right; ++x) {
              const std::uint32_t img = p.master.At(x, y), mask = p.master.At(x, y + fh);
              ASSERT_TRUE((mask >> 16) == (mask & 255) && ((mask >> 8) & 255) == (mask & 255)) << where;
              if (img == 0xFF00FF) {
                ASSERT_EQ(mask, 0xFFFFFFu) << where << " at " << x << "," << y;
              }
            }
        }
        if (v[0] == '^')
          for (int f = 0; f < r.frames; ++f)
            ExpectNoEnclosedCutPixels(p.master, r.left + f * fw, r.top, fw, fh, r.wl, r.wt, r.wr, r.wb, where);
        if (v[0] == '~' && r.maskType == 0) {
          for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
              ASSERT_NE(p.master.At(x, y), 0xFF00FFu) << where << ": a hole in a texture";
            }
        }
      } else if (!v.empty() && v[0] == '!') {
        ++images;
        const std::string file = v.substr(1, v.find('!', 1) - 1);
        EXPECT_NE(file.find(".BMP"), std::string::npos) << where;
        const PackedMember* m = p.Member(file);
        ASSERT_NE(m, nullptr) << where;
        referenced.insert(file);
        const Bmp24 bmp = ReadBmp24(m->data);
        const int frames = v.at(v.find('!', 1) + 1) - '0';
        EXPECT_EQ(bmp.width % frames, 0) << where;
        EXPECT_EQ(bmp.height % 2, 0) << where;
        const int fw = bmp.width / frames, fh = bmp.height / 2;
        for (int f = 0; f < frames; ++f)
          ExpectNoEnclosedCutPixels(bmp, f * fw, 0, fw, fh, fw / 3, fh / 3, fw / 3, fh / 3, where);
      } else if (Upper(v).find(".JPG") != std::string::npos || Upper(v).find(".BMP") != std::string::npos) {
        const PackedMember* m = p.Member(Upper(v));
        ASSERT_NE(m, nullptr) << where;
        EXPECT_EQ(v, Upper(v)) << where << ": the engine matches member names in upper case";
        referenced.insert(Upper(v));
      }
    }
  EXPECT_GT(images, 50) << skin;
  for (const PackedMember& m : p.members) EXPECT_TRUE(referenced.count(Upper(m.name))) << skin << ": unused member " << m.name;
}

TEST(PackagedSkins, HoldOptionsFirstThenTheirImages) {
  const struct {
    const Package& p;
    std::vector<std::string> names;
    std::uint8_t level;
  } cases[] = {{Ember(), {"Options.dat", "ButtonHuge.bmp", "Master.bmp", "fBG.jpg"}, 0xDA},
               {Glacier(), {"Options.dat", "ButtonHuge.bmp", "Master.bmp", "TopRight.bmp"}, 0x9C}};
  for (const auto& c : cases) {
    std::vector<std::string> names;
    for (const PackedMember& m : c.p.members) {
      names.push_back(m.name);
      EXPECT_GT(m.declaredSize, 0u) << m.name;
      EXPECT_EQ(m.zlibHeader[1], c.level) << m.name;
    }
    EXPECT_EQ(names, c.names);
  }
}

TEST(PackagedSkins, EveryImageKeyNamesAPictureThatExists) {
  CheckImageKeys(Ember(), "EmberStyle");
  CheckImageKeys(Glacier(), "Glacier");
}

TEST(PackagedSkins, EmberTextureIsALargeJpegPattern) {
  const PackedMember* jpg = Ember().Member("FBG.JPG");
  ASSERT_NE(jpg, nullptr);
  const auto [w, h] = JpegSize(jpg->data);
  EXPECT_EQ(w, 378);
  EXPECT_EQ(h, 256);
  EXPECT_GE(w * h, 90000) << "smaller pictures would load as texture masks, not patterns";
  for (const char* section : {"FORM", "PANEL", "PANEL_LOW", "BAR", "TOOLBAR", "MAINMENU"}) {
    const OptionsSection* s = FindSection(Ember().options, section);
    ASSERT_NE(s, nullptr) << section;
    for (const char* key : {"PATTERN", "HOTPATTERN"}) {
      ASSERT_NE(s->Find(key), nullptr) << section << "." << key;
      EXPECT_EQ(*s->Find(key), "FBG.JPG") << section << "." << key;
    }
  }
}

// The window's sections of the active skin, with their values exactly as the
// converter's window was designed with, and the image keys each carries.
TEST(PackagedSkins, EmberCarriesTheWindowsValuesExactly) {
  const struct {
    const char* section;
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<std::string> images;
  } table[] = {
      {"GLOBALINFO",
       {{"COLOR", "5133660"}, {"HOTCOLOR", "0"}, {"FONTCOLOR", "65535"}, {"TCLEFT", "8454016"}, {"BORDERCOLOR", "0"},
        {"SHADOW1OFFSET", "0"}, {"SHADOW1BLUR", "-1"}, {"VERSION", "5.2"}, {"MASTERBITMAP", "MASTER.BMP"}},
       {"BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED", "SMALLCHECKED", "SMALLUNCHECKED",
        "SMALLGRAYED", "GRIPIMAGE", "CHECK", "TITLEBUTTON", "BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP",
        "SICONNORM"}},
      {"FORM",
       {{"IMAGEPERCENT", "100"}, {"HOTIMAGEPERCENT", "100"}, {"TRANSPARENCY", "0"}, {"HOTTRANSPARENCY", "0"},
        {"FONTCOLOR", "65535"}, {"HOTFONTCOLOR", "65535"}, {"RESERVEDBOOLEAN", "TRUE"}, {"PATTERN", "FBG.JPG"},
        {"HOTPATTERN", "FBG.JPG"}},
       {"BORDERSMASK", "TITLEBUTTON", "BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "GRIPIMAGE"}},
      {"FORMTITLE",
       {{"FONTCOLOR", "16777215"}, {"HOTFONTCOLOR", "16777215"}, {"TCRIGHT", "8079147"}, {"TCBOTTOM", "8079147"},
        {"HOTTCRIGHT", "5780255"}, {"HOTTCBOTTOM", "5780255"}, {"IMAGEPERCENT", "100"}, {"HOTIMAGEPERCENT", "90"},
        {"TRANSPARENCY", "0"}, {"HOTTRANSPARENCY", "0"}, {"HOTCOLOR", "0"}},
       {"BORDERSMASK", "PATTERN", "HOTPATTERN"}},
      {"BUTTON",
       {{"IMAGEPERCENT", "100"}, {"HOTIMAGEPERCENT", "100"}, {"TRANSPARENCY", "0"}, {"FONTCOLOR", "65535"},
        {"HOTFONTCOLOR", "65280"}, {"FADINGENABLED", "TRUE"}, {"FADINGITERATIONS", "20"}},
       {"BORDERSMASK", "PATTERN", "HOTPATTERN"}},
      {"SPEEDBUTTON",
       {{"COLOR", "15791348"}, {"HOTCOLOR", "16777215"}, {"TRANSPARENCY", "100"}, {"HOTTRANSPARENCY", "100"},
        {"FONTCOLOR", "65535"}, {"HOTFONTCOLOR", "65280"}, {"FADINGENABLED", "TRUE"}, {"FADINGITERATIONS", "20"}},
       {"BORDERSMASK"}},
      {"EDIT", {{"COLOR", "0"}, {"HOTCOLOR", "0"}, {"FONTCOLOR", "65280"}, {"HOTFONTCOLOR", "65280"}}, {"BORDERSMASK"}},
      {"GROUPBOX",
       {{"COLOR", "14215660"}, {"TRANSPARENCY", "100"}, {"FONTCOLOR", "65535"}, {"TCRIGHT", "0"}, {"TCBOTTOM", "0"}},
       {"BORDERSMASK"}},
      {"CHECKBOX",
       {{"TRANSPARENCY", "100"}, {"HOTTRANSPARENCY", "100"}, {"FONTCOLOR", "65535"}, {"HOTFONTCOLOR", "65280"},
        {"TCRIGHT", "0"}, {"TCBOTTOM", "0"}, {"HOTTCRIGHT", "0"}, {"HOTTCBOTTOM", "0"}, {"FADINGENABLED", "TRUE"},
        {"FADINGITERATIONS", "20"}},
       {}},
  };
  for (const auto& row : table) {
    const OptionsSection* s = FindSection(Ember().options, row.section);
    ASSERT_NE(s, nullptr) << row.section;
    std::set<std::string> plainKeys;
    for (const auto& [key, value] : s->keys) {
      const bool image = IsMasterValue(value) || value[0] == '!' || key == "PATTERN" || key == "HOTPATTERN" ||
                         key == "MASTERBITMAP";
      if (!image || key == "MASTERBITMAP" || value == "FBG.JPG") plainKeys.insert(key);
    }
    std::set<std::string> expectedKeys;
    for (const auto& [key, value] : row.values) {
      expectedKeys.insert(key);
      const std::string* got = s->Find(key);
      ASSERT_NE(got, nullptr) << row.section << "." << key;
      EXPECT_EQ(*got, value) << row.section << "." << key;
    }
    EXPECT_EQ(plainKeys, expectedKeys) << row.section << " carries other plain values than the window's";
    for (const std::string& key : row.images) {
      const std::string* got = s->Find(key);
      ASSERT_NE(got, nullptr) << row.section << "." << key;
      EXPECT_TRUE(IsMasterValue(*got)) << row.section << "." << key << "=" << *got;
    }
    EXPECT_EQ(s->Find("PARENTCLASS"), nullptr) << row.section;
  }
  // The group frame and the check box stay at fixed places: the painting
  // tests address these two frames by their rectangles.
  EXPECT_EQ(*FindSection(Ember().options, "GROUPBOX")->Find("BORDERSMASK"),
            "^0000^0024^0009^0042^0000^0000^0000^0000^1^1^1^0");
  EXPECT_EQ(*FindSection(Ember().options, "GLOBALINFO")->Find("BOXCHECKED"), "@0000@0078@0039@0104@3@1");
}

TEST(PackagedSkins, BothCarryEverySectionAndImageKeyTheEngineAsksFor) {
  const std::vector<std::string> sections = {
      "GLOBALINFO", "FORM", "FORMTITLE", "DIALOG", "MDIAREA", "MAINMENU", "MENUITEM", "MENULINE", "ICOLINE",
      "EXTRALINE", "DIVIDER", "DIVIDERV", "BAR", "PANEL", "BUTTON", "SPEEDBUTTON_SMALL", "TOOLBUTTON", "TOOLBAR",
      "WEBBUTTON", "CHECKBOX", "EDIT", "COMBOBOX", "COMBOBTN", "GROUPBOX", "COLHEADER", "TRACKBAR", "TABTOP",
      "TABBOTTOM", "TABLEFT", "TABRIGHT", "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT",
      "SCROLLSLIDERV", "SCROLLSLIDERH", "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V",
      // named by the window's controls
      "SPEEDBUTTON", "PANEL_LOW",
      // the skins' further sections
      "BARPANEL", "BARTITLE", "BUTTON_BIG", "BUTTON_HUGE", "CALCPANEL", "DRAGBAR", "GAUGE", "GRIPH", "HINT",
      "PAGECONTROL", "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT", "PROGRESSH", "PROGRESSV",
      "RADIOBUTTON", "SPLITTER", "STATUSBAR", "TABCONTROL", "TABCONTROLBOTTOM", "TABCONTROLLEFT", "TABCONTROLRIGHT"};
  const std::vector<std::string> imageKeys = {
      "BORDERSMASK", "GLYPHMASK", "PATTERN", "HOTPATTERN", "TITLEBAR", "TITLEBUTTON", "GRIPIMAGE", "CHECK",
      "SLIDERCHANNEL", "IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT", "BOXCHECKED", "BOXUNCHECKED",
      "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED", "RADIOGRAYED", "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED",
      "BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "SICONCLOSE", "SICONMAX", "SICONMIN",
      "SICONNORM", "SICONHELP"};
  // Keys the engine reads from GLOBALINFO alone.
  const std::set<std::string> global = {"BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED",
                                        "RADIOGRAYED", "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED", "SICONCLOSE",
                                        "SICONMAX", "SICONMIN", "SICONNORM", "SICONHELP"};
  for (const Package* p : {&Ember(), &Glacier()}) {
    const char* skin = p == &Ember() ? "EmberStyle" : "Glacier";
    std::set<std::string> names;
    for (const OptionsSection& s : p->options) {
      EXPECT_EQ(s.name, Upper(s.name)) << skin << ": the engine compares section names exactly, in upper case";
      EXPECT_TRUE(names.insert(s.name).second) << skin << ": section " << s.name << " twice";
    }
    for (const std::string& s : sections) EXPECT_TRUE(names.count(s)) << skin << " lacks [" << s << "]";
    for (const std::string& key : imageKeys) {
      bool found = false;
      for (const OptionsSection& s : p->options)
        if ((!global.count(key) || s.name == "GLOBALINFO") && s.Find(key)) found = true;
      EXPECT_TRUE(found) << skin << " has no image for " << key;
    }
    // Every parent exists and no chain runs in a circle.
    for (const OptionsSection& s : p->options) {
      const OptionsSection* at = &s;
      for (int depth = 0; at && at->Find("PARENTCLASS"); ++depth) {
        ASSERT_LT(depth, 8) << skin << ": PARENTCLASS cycle from " << s.name;
        at = FindSection(p->options, *at->Find("PARENTCLASS"));
        EXPECT_NE(at, nullptr) << skin << ": " << s.name << " names a missing parent";
      }
    }
  }
  // The splitter looks like the small speed button and has nothing of its own.
  for (const Package* p : {&Ember(), &Glacier()}) {
    const OptionsSection* splitter = FindSection(p->options, "SPLITTER");
    ASSERT_NE(splitter, nullptr);
    ASSERT_EQ(splitter->keys.size(), 1u);
    EXPECT_EQ(*splitter->Find("PARENTCLASS"), "SPEEDBUTTON_SMALL");
  }
}

}  // namespace
