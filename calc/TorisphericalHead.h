#pragma once

namespace zeft {

// A torispherical head after DIN 28011 on a horizontal cylinder of diameter D: crown radius
// D, knuckle radius D / 10. No closed form gives its content at a liquid height, so it is
// integrated across the head's depth, accurate to far better than 1e-6 of its volume.

// Depth of the head from its tangent line: about 0.194 D.
long double TorisphericalHeadDepth(long double diameter);

// Volume of one head below the height q above the cylinder's lowest line (0 <= q <= D).
long double TorisphericalHeadContent(long double diameter, long double q);

} // namespace zeft
