#include "SkinPreview.h"
#include "TextCase.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "DetMath.h"
#include "PixelFont.h"
#include "SkinDesign.h"

namespace skingen {

namespace {

struct Bgr {
  int b, g, r;
};

Bgr Get(const tk::Bitmap& bmp, int x, int y) {
  const std::uint8_t* p = bmp.ScanLine(y) + x * 3;
  return {p[0], p[1], p[2]};
}
void Put(tk::Bitmap& bmp, int x, int y, Bgr c) {
  if (x < 0 || y < 0 || x >= bmp.Width() || y >= bmp.Height()) return;
  std::uint8_t* p = bmp.ScanLine(y) + x * 3;
  p[0] = static_cast<std::uint8_t>(std::clamp(c.b, 0, 255));
  p[1] = static_cast<std::uint8_t>(std::clamp(c.g, 0, 255));
  p[2] = static_cast<std::uint8_t>(std::clamp(c.r, 0, 255));
}
Bgr FromColorRef(long v) { return {static_cast<int>((v >> 16) & 255), static_cast<int>((v >> 8) & 255), static_cast<int>(v & 255)}; }
bool IsFuchsia(Bgr c) { return c.b == 255 && c.g == 0 && c.r == 255; }

// The engine's combine of an image pixel with the target through its mask.
Bgr Combine(Bgr image, Bgr target, int mask) {
  return {image.b + (target.b - image.b) * mask / 256, image.g + (target.g - image.g) * mask / 256,
          image.r + (target.r - image.r) * mask / 256};
}

int Number(const std::string& s, std::size_t at, std::size_t len) { return std::stoi(s.substr(at, len)); }

}  // namespace

SkinPreview::SkinPreview(const std::string& optionsText, const tk::Bitmap& master, std::map<std::string, tk::Bitmap> files)
    : options_(optionsText), master_(master), files_(std::move(files)) {}

std::optional<DecodedImage> SkinPreview::Decode(const std::string& value) const {
  DecodedImage d;
  if (value.empty()) return std::nullopt;
  const std::string upper = UpperAscii(value);
  if (upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos) {
    const auto it = files_.find(upper);
    if (it == files_.end()) return std::nullopt;
    d.source = &it->second;
    d.right = it->second.Width();
    d.bottom = it->second.Height();
    d.texture = d.picture = true;
    return d;
  }
  switch (value[0]) {
    case '@':
      d.source = &master_;
      d.left = Number(value, 1, 4), d.top = Number(value, 6, 4), d.right = Number(value, 11, 4), d.bottom = Number(value, 16, 4);
      d.frames = Number(value, 21, 1), d.maskType = Number(value, 23, 1);
      return d;
    case '^':
      d.source = &master_;
      d.left = Number(value, 1, 4), d.top = Number(value, 6, 4), d.right = Number(value, 11, 4), d.bottom = Number(value, 16, 4);
      d.wl = Number(value, 21, 4), d.wt = Number(value, 26, 4), d.wr = Number(value, 31, 4), d.wb = Number(value, 36, 4);
      d.frames = Number(value, 41, 1), d.maskType = Number(value, 43, 1), d.drawMode = Number(value, 45, 1);
      if (d.wl + d.wt + d.wr + d.wb == 0) {
        const int bw = Number(value, 47, 1);
        d.wl = d.wr = bw ? bw : (d.right - d.left) / (d.frames * 3);
        d.wt = d.wb = bw ? bw : (d.bottom - d.top) / ((d.maskType + 1) * 3);
      }
      return d;
    case '~':
      d.source = &master_;
      d.left = Number(value, 1, 4), d.top = Number(value, 6, 4), d.right = Number(value, 11, 4), d.bottom = Number(value, 16, 4);
      d.drawMode = Number(value, 21, 2);
      d.maskType = value.size() >= 25 ? Number(value, 24, 1) : 0;
      d.texture = true;
      return d;
    case '!': {
      std::vector<std::string> words;
      std::stringstream in(value.substr(1));
      for (std::string w; std::getline(in, w, '!');) words.push_back(w);
      const auto it = files_.find(UpperAscii(words.at(0)));
      if (it == files_.end()) return std::nullopt;
      d.source = &it->second;
      d.right = it->second.Width(), d.bottom = it->second.Height();
      d.frames = std::stoi(words.at(1)), d.maskType = std::stoi(words.at(2));
      if (words.size() >= 8) {
        d.wl = std::stoi(words[4]), d.wt = std::stoi(words[5]), d.wr = std::stoi(words[6]), d.wb = std::stoi(words[7]);
      } else {
        d.wl = d.wr = d.right / (d.frames * 3);
        d.wt = d.wb = d.bottom / ((d.maskType + 1) * 3);
      }
      return d;
    }
    default:
      return std::nullopt;
  }
}

std::optional<DecodedImage> SkinPreview::Image(const std::string& section, const std::string& key) const {
  const auto v = options_.Get(section, key);
  return v ? Decode(*v) : std::nullopt;
}

void SkinPreview::Border(tk::Bitmap& t, int x0, int y0, int x1, int y1, const DecodedImage& m, int state,
                         bool centre) const {
  const int w = x1 - x0, h = y1 - y0;
  if (w < 2 || h < 2) return;
  int wl = m.wl, wr = m.wr, wt = m.wt, wb = m.wb;
  if (wl + wr > w) {
    const int cut = (wl + wr - w) / 2;
    wl -= cut, wr -= cut + (w % 2);
  }
  if (wt + wb > h) {
    const int cut = (wt + wb - h) / 2;
    wt -= cut, wb -= cut + (h % 2);
  }
  wl = std::max(wl, 0), wr = std::max(wr, 0), wt = std::max(wt, 0), wb = std::max(wb, 0);
  state = std::min(state, m.frames - 1);
  const int fw = m.FrameWidth(), fh = m.FrameHeight();
  const int sx = m.left + state * fw, sy = m.top;
  const int cw = std::max(fw - m.wl - m.wr, 0), ch = std::max(fh - m.wt - m.wb, 0);
  // Copies the source piece (px, py, pw, ph) over the target area, tiled.
  auto piece = [&](int px, int py, int pw, int ph, int tx0, int ty0, int tx1, int ty1, bool corner) {
    if (pw <= 0 || ph <= 0) return;
    for (int ty = ty0; ty < ty1; ++ty)
      for (int tx = tx0; tx < tx1; ++tx) {
        const int u = px + (tx - tx0) % pw, v = py + (ty - ty0) % ph;
        if (u >= m.source->Width() || v >= m.source->Height()) continue;
        const Bgr img = Get(*m.source, u, v);
        if (tx < 0 || ty < 0 || tx >= t.Width() || ty >= t.Height()) continue;
        if (m.maskType != 0) {
          if (corner && IsFuchsia(img)) continue;  // shows what lies under it
          const int mask = Get(*m.source, u, v + fh).b;
          Put(t, tx, ty, Combine(img, Get(t, tx, ty), mask));
        } else if (!IsFuchsia(img)) {
          Put(t, tx, ty, img);
        }
      }
  };
  piece(sx, sy, m.wl, m.wt, x0, y0, x0 + wl, y0 + wt, true);
  piece(sx, sy + m.wt, m.wl, ch, x0, y0 + wt, x0 + wl, y1 - wb, false);
  piece(sx + m.wl, sy, cw, m.wt, x0 + wl, y0, x1 - wr, y0 + wt, false);
  piece(sx, sy + fh - m.wb, m.wl, m.wb, x0, y1 - wb, x0 + wl, y1, true);
  piece(sx + m.wl, sy + fh - m.wb, cw, m.wb, x0 + wl, y1 - wb, x1 - wr, y1, false);
  piece(sx + fw - m.wr, sy + fh - m.wb, m.wr, m.wb, x1 - wr, y1 - wb, x1, y1, true);
  piece(sx + fw - m.wr, sy, m.wr, m.wt, x1 - wr, y0, x1, y0 + wt, true);
  piece(sx + fw - m.wr, sy + m.wt, m.wr, ch, x1 - wr, y0 + wt, x1, y1 - wb, false);
  if (centre) piece(sx + m.wl, sy + m.wt, cw, ch, x0 + wl, y0 + wt, x1 - wr, y1 - wb, false);
}

void SkinPreview::Glyph(tk::Bitmap& t, int x, int y, const DecodedImage& m, int state) const {
  state = std::min(state, m.frames - 1);
  const int fw = m.FrameWidth(), fh = m.FrameHeight();
  for (int j = 0; j < fh; ++j)
    for (int i = 0; i < fw; ++i) {
      const int u = m.left + state * fw + i, v = m.top + j;
      const Bgr img = Get(*m.source, u, v);
      if (IsFuchsia(img) || x + i < 0 || y + j < 0 || x + i >= t.Width() || y + j >= t.Height()) continue;
      if (m.maskType != 0)
        Put(t, x + i, y + j, Combine(img, Get(t, x + i, y + j), Get(*m.source, u, v + fh).b));
      else
        Put(t, x + i, y + j, img);
    }
}

void SkinPreview::Background(tk::Bitmap& t, int x0, int y0, int x1, int y1, const std::string& section, int state) const {
  const bool hot = state != 0;
  const Bgr colour = FromColorRef(options_.GetInt(section, hot ? "HOTCOLOR" : "COLOR", 0xFFFFFF));
  const int image = options_.GetInt(section, hot ? "HOTIMAGEPERCENT" : "IMAGEPERCENT", 0);
  const int gradient = options_.GetInt(section, hot ? "HOTGRADIENTPERCENT" : "GRADIENTPERCENT", 0);
  const int transparency = options_.GetInt(section, hot ? "HOTTRANSPARENCY" : "TRANSPARENCY", 0);
  const int w = x1 - x0, h = y1 - y0;
  if (w <= 0 || h <= 0) return;
  tk::Bitmap layer(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) Put(layer, x, y, colour);
  std::optional<DecodedImage> tex;
  if (image > 0) tex = Image(section, hot ? "HOTPATTERN" : "PATTERN");
  if (tex && tex->texture) {
    const int tw = tex->right - tex->left, th = tex->bottom - tex->top;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const bool stretch = !tex->picture && tex->drawMode == 1;
        const int u = tex->left + (stretch ? x * tw / w : x % tw), v = tex->top + (stretch ? y * th / h : y % th);
        Put(layer, x, y, Get(*tex->source, u, v));
      }
  }
  if (gradient > 0) {
    // Stops "c1;c2;percent;mode;x": enough of the format for vertical and
    // horizontal runs.
    std::vector<long> n;
    std::stringstream in(options_.Get(section, hot ? "HOTGRADIENTDATA" : "GRADIENTDATA").value_or(""));
    for (std::string s; std::getline(in, s, ';');)
      if (!s.empty()) n.push_back(std::stol(s));
    if (n.size() >= 5) {
      const Bgr a = FromColorRef(n[0]), b = FromColorRef(n[1]);
      const bool horizontal = n[3] == 1;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          const double f = horizontal ? x / double(std::max(w - 1, 1)) : y / double(std::max(h - 1, 1));
          const Bgr g{RoundInt(Lerp(a.b, b.b, f)), RoundInt(Lerp(a.g, b.g, f)), RoundInt(Lerp(a.r, b.r, f))};
          const Bgr under = Get(layer, x, y);
          const int keep = tex ? image : 0;
          Put(layer, x, y,
              {(under.b * keep + g.b * (100 - keep)) / 100, (under.g * keep + g.g * (100 - keep)) / 100,
               (under.r * keep + g.r * (100 - keep)) / 100});
        }
    }
  }
  const int painted = (tex ? image : 0) + gradient;
  if (painted > 0 && painted < 100)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const Bgr p = Get(layer, x, y);
        Put(layer, x, y,
            {(p.b * painted + colour.b * (100 - painted)) / 100, (p.g * painted + colour.g * (100 - painted)) / 100,
             (p.r * painted + colour.r * (100 - painted)) / 100});
      }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (x0 + x < 0 || y0 + y < 0 || x0 + x >= t.Width() || y0 + y >= t.Height()) continue;
      const Bgr p = Get(layer, x, y), under = Get(t, x0 + x, y0 + y);
      Put(t, x0 + x, y0 + y,
          {(under.b * transparency + p.b * (100 - transparency)) / 100,
           (under.g * transparency + p.g * (100 - transparency)) / 100,
           (under.r * transparency + p.r * (100 - transparency)) / 100});
    }
}

