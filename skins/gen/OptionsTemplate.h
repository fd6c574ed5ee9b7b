#pragma once
// Turns a skin's hand-written options template into its Options.dat.
//
// In the template every image key names its picture instead of giving its
// rectangle: "BORDERSMASK={button}". The generator replaces each "{name}"
// by the value the layout table computed for that image. The template may
// not spell out a rectangle itself, every name it uses must exist, and every
// image of the table must be used, so the options and the pictures cannot
// drift apart.

#include <map>
#include <string>

namespace skingen {

// Throws std::invalid_argument naming the line for a hand-written image
// value ("@…", "^…", "~…", "!…"), an unknown {name} or a placeholder that is
// not the whole value, and after the whole text for images never used.
std::string FillOptionsTemplate(const std::string& templateText, const std::map<std::string, std::string>& values);

}  // namespace skingen
