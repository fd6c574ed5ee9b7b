#pragma once
// gkconv's command line (CLI11): the subcommands to-gauss, to-geodetic and
// ellipsoids, their options and the parameter file, turned into the run
// options and conversion settings.

#include <cstdio>

namespace gkconv {

// Parses the arguments (UTF-8) and runs the command; returns the exit status.
int RunCommandLine(int argc, const char* const* argv, std::FILE* diagnostics);

}  // namespace gkconv