void SkinPreview::Section(tk::Bitmap& t, int x0, int y0, int x1, int y1, const std::string& section, int state,
                          bool centre) const {
  Background(t, x0, y0, x1, y1, section, state);
  if (auto m = Image(section, "BORDERSMASK")) Border(t, x0, y0, x1, y1, *m, state, centre);
}

void SkinPreview::Text(tk::Bitmap& t, int x, int y, const std::string& text, const std::string& section, bool hot,
                       bool plain) const {
  Raster layer(TextWidth(text) + 2, kGlyphHeight + 2);
  const char* contour[4] = {"TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
  const int dx[4] = {-1, 0, 1, 0}, dy[4] = {0, -1, 0, 1};
  for (int i = 0; i < 4 && !plain; ++i) {
    const int c = options_.GetInt(section, std::string(hot ? "HOT" : "") + contour[i], -1);
    if (c == -1) continue;
    DrawText(layer, 1 + dx[i], 1 + dy[i], text, Rgb(c & 255, (c >> 8) & 255, (c >> 16) & 255));
  }
  const int c = options_.GetInt(section, hot ? "HOTFONTCOLOR" : "FONTCOLOR", 0);
  DrawText(layer, 1, 1, text, Rgb(c & 255, (c >> 8) & 255, (c >> 16) & 255));
  for (int j = 0; j < layer.Height(); ++j)
    for (int i = 0; i < layer.Width(); ++i) {
      const Rgba& p = layer.At(i, j);
      const int tx = x - 1 + i, ty = y - 1 + j;
      if (p.a <= 0 || tx < 0 || ty < 0 || tx >= t.Width() || ty >= t.Height()) continue;
      const Bgr u = Get(t, tx, ty);
      Put(t, tx, ty, {RoundInt(Lerp(u.b, p.b, p.a)), RoundInt(Lerp(u.g, p.g, p.a)), RoundInt(Lerp(u.r, p.r, p.a))});
    }
}

tk::Bitmap SkinPreview::MockWindow() const {
  constexpr int W = 512, H = 319, frame = 3, top = 22;
  tk::Bitmap t(W, H);
  t.Fill(0x00000000);
  // Form and frame in the active state, then the title over its strip.
  Section(t, 0, 0, W, H, "FORM", 1, false);
  Background(t, 0, 0, W, top, "FORMTITLE", 1);
  if (auto m = Image("FORMTITLE", "BORDERSMASK")) Border(t, 0, 0, W, top, *m, 1, false);
  auto close = Image("GLOBALINFO", "BICONCLOSE"), minimize = Image("GLOBALINFO", "BICONMIN");
  int buttons = 0;
  if (close) buttons += close->FrameWidth();
  if (minimize) buttons += minimize->FrameWidth();
  if (auto bar = Image("FORM", "TITLEBAR")) {
    const int extra = bar->source == &master_ ? (bar->right - bar->left) / (bar->frames * 3) * 2 : bar->source->Width() / 9 * 2;
    Border(t, W - extra - buttons, 0, W, top, *bar, 1, true);
  }
  // Close shown hot, minimize normal.
  int x = W - frame;
  const std::optional<DecodedImage>* shown[2] = {&close, &minimize};
  for (int i = 0; i < 2; ++i)
    if (const auto& b = *shown[i]) {
      x -= b->FrameWidth();
      const int y = (top - b->FrameHeight()) / 2 + (b->FrameHeight() < 16 ? 2 : 0);
      Glyph(t, x, y, *b, i == 0 ? 1 : 0);
    }
  Text(t, frame + 22, 6, "ZUOBIAO ZHUANHUAN", "FORMTITLE", true);

  // The client area at its offset, laid out as the converter's window.
  const int ox = frame, oy = top;
  auto group = [&](int gx, int gy, int gw, int gh, const std::string& caption) {
    gx += ox, gy += oy;
    const int half = 8;
    Section(t, gx, gy + half, gx + gw, gy + gh, "GROUPBOX", 0, false);
    const int cw = TextWidth(caption) + 8;
    Background(t, gx + 6, gy, gx + 6 + cw, gy + 17, "CHECKBOX", 0);
    Text(t, gx + 10, gy + 5, caption, "GROUPBOX", false);
  };
  auto edit = [&](int ex, int ey, int ew, int eh, const std::string& text, int state) {
    ex += ox, ey += oy;
    Section(t, ex, ey, ex + ew, ey + eh, "EDIT", state, true);
    Text(t, ex + 4, ey + (eh - 7) / 2, text, "EDIT", state != 0);
  };
  auto label = [&](int lx, int ly, const std::string& text) { Text(t, ox + lx, oy + ly + 4, text, "GLOBALINFO", false, true);
  };
  auto speed = [&](int sx, int sy, const std::string& text, int state) {
    sx += ox, sy += oy;
    Section(t, sx, sy, sx + 23, sy + 22, "SPEEDBUTTON", state, true);
    Text(t, sx + (23 - TextWidth(text)) / 2 + (state == 2), sy + 8 + (state == 2), text, "SPEEDBUTTON", state != 0);
  };
  auto button = [&](int bx, int by, const std::string& text, int state) {
    bx += ox, by += oy;
    Background(t, bx, by, bx + 119, by + 30, "BUTTON", state);
    if (auto m = Image("BUTTON", "BORDERSMASK")) Border(t, bx, by, bx + 119, by + 30, *m, state, false);
    Text(t, bx + (119 - TextWidth(text)) / 2 + (state == 2), by + 12 + (state == 2), text, "BUTTON", state != 0);
  };

  group(16, 17, 476, 105, "DADI ZUOBIAO");
  group(16, 133, 476, 87, "GAOSI ZUOBIAO");
  label(16 + 24, 17 + 31, "JINGDU:");
  label(16 + 24, 17 + 75, "WEIDU:");
  edit(16 + 69, 17 + 27, 116, 23, "116.391275", 1);
  edit(16 + 69, 17 + 68, 116, 23, "39.907333", 0);
  speed(16 + 197, 17 + 27, "<<", 0);
  speed(16 + 228, 17 + 27, ">>", 1);
  speed(16 + 197, 17 + 70, "<<", 2);
  speed(16 + 229, 17 + 70, ">>", 0);
  for (int row = 0; row < 2; ++row) {
    const int y = 17 + (row ? 69 : 27);
    const char* dms[3][2] = {{"116", "39"}, {"23", "54"}, {"28.59", "26.4"}};
    edit(16 + 267, y, 37, 24, dms[0][row], 0);
    edit(16 + 330, y, 37, 24, dms[1][row], 0);
    edit(16 + 393, y, 45, 24, dms[2][row], 0);
    label(16 + 307, y + 1, "D");
    label(16 + 371, y + 1, "F");
    label(16 + 443, y + 1, "M");
  }
  label(16 + 29, 133 + 37, "X:");
  label(16 + 197, 133 + 37, "Y:");
  label(16 + 374, 133 + 37, "DAI:");
  edit(16 + 55, 133 + 33, 125, 23, "20447206.66", 0);
  edit(16 + 223, 133 + 33, 127, 23, "4419769.91", 0);
  edit(16 + 419, 133 + 33, 39, 23, "20", 0);
  button(119, 240, "DADI > GAOSI", 1);
  button(268, 240, "GAOSI > DADI", 0);
  speed(471, 262, "X", 0);

  // Outside the window region: the clear corner pixels of the two frames.
  auto cut = [&](const std::optional<DecodedImage>& m, bool bottomToo) {
    if (!m) return;
    const int fw = m->FrameWidth(), fh = m->FrameHeight();
    for (int j = 0; j < fh; ++j) {
      const bool topRow = j < m->wt, bottomRow = j >= fh - m->wb;
      if (!topRow && !(bottomToo && bottomRow)) continue;
      for (int i = 0; i < fw; ++i) {
        const bool leftCol = i < m->wl, rightCol = i >= fw - m->wr;
        if (!leftCol && !rightCol) continue;
        if (!IsFuchsia(Get(*m->source, m->left + i, m->top + j))) continue;
        const int wx = leftCol ? i : W - fw + i;
        const int wy = topRow ? j : H - fh + j;
        Put(t, wx, wy, {150, 128, 112});
      }
    }
  };
  cut(Image("FORM", "BORDERSMASK"), true);
  cut(Image("FORMTITLE", "BORDERSMASK"), false);
  return t;
}

tk::Bitmap SkinPreview::Swatch(const DecodedImage& m, int scale) const {
  const int fw = m.texture ? m.right - m.left : m.FrameWidth(), fh = m.texture ? m.bottom - m.top : m.FrameHeight();
  const int frames = m.texture ? 1 : m.frames, gap = 2;
  const int w = (fw * frames + gap * (frames - 1)) * scale, h = fh * scale;
  tk::Bitmap out(w, h);
  out.Fill(0xF2F5F7);  // the sheet's paper between the frames
  for (int f = 0; f < frames; ++f)
    for (int j = 0; j < fh; ++j)
      for (int i = 0; i < fw; ++i) {
        const int u = m.left + f * fw + i, v = m.top + j;
        const Bgr img = Get(*m.source, u, v);
        for (int sy = 0; sy < scale; ++sy)
          for (int sx = 0; sx < scale; ++sx) {
            const int tx = (f * (fw + gap) + i) * scale + sx, ty = j * scale + sy;
            const int checker = ((tx / 6) + (ty / 6)) % 2 ? 132 : 164;
            const Bgr under{checker, checker, checker};
            Bgr c = img;
            if (m.maskType != 0 && !m.texture)
              c = IsFuchsia(img) ? under : Combine(img, under, Get(*m.source, u, v + fh).b);
            else if (IsFuchsia(img))
              c = under;
            Put(out, tx, ty, c);
          }
      }
  return out;
}

}  // namespace skingen
