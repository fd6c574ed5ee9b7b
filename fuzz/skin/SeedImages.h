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

// An options text of n sections chained by PARENTCLASS (each names the next
// one in lower case), with every key at the far end and the scroll button
// and tab sections at the near end, so loads and look-ups walk it all.
std::string ChainedSections(int n);

}  // namespace fuzz
