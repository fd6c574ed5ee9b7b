#pragma once
// Seeded generator of field texts a user, a paste or a broken clipboard could
// put into an edit: plausible numbers in both separators, and hostile texts
// (blanks, control characters, huge exponents, "nan"/"inf", 400-digit
// numbers, hexadecimal, other scripts, invalid UTF-8, random bytes).
// The same seed always gives the same sequence, on every platform.

#include <cstdint>
#include <random>
#include <string>

class THostileText {
public:
  explicit THostileText(std::uint64_t seed) : FRandom(seed) {}

  // Any text: about a third plausible numbers, the rest hostile.
  std::string Next();

  // Plausible field contents (each also sometimes mangled by Next()).
  std::string Longitude();
  std::string Latitude();
  std::string Easting();
  std::string Northing();
  std::string Zone();
  std::string SmallInteger();

  // True about once in n calls.
  bool OneIn(std::uint64_t n) { return Below(n) == 0; }

private:
  std::string Hostile();
  std::string Mutate(std::string text);
  std::string Decimal(double low, double high);
  std::string Digits(int count);
  std::uint64_t Below(std::uint64_t n);  // 0..n-1, the same on every platform

  std::mt19937_64 FRandom;
};
