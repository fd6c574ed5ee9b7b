#pragma once
// Forces the decimal separator for one test and restores the platform's own.

#include <string>

#include "toolkit/core/NumberText.h"

class DecimalSeparatorScope {
public:
  explicit DecimalSeparatorScope(std::string separator) { tk::SetDecimalSeparatorOverride(std::move(separator)); }
  ~DecimalSeparatorScope() { tk::SetDecimalSeparatorOverride(""); }
  DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
  DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;
};
