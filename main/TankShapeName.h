#pragma once

#include <string>

namespace zeft {

// A shape of the shape calculator named in words, as an owner reads it on the setup sheet
// ("Horizontal cylinder with DIN 28011 heads"); "Shape N" for a number no shape has.
std::string TankShapeName(int shape);

} // namespace zeft
