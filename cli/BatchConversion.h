#pragma once
// One run of gkconv to-gauss / to-geodetic over a whole file: reads the
// input in blocks of whole lines, detects what was not given (encoding,
// delimiter, header, columns), converts the blocks on worker threads while
// keeping their order, writes every row with its new columns (bad rows with
// empty ones and the error column), shows progress on a terminal and sums up
// on the diagnostics stream. Memory stays bounded: only a few blocks are in
// flight, whatever the size of the file.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/Columns.h"
#include "cli/ConvertSettings.h"
#include "cli/DelimitedText.h"
#include "cli/TextEncoding.h"

namespace gkconv {

struct TRunOptions {
  std::string Input;   // file name; "" or "-" for standard input
  std::string Output;  // file name; "" for standard output
  std::optional<TEncoding> InputEncoding;  // detected when not given
  TEncoding OutputEncoding = TEncoding::Utf8;
  std::optional<bool> OutputBom;           // default: a BOM when the input had one
  std::optional<TDelimiter> Delimiter;     // detected when not given
  THeaderMode Header = THeaderMode::Auto;
  TColumnSpecs Columns;
  int Threads = 0;                         // 0: as many as pay
  std::optional<bool> Progress;            // default: on a terminal, for big files
};

// Exit statuses.
inline constexpr int kExitAllConverted = 0;
inline constexpr int kExitSomeRowsFailed = 1;
inline constexpr int kExitFailure = 2;      // bad options, unreadable input, unwritable output
inline constexpr int kExitInterrupted = 130;

int RunConversion(const TRunOptions& options, TConvertSettings& settings, std::FILE* diagnostics);

}  // namespace gkconv
