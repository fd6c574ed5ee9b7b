#include "cli/AngleText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/AngleNotation.h"

namespace gkconv {

namespace {

enum class TPart { None, Degrees, Minutes, Seconds };

// One number of the angle with the mark written after it.
struct TNumber {
  std::string_view Text;  // digits with at most one '.'
  bool Negative = false;
  bool Signed = false;
  TPart Mark = TPart::None;
};

struct TMark {
  std::string_view Text;
  TPart Part;
};

// Marks in the forms a keyboard, Excel's autocorrect or a Chinese input
// method produce.
constexpr TMark kMarks[] = {
    {"\xC2\xB0", TPart::Degrees},   // ° U+00B0
    {"\xC2\xBA", TPart::Degrees},   // º U+00BA, typed for ° on many keyboards
    {"\xCB\x9A", TPart::Degrees},   // ˚ U+02DA
    {"\xE5\xBA\xA6", TPart::Degrees},  // 度
    {"\xE2\x80\xB2", TPart::Minutes},  // ′ U+2032
    {"\xE2\x80\x99", TPart::Minutes},  // ’ U+2019
    {"\xE5\x88\x86", TPart::Minutes},  // 分
    {"\xE2\x80\xB3", TPart::Seconds},  // ″ U+2033
    {"\xE2\x80\x9D", TPart::Seconds},  // ” U+201D
    {"''", TPart::Seconds},            // two apostrophes
    {"\xE7\xA7\x92", TPart::Seconds},  // 秒
    {"'", TPart::Minutes},
    {"\"", TPart::Seconds},
};

struct THemisphere {
  std::string_view Text;
  TAngleAxis Axis;
  bool Negative;
};

constexpr THemisphere kWordPrefixes[] = {
    {"\xE4\xB8\x9C\xE7\xBB\x8F", TAngleAxis::Longitude, false},  // 东经
    {"\xE8\xA5\xBF\xE7\xBB\x8F", TAngleAxis::Longitude, true},   // 西经
    {"\xE5\x8C\x97\xE7\xBA\xAC", TAngleAxis::Latitude, false},   // 北纬
    {"\xE5\x8D\x97\xE7\xBA\xAC", TAngleAxis::Latitude, true},    // 南纬
};

std::optional<THemisphere> HemisphereLetter(char c) {
  switch (c) {
    case 'N': case 'n': return THemisphere{{}, TAngleAxis::Latitude, false};
    case 'S': case 's': return THemisphere{{}, TAngleAxis::Latitude, true};
    case 'E': case 'e': return THemisphere{{}, TAngleAxis::Longitude, false};
    case 'W': case 'w': return THemisphere{{}, TAngleAxis::Longitude, true};
    default: return std::nullopt;
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  // The ideographic space U+3000 of Chinese input methods counts as blank.
  constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
  while (s.starts_with(kIdeographicSpace)) s.remove_prefix(kIdeographicSpace.size());
  while (s.ends_with(kIdeographicSpace)) s.remove_suffix(kIdeographicSpace.size());
  return s;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// Full-width forms U+FF01..U+FF5E (EF BC 81 .. EF BD 9E) that look like the
// ASCII a number needs.
std::optional<std::string> FullWidthProblem(std::string_view text) {
  for (size_t i = 0; i + 2 < text.size(); ++i) {
    const auto b0 = static_cast<unsigned char>(text[i]), b1 = static_cast<unsigned char>(text[i + 1]);
    if (b0 == 0xEF && (b1 == 0xBC || b1 == 0xBD)) {
      const std::string ch(text.substr(i, 3));
      const auto b2 = static_cast<unsigned char>(text[i + 2]);
      const bool digit = b1 == 0xBC && b2 >= 0x90 && b2 <= 0x99;
      return std::string(digit ? "full-width digit " : "full-width character ") + Quoted(ch) + " in " +
             Quoted(text) + ": use ASCII digits, '.' and '-'";
    }
  }
  return std::nullopt;
}

// Parses digits with at most one '.'; `value` gets the number.
bool ParseUnsigned(std::string_view digits, double& value) {
  if (digits.empty() || digits == ".") return false;
  const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
  return res.ec == std::errc() && res.ptr == digits.data() + digits.size();
}

std::string_view PartName(TPart part) {
  switch (part) {
    case TPart::Degrees: return "degrees";
    case TPart::Minutes: return "minutes";
    case TPart::Seconds: return "seconds";
    default: return "number";
  }
}

bool HasFraction(std::string_view digits) { return digits.find('.') != std::string_view::npos; }

class TAngleParser {
public:
  TAngleParser(std::string_view text, TAngleAxis axis, const TAngleReadOptions& options)
      : FWhole(text), FAxis(axis), FOptions(options) {}

  TAngleReading Run() {
    TAngleReading r;
    std::string_view s = Trim(FWhole);
    if (s.empty()) return Fail("empty field");
    if (auto problem = FullWidthProblem(s)) return Fail(*problem);
    if (!TakeHemisphere(s)) return FFailure;
    s = Trim(s);
    if (s.empty()) return Fail("no number in " + Quoted(FWhole));
    if (!Tokenize(s)) return FFailure;
    if (!AssignParts()) return FFailure;
    return Combine();
  }

private:
  TAngleReading Fail(std::string reason) {
    FFailure.Error = std::move(reason);
    return FFailure;
  }

  std::string_view AxisName() const { return FAxis == TAngleAxis::Longitude ? "longitude" : "latitude"; }

  bool TakeHemisphere(std::string_view& s) {
    std::optional<THemisphere> found;
    for (const THemisphere& w : kWordPrefixes) {
      if (s.starts_with(w.Text)) {
        found = w;
        s.remove_prefix(w.Text.size());
      }
    }
    if (!found && !s.empty()) {
      if (auto h = HemisphereLetter(s.front())) {
        found = h;
        s.remove_prefix(1);
      }
    }
    if (!s.empty()) {
      if (auto h = HemisphereLetter(s.back())) {
        if (found) return FailBool("two hemisphere letters in " + Quoted(FWhole));
        found = h;
        s.remove_suffix(1);
      }
    }
    if (!found) return true;
    if (found->Axis != FAxis)
      return FailBool("hemisphere " + std::string(found->Axis == TAngleAxis::Latitude ? "N/S" : "E/W") +
                      " in " + Quoted(FWhole) + " does not belong to a " + std::string(AxisName()));
    FHemisphere = true;
    FNegative = found->Negative;
    return true;
  }

  bool FailBool(std::string reason) {
    FFailure.Error = std::move(reason);
    return false;
  }

  bool Tokenize(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
      const char c = s[i];
      if (IsBlank(c) || c == ':') {
        ++i;
        continue;
      }
      if (IsDigit(c) || c == '.' || c == '-' || c == '+') {
        TNumber n;
        if (c == '-' || c == '+') {
          n.Signed = true;
          n.Negative = c == '-';
          ++i;
        }
        const size_t start = i;
        int dots = 0;
        while (i < s.size() && (IsDigit(s[i]) || s[i] == '.')) dots += s[i++] == '.';
        n.Text = s.substr(start, i - start);
        if (n.Text.empty() || n.Text == ".")
          return FailBool("sign without a number in " + Quoted(FWhole));
        if (dots > 1)
          return FailBool("two decimal points in " + Quoted(n.Text) + (n.Text == Trim(FWhole) ? "" : " of " + Quoted(FWhole)));
        if (i < s.size() && (s[i] == 'e' || s[i] == 'E') && FNumbers.empty()) {
          // An exponent belongs to a lone decimal number only.
          size_t j = i + 1;
          if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
          const size_t digitsStart = j;
          while (j < s.size() && IsDigit(s[j])) ++j;
          if (j > digitsStart) {
            n.Text = s.substr(start, j - start);
            i = j;
            FExponent = true;
          }
        }
        FNumbers.push_back(n);
        continue;
      }
      bool matched = false;
      for (const TMark& m : kMarks) {
        if (s.substr(i).starts_with(m.Text)) {
          if (FNumbers.empty() || FNumbers.back().Mark != TPart::None)
            return FailBool("mark " + Quoted(m.Text) + " without a number before it in " + Quoted(FWhole));
          FNumbers.back().Mark = m.Part;
          FMarked = true;
          i += m.Text.size();
          matched = true;
          break;
        }
      }
      if (matched) continue;
      if (c == ',') return FailBool("',' in " + Quoted(FWhole) + ": the decimal separator is '.'");
      // One whole UTF-8 character for the message.
      size_t len = 1;
      while (i + len < s.size() && (static_cast<unsigned char>(s[i + len]) & 0xC0) == 0x80) ++len;
      return FailBool("unexpected " + Quoted(s.substr(i, len)) + " in " + Quoted(FWhole));
    }
    if (FNumbers.empty()) return FailBool("no number in " + Quoted(FWhole));
    if (FNumbers.size() > 3) return FailBool("more than three numbers in " + Quoted(FWhole));
    if (FExponent && FNumbers.size() > 1) return FailBool("exponent inside an angle in " + Quoted(FWhole));
    return true;
  }

  // Gives every number its part: by its mark, or by its place after the
  // part before it.
  bool AssignParts() {
    TPart previous = TPart::None;
    for (size_t k = 0; k < FNumbers.size(); ++k) {
      TNumber& n = FNumbers[k];
      if (k > 0 && n.Signed) return FailBool("sign inside " + Quoted(FWhole) + ": only the whole angle has a sign");
      TPart part = n.Mark;
      if (part == TPart::None) {
        if (previous == TPart::Seconds)
          return FailBool("number after the seconds in " + Quoted(FWhole));
        part = static_cast<TPart>(static_cast<int>(previous) + 1);
      } else if (part <= previous) {
        return FailBool(std::string(PartName(part)) + " out of order in " + Quoted(FWhole));
      }
      n.Mark = part;
      previous = part;
    }
    // Only the last part may carry a fraction.
    for (size_t k = 0; k + 1 < FNumbers.size(); ++k) {
      if (HasFraction(FNumbers[k].Text))
        return FailBool(std::string(PartName(FNumbers[k].Mark)) + " " + Quoted(FNumbers[k].Text) +
                        " with a fraction before the " + std::string(PartName(FNumbers[k + 1].Mark)) + " in " +
                        Quoted(FWhole));
    }
    return true;
  }

  TAngleReading Combine() {
    const TNumber& first = FNumbers.front();
    if (first.Signed && FHemisphere)
      return Fail("sign and hemisphere letter together in " + Quoted(FWhole));
    const bool negative = first.Negative || FNegative;

    double value = 0;
    const bool lone = FNumbers.size() == 1 && !FMarked;
    if (lone && FOptions.Packed && !FExponent) {
      if (!Packed(first.Text, value)) return FFailure;
    } else if (FNumbers.size() == 1 && first.Mark == TPart::Degrees) {
      if (FExponent) {
        const auto res = std::from_chars(first.Text.data(), first.Text.data() + first.Text.size(), value);
        if (res.ec != std::errc() || res.ptr != first.Text.data() + first.Text.size())
          return Fail("not a number: " + Quoted(FWhole));
      } else if (!ParseUnsigned(first.Text, value)) {
        return Fail("not a number: " + Quoted(FWhole));
      }
    } else {
      double parts[3] = {0, 0, 0};
      bool present[3] = {false, false, false};
      for (const TNumber& n : FNumbers) {
        const int index = static_cast<int>(n.Mark) - 1;
        if (!ParseUnsigned(n.Text, parts[index])) return Fail("not a number: " + Quoted(n.Text));
        present[index] = true;
      }
      if (!Sexagesimal(parts, present, value)) return FFailure;
    }
    if (!std::isfinite(value)) return Fail("not a finite number: " + Quoted(FWhole));
    const double limit = FAxis == TAngleAxis::Longitude ? 180 : 90;
    if (value > limit)
      return Fail(std::string(AxisName()) + " " + Quoted(FWhole) + " is outside -" +
                  std::to_string(static_cast<int>(limit)) + "..." + std::to_string(static_cast<int>(limit)));
    TAngleReading r;
    r.Degrees = negative && value != 0 ? -value : value;
    return r;
  }

  bool Sexagesimal(const double (&parts)[3], const bool (&present)[3], double& value) {
    if (present[1] && parts[1] >= 60)
      return FailBool("minutes " + NumberOf(TPart::Minutes) + " are 60 or more in " + Quoted(FWhole));
    if (present[2] && parts[2] >= 60)
      return FailBool("seconds " + NumberOf(TPart::Seconds) + " are 60 or more in " + Quoted(FWhole));
    if (present[1] && !present[2] && !HasFraction(NumberOf(TPart::Minutes)))
      return FailBool("seconds missing after the whole minutes in " + Quoted(FWhole) +
                      " (write the seconds, or decimal minutes such as 23.0')");
    if (present[2] && !present[1])
      return FailBool("seconds without minutes in " + Quoted(FWhole));
    return JoinParts(parts, value);
  }

  // The window's join, on the magnitude; the sign is applied to the whole.
  bool JoinParts(const double (&parts)[3], double& value) {
    if (parts[0] >= 2147483648.0) return FailBool("degrees too large in " + Quoted(FWhole));
    app::TDegMinSec dms;
    dms.Degrees = static_cast<std::int32_t>(parts[0]);
    dms.Minutes = parts[1];
    dms.Seconds = parts[2];
    value = app::Join(dms);
    return true;
  }

  std::string NumberOf(TPart part) const {
    for (const TNumber& n : FNumbers)
      if (n.Mark == part) return std::string(n.Text);
    return {};
  }

  // ddd.mmss: the first two digits after the point are minutes, the rest
  // seconds with their fraction (116.232760 = 116 23 27.60).
  bool Packed(std::string_view text, double& value) {
    const size_t dot = text.find('.');
    std::string_view whole = text.substr(0, dot);
    std::string fraction = dot == std::string_view::npos ? std::string() : std::string(text.substr(dot + 1));
    if (whole.empty()) whole = "0";
    while (fraction.size() < 4) fraction += '0';
    const std::string minutes = fraction.substr(0, 2);
    const std::string seconds = fraction.substr(2, 2) + "." + fraction.substr(4);
    double parts[3];
    if (!ParseUnsigned(whole, parts[0]) || !ParseUnsigned(minutes, parts[1]) || !ParseUnsigned(seconds, parts[2]))
      return FailBool("not a packed ddd.mmss angle: " + Quoted(FWhole));
    if (parts[1] >= 60) return FailBool("minutes " + minutes + " are 60 or more in packed " + Quoted(FWhole));
    if (parts[2] >= 60)
      return FailBool("seconds " + fraction.substr(2, 2) + " are 60 or more in packed " + Quoted(FWhole));
    return JoinParts(parts, value);
  }

  std::string_view FWhole;
  TAngleAxis FAxis;
  TAngleReadOptions FOptions;
  std::vector<TNumber> FNumbers;
  bool FMarked = false;
  bool FExponent = false;
  bool FHemisphere = false;
  bool FNegative = false;
  TAngleReading FFailure;
};

// A plain number: optional sign, then what from_chars reads in `format`,
// and nothing else.
bool SignedNumber(std::string_view s, double& value, std::chars_format format) {
  if (s.empty()) return false;
  const char* p = s.data();
  const char* end = p + s.size();
  bool negative = false;
  if (*p == '-' || *p == '+') {
    negative = *p == '-';
    ++p;
  }
  if (p == end || !(IsDigit(*p) || *p == '.')) return false;
  const auto res = std::from_chars(p, end, value, format);
  if (res.ec != std::errc() || res.ptr != end) return false;
  if (negative) value = -value;
  return true;
}

// The common case, a plain decimal number, without the general parser.
bool FastDecimal(std::string_view s, double& value) { return SignedNumber(s, value, std::chars_format::fixed); }

}  // namespace

TAngleReading ReadAngle(std::string_view text, TAngleAxis axis, const TAngleReadOptions& options) {
  if (!options.Packed) {
    double value;
    if (FastDecimal(text, value)) {
      const double limit = axis == TAngleAxis::Longitude ? 180 : 90;
      if (std::fabs(value) <= limit) {
        TAngleReading r;
        r.Degrees = value == 0 ? 0.0 : value;
        return r;
      }
    }
  }
  return TAngleParser(text, axis, options).Run();
}

bool ReadMetres(std::string_view text, double& value, std::string& error) {
  const std::string_view s = Trim(text);
  if (s.empty()) {
    error = "empty field";
    return false;
  }
  // Exponents are allowed for metres as for any number.
  if (SignedNumber(s, value, std::chars_format::general) && std::isfinite(value)) return true;
  if (auto problem = FullWidthProblem(s)) {
    error = *problem;
  } else if (std::count(s.begin(), s.end(), '.') > 1) {
    error = "two decimal points in " + Quoted(s);
  } else if (s.find(',') != std::string_view::npos) {
    error = "',' in " + Quoted(s) + ": the decimal separator is '.'";
  } else {
    error = "not a number: " + Quoted(s);
  }
  return false;
}

}  // namespace gkconv
