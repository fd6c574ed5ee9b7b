#pragma once
// Images the options fuzz target loads against, and the seed files of every
// target (written by the fuzz_skin_seeds program).
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

// A "VXzf" container of Master.bmp (120 x 110), ButtonHuge.bmp, BIG.JPG
// (300 x 300) and SMALL.JPG (40 x 30).
std::vector<std::uint8_t> ImagesPackage();

// An options text using every kind of image value and most keys.
std::string SampleOptions();

}  // namespace fuzz
