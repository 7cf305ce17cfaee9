// Draws the shape calculator's tank pictures (shape1.jpg .. shape18.jpg, shape1h.jpg ..
// shape11h.jpg) and the drawings of the volume and height calculators into a folder
// (default "pictures"). Usage: draw-shape-pictures [output-folder]
//
// Everything is drawn at three times the size and averaged down, which smooths lines and
// letters without a graphics library; libjpeg writes the files.
#include "calc/TankShape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace {

constexpr int kSuper = 3;

struct Colour {
    std::uint8_t r, g, b;
};
constexpr Colour kInk{0, 0, 0};
constexpr Colour kDimension{20, 60, 170};
constexpr Colour kGrey{120, 120, 120};

// Classic 5x7 font, one byte per column, bit 0 at the top; ASCII 32 to 126.
constexpr std::array<std::array<std::uint8_t, 5>, 95> kFont{{
    {0x00, 0x00, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x5F, 0x00, 0x00}, {0x00, 0x07, 0x00, 0x07, 0x00},
    {0x14, 0x7F, 0x14, 0x7F, 0x14}, {0x24, 0x2A, 0x7F, 0x2A, 0x12}, {0x23, 0x13, 0x08, 0x64, 0x62},
    {0x36, 0x49, 0x56, 0x20, 0x50}, {0x00, 0x08, 0x07, 0x03, 0x00}, {0x00, 0x1C, 0x22, 0x41, 0x00},
    {0x00, 0x41, 0x22, 0x1C, 0x00}, {0x2A, 0x1C, 0x7F, 0x1C, 0x2A}, {0x08, 0x08, 0x3E, 0x08, 0x08},
    {0x00, 0x80, 0x70, 0x30, 0x00}, {0x08, 0x08, 0x08, 0x08, 0x08}, {0x00, 0x00, 0x60, 0x60, 0x00},
    {0x20, 0x10, 0x08, 0x04, 0x02}, {0x3E, 0x51, 0x49, 0x45, 0x3E}, {0x00, 0x42, 0x7F, 0x40, 0x00},
    {0x72, 0x49, 0x49, 0x49, 0x46}, {0x21, 0x41, 0x49, 0x4D, 0x33}, {0x18, 0x14, 0x12, 0x7F, 0x10},
    {0x27, 0x45, 0x45, 0x45, 0x39}, {0x3C, 0x4A, 0x49, 0x49, 0x31}, {0x41, 0x21, 0x11, 0x09, 0x07},
    {0x36, 0x49, 0x49, 0x49, 0x36}, {0x46, 0x49, 0x49, 0x29, 0x1E}, {0x00, 0x00, 0x14, 0x00, 0x00},
    {0x00, 0x40, 0x34, 0x00, 0x00}, {0x00, 0x08, 0x14, 0x22, 0x41}, {0x14, 0x14, 0x14, 0x14, 0x14},
    {0x00, 0x41, 0x22, 0x14, 0x08}, {0x02, 0x01, 0x59, 0x09, 0x06}, {0x3E, 0x41, 0x5D, 0x59, 0x4E},
    {0x7C, 0x12, 0x11, 0x12, 0x7C}, {0x7F, 0x49, 0x49, 0x49, 0x36}, {0x3E, 0x41, 0x41, 0x41, 0x22},
    {0x7F, 0x41, 0x41, 0x41, 0x3E}, {0x7F, 0x49, 0x49, 0x49, 0x41}, {0x7F, 0x09, 0x09, 0x09, 0x01},
    {0x3E, 0x41, 0x41, 0x51, 0x73}, {0x7F, 0x08, 0x08, 0x08, 0x7F}, {0x00, 0x41, 0x7F, 0x41, 0x00},
    {0x20, 0x40, 0x41, 0x3F, 0x01}, {0x7F, 0x08, 0x14, 0x22, 0x41}, {0x7F, 0x40, 0x40, 0x40, 0x40},
    {0x7F, 0x02, 0x1C, 0x02, 0x7F}, {0x7F, 0x04, 0x08, 0x10, 0x7F}, {0x3E, 0x41, 0x41, 0x41, 0x3E},
    {0x7F, 0x09, 0x09, 0x09, 0x06}, {0x3E, 0x41, 0x51, 0x21, 0x5E}, {0x7F, 0x09, 0x19, 0x29, 0x46},
    {0x26, 0x49, 0x49, 0x49, 0x32}, {0x03, 0x01, 0x7F, 0x01, 0x03}, {0x3F, 0x40, 0x40, 0x40, 0x3F},
    {0x1F, 0x20, 0x40, 0x20, 0x1F}, {0x3F, 0x40, 0x38, 0x40, 0x3F}, {0x63, 0x14, 0x08, 0x14, 0x63},
    {0x03, 0x04, 0x78, 0x04, 0x03}, {0x61, 0x59, 0x49, 0x4D, 0x43}, {0x00, 0x7F, 0x41, 0x41, 0x41},
    {0x02, 0x04, 0x08, 0x10, 0x20}, {0x00, 0x41, 0x41, 0x41, 0x7F}, {0x04, 0x02, 0x01, 0x02, 0x04},
    {0x40, 0x40, 0x40, 0x40, 0x40}, {0x00, 0x03, 0x07, 0x08, 0x00}, {0x20, 0x54, 0x54, 0x78, 0x40},
    {0x7F, 0x28, 0x44, 0x44, 0x38}, {0x38, 0x44, 0x44, 0x44, 0x28}, {0x38, 0x44, 0x44, 0x28, 0x7F},
    {0x38, 0x54, 0x54, 0x54, 0x18}, {0x00, 0x08, 0x7E, 0x09, 0x02}, {0x18, 0xA4, 0xA4, 0x9C, 0x78},
    {0x7F, 0x08, 0x04, 0x04, 0x78}, {0x00, 0x44, 0x7D, 0x40, 0x00}, {0x20, 0x40, 0x40, 0x3D, 0x00},
    {0x7F, 0x10, 0x28, 0x44, 0x00}, {0x00, 0x41, 0x7F, 0x40, 0x00}, {0x7C, 0x04, 0x78, 0x04, 0x78},
    {0x7C, 0x08, 0x04, 0x04, 0x78}, {0x38, 0x44, 0x44, 0x44, 0x38}, {0xFC, 0x18, 0x24, 0x24, 0x18},
    {0x18, 0x24, 0x24, 0x18, 0xFC}, {0x7C, 0x08, 0x04, 0x04, 0x08}, {0x48, 0x54, 0x54, 0x54, 0x24},
    {0x04, 0x04, 0x3F, 0x44, 0x24}, {0x3C, 0x40, 0x40, 0x20, 0x7C}, {0x1C, 0x20, 0x40, 0x20, 0x1C},
    {0x3C, 0x40, 0x30, 0x40, 0x3C}, {0x44, 0x28, 0x10, 0x28, 0x44}, {0x4C, 0x90, 0x90, 0x90, 0x7C},
    {0x44, 0x64, 0x54, 0x4C, 0x44}, {0x00, 0x08, 0x36, 0x41, 0x00}, {0x00, 0x00, 0x77, 0x00, 0x00},
    {0x00, 0x41, 0x36, 0x08, 0x00}, {0x02, 0x01, 0x02, 0x04, 0x02},
}};

// A white picture; coordinates are in output pixels, as reals.
class Canvas {
public:
    Canvas(int width, int height)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height) * kSuper * kSuper * 3, 255) {
    }

    void Dot(int sx, int sy, Colour c) {
        if (sx < 0 || sy < 0 || sx >= width_ * kSuper || sy >= height_ * kSuper) {
            return;
        }
        const std::size_t i = (static_cast<std::size_t>(sy) * width_ * kSuper + static_cast<std::size_t>(sx)) * 3;
        pixels_[i] = c.r;
        pixels_[i + 1] = c.g;
        pixels_[i + 2] = c.b;
    }

    void Line(double x0, double y0, double x1, double y1, double width, Colour c, bool dashed = false) {
        const double length = std::hypot(x1 - x0, y1 - y0);
        const double radius = width * kSuper / 2;
        const int r = static_cast<int>(std::ceil(radius));
        for (double d = 0; d <= length; d += 1.0 / kSuper) {
            if (dashed && std::fmod(d, 9.0) > 5.5) {
                continue;
            }
            const double t = length > 0 ? d / length : 0;
            const double cx = (x0 + (x1 - x0) * t) * kSuper;
            const double cy = (y0 + (y1 - y0) * t) * kSuper;
            for (int dy = -r; dy <= r; ++dy) {
                for (int dx = -r; dx <= r; ++dx) {
                    if (dx * dx + dy * dy <= radius * radius + 0.5) {
                        Dot(static_cast<int>(std::lround(cx)) + dx, static_cast<int>(std::lround(cy)) + dy, c);
                    }
                }
            }
        }
    }

    // Fills a convex or concave polygon by the even-odd rule.
    void Fill(const std::vector<std::array<double, 2>>& points, Colour c) {
        for (int sy = 0; sy < height_ * kSuper; ++sy) {
            const double y = (sy + 0.5) / kSuper;
            std::vector<double> xs;
            for (std::size_t i = 0; i < points.size(); ++i) {
                const auto& a = points[i];
                const auto& b = points[(i + 1) % points.size()];
                if ((a[1] <= y && b[1] > y) || (b[1] <= y && a[1] > y)) {
                    xs.push_back(a[0] + (y - a[1]) * (b[0] - a[0]) / (b[1] - a[1]));
                }
            }
            std::sort(xs.begin(), xs.end());
            for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
                for (int sx = static_cast<int>(std::ceil(xs[i] * kSuper - 0.5));
                     sx <= static_cast<int>(std::floor(xs[i + 1] * kSuper - 0.5)); ++sx) {
                    Dot(sx, sy, c);
                }
            }
        }
    }

    void Polyline(const std::vector<std::array<double, 2>>& points, double width, Colour c, bool closed) {
        for (std::size_t i = 0; i + 1 < points.size() + (closed ? 1 : 0); ++i) {
            const auto& a = points[i];
            const auto& b = points[(i + 1) % points.size()];
            Line(a[0], a[1], b[0], b[1], width, c);
        }
    }

    void Ellipse(double cx, double cy, double rx, double ry, double width, Colour c, double from = 0,
                 double to = 2 * std::numbers::pi) {
        const int steps = 240;
        for (int i = 0; i < steps; ++i) {
            const double a0 = from + (to - from) * i / steps;
            const double a1 = from + (to - from) * (i + 1) / steps;
            Line(cx + rx * std::cos(a0), cy + ry * std::sin(a0), cx + rx * std::cos(a1), cy + ry * std::sin(a1), width,
                 c);
        }
    }

    // Text with its centre at (x, y) when centred, else its left edge at x; scale is in
    // supersampled pixels per font dot.
    void Text(double x, double y, const std::string& text, int scale, Colour c, bool centred = true) {
        const double advance = 6.0 * scale / kSuper;
        const double left = centred ? x - advance * static_cast<double>(text.size()) / 2 + scale / (2.0 * kSuper) : x;
        const double top = y - 3.5 * scale / kSuper;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const unsigned char ch = static_cast<unsigned char>(text[i]);
            if (ch < 32 || ch > 126) {
                continue;
            }
            const auto& glyph = kFont[ch - 32];
            const int ox = static_cast<int>(std::lround((left + advance * static_cast<double>(i)) * kSuper));
            const int oy = static_cast<int>(std::lround(top * kSuper));
            for (int col = 0; col < 5; ++col) {
                for (int row = 0; row < 8; ++row) {
                    if ((glyph[static_cast<std::size_t>(col)] >> row) & 1) {
                        for (int dy = 0; dy < scale; ++dy) {
                            for (int dx = 0; dx < scale; ++dx) {
                                Dot(ox + col * scale + dx, oy + row * scale + dy, c);
                            }
                        }
                    }
                }
            }
        }
    }

    bool SaveJpeg(const std::string& path) const {
        std::vector<std::uint8_t> out(static_cast<std::size_t>(width_ * height_) * 3);
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                for (int ch = 0; ch < 3; ++ch) {
                    int sum = 0;
                    for (int dy = 0; dy < kSuper; ++dy) {
                        for (int dx = 0; dx < kSuper; ++dx) {
                            const std::size_t i = (static_cast<std::size_t>(y * kSuper + dy) * width_ * kSuper +
                                                   static_cast<std::size_t>(x * kSuper + dx)) *
                                                      3 +
                                                  static_cast<std::size_t>(ch);
                            sum += pixels_[i];
                        }
                    }
                    out[(static_cast<std::size_t>(y) * width_ + static_cast<std::size_t>(x)) * 3 +
                        static_cast<std::size_t>(ch)] = static_cast<std::uint8_t>(sum / (kSuper * kSuper));
                }
            }
        }
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) {
            return false;
        }
        jpeg_compress_struct info{};
        jpeg_error_mgr error{};
        info.err = jpeg_std_error(&error);
        jpeg_create_compress(&info);
        jpeg_stdio_dest(&info, file);
        info.image_width = static_cast<JDIMENSION>(width_);
        info.image_height = static_cast<JDIMENSION>(height_);
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, 92, TRUE);
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = &out[static_cast<std::size_t>(info.next_scanline) * static_cast<std::size_t>(width_) * 3];
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        return std::fclose(file) == 0;
    }

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

constexpr int kLetterScale = 6;
constexpr int kSmallScale = 4;

void Arrow(Canvas& canvas, double x, double y, double dx, double dy) {
    // Head at (x, y) pointing along (dx, dy).
    const double length = std::hypot(dx, dy);
    const double ux = dx / length;
    const double uy = dy / length;
    canvas.Fill({{x, y}, {x - 8 * ux - 3 * uy, y - 8 * uy + 3 * ux}, {x - 8 * ux + 3 * uy, y - 8 * uy - 3 * ux}},
                kDimension);
}

// A dimension line with arrows at both ends and its letter beside it.
void Dimension(Canvas& canvas, double x0, double y0, double x1, double y1, const std::string& letter, double lx,
               double ly) {
    canvas.Line(x0, y0, x1, y1, 1.0, kDimension);
    Arrow(canvas, x0, y0, x0 - x1, y0 - y1);
    Arrow(canvas, x1, y1, x1 - x0, y1 - y0);
    canvas.Text(lx, ly, letter, kLetterScale, kDimension);
}

void Extension(Canvas& canvas, double x0, double y0, double x1, double y1) {
    canvas.Line(x0, y0, x1, y1, 0.8, kGrey, true);
}

// Picture dimensions of each prism shape (full profile), in pixels.
struct Profile {
    double x, h, y, z, x1, x2;
};

Profile PictureProfile(int shape) {
    const double x = 220;
    const double h = 140;
    switch (shape) {
    case 1:
        return {x, h, 55, 90, 35, 0};
    case 2:
        return {x, h, 55, 90, 0, 0};
    case 3:
        return {x, h, 55, 0, 35, 0};
    case 4:
        return {x, h, 55, 0, 0, 0};
    case 5:
        return {x, h, 0, 90, 0, 0};
    case 6:
        return {x, h, 0, 0, 0, 0};
    case 7:
        return {x, h, 0, x, 0, 0};
    case 8:
        return {x, h, 60, 100, (x - 100) / 2, 0};
    case 9:
        return {x, h, 60, 100, 0, (x - 100) / 2};
    case 10:
        return {x, h, 60, 70, 0, 40};
    default:
        return {x, h, 60, 50, 35, 35};
    }
}

bool DrawPrism(int shape, bool half, const std::string& path) {
    Canvas canvas(440, 245);
    const zeft::ShapeReads reads = zeft::ShapeReadsOf(shape);
    const Profile p = PictureProfile(shape);
    const double top = 48;
    const double bottom = top + p.h;
    const double joint = top + p.y; // where the upper section meets the lower one
    // Horizontal positions of the right-hand outline; the left is the mirror or the wall.
    const double axis = half ? 80 : 185;
    // A half tank shows the half of X and Z that lies right of the axis.
    const double topR = axis + p.x / 2;
    const double upperR = topR - p.x1;
    const double lowerR = upperR - p.x2;
    const double bottomR = axis + p.z / 2;
    auto mirror = [&](double px) { return half ? axis : 2 * axis - px; };

    std::vector<std::array<double, 2>> outline;
    outline.push_back({mirror(bottomR), bottom});
    if (!half) {
        outline.push_back({mirror(lowerR), joint});
        outline.push_back({mirror(upperR), joint});
    }
    outline.push_back({mirror(topR), top});
    outline.push_back({topR, top});
    outline.push_back({upperR, joint});
    outline.push_back({lowerR, joint});
    outline.push_back({bottomR, bottom});
    canvas.Polyline(outline, 2.2, kInk, true);
    const double left = mirror(topR);

    // X across the top, H and Y on the left.
    Extension(canvas, left, top - 4, left, top - 22);
    Extension(canvas, topR, top - 4, topR, top - 22);
    Dimension(canvas, left, top - 17, topR, top - 17, "X", (left + topR) / 2, top - 31);
    const double hLine = 30;
    Extension(canvas, left - 4, top, hLine - 5, top);
    Extension(canvas, mirror(bottomR) - 4, bottom, hLine - 5, bottom);
    Dimension(canvas, hLine, top, hLine, bottom, "H", hLine - 14, (top + bottom) / 2);
    if (reads.y) {
        const double yLine = 56;
        Extension(canvas, mirror(upperR) - 4, joint, yLine - 5, joint);
        // The letter goes left of its line: on the right it would touch a straight wall.
        Dimension(canvas, yLine, top, yLine, joint, "Y", yLine - 12, (top + joint) / 2);
    }
    if (reads.z) {
        Extension(canvas, mirror(bottomR), bottom + 4, mirror(bottomR), bottom + 22);
        Extension(canvas, bottomR, bottom + 4, bottomR, bottom + 22);
        Dimension(canvas, mirror(bottomR), bottom + 17, bottomR, bottom + 17, "Z", (mirror(bottomR) + bottomR) / 2,
                  bottom + 33);
    }
    if (reads.x1) {
        Extension(canvas, topR, top + 4, topR, joint + 4);
        Dimension(canvas, upperR, joint, topR, joint, "X1", (upperR + topR) / 2, joint + 14);
    }
    if (reads.x2) {
        Extension(canvas, lowerR, joint + 3, lowerR, joint + 14);
        Extension(canvas, upperR, joint + 3, upperR, joint + 14);
        Dimension(canvas, lowerR, joint + 10, upperR, joint + 10, "X2", (lowerR + upperR) / 2, joint + 25);
    }

    // Side view: the depth W.
    const double sideL = 340;
    const double sideR = 410;
    canvas.Polyline({{sideL, top}, {sideR, top}, {sideR, bottom}, {sideL, bottom}}, 2.2, kInk, true);
    canvas.Text((sideL + sideR) / 2, top - 31, "Side", kSmallScale, kGrey);
    Extension(canvas, sideL, bottom + 4, sideL, bottom + 22);
    Extension(canvas, sideR, bottom + 4, sideR, bottom + 22);
    Dimension(canvas, sideL, bottom + 17, sideR, bottom + 17, "W", (sideL + sideR) / 2, bottom + 33);
    return canvas.SaveJpeg(path);
}

bool DrawCylinder(const std::string& path) {
    Canvas canvas(440, 245);
    const double top = 50;
    const double bottom = 190;
    const double r = (bottom - top) / 2;
    const double cy = (top + bottom) / 2;
    const double endX = 130;
    // End view: the circle of diameter H.
    canvas.Ellipse(endX, cy, r, r, 2.2, kInk);
    Extension(canvas, endX, top, 30, top);
    Extension(canvas, endX, bottom, 30, bottom);
    Dimension(canvas, 35, top, 35, bottom, "H", 21, cy);
    canvas.Text(endX, 222, "End", kSmallScale, kGrey);
    // Side view: flat ends, so the length X runs over the whole body.
    const double sideL = 245;
    const double sideR = 415;
    canvas.Polyline({{sideL, top}, {sideR, top}, {sideR, bottom}, {sideL, bottom}}, 2.2, kInk, true);
    canvas.Line(sideL - 8, cy, sideR + 8, cy, 0.8, kGrey, true); // the cylinder's axis
    Extension(canvas, sideL, top - 4, sideL, top - 24);
    Extension(canvas, sideR, top - 4, sideR, top - 24);
    Dimension(canvas, sideL, top - 18, sideR, top - 18, "X", (sideL + sideR) / 2, top - 32);
    canvas.Text((sideL + sideR) / 2, 222, "Side", kSmallScale, kGrey);
    return canvas.SaveJpeg(path);
}

// How far a head of the vessels 14 to 16 reaches beyond its tangent line, u above the axis
// (|u| <= r), in the same units as r.
double HeadReach(int shape, double r, double u) {
    const double across = std::sqrt(std::max(0.0, r * r - u * u));
    if (shape == zeft::kHemisphericalHeadsShape) {
        return across;
    }
    if (shape == zeft::kEllipsoidalHeadsShape) {
        return across / 2;
    }
    // Torispherical: crown radius 2r, knuckle 0.2r, as in TorisphericalHead.
    const double d = 2 * r;
    const double crownCentre = -std::sqrt(0.81 - 0.16) * d;
    const double knuckleCentre = 0.4 * d;
    const double jointRadius = d * 1.0 * 0.4 / 0.9;
    const double rho = std::fabs(u);
    if (rho >= jointRadius) {
        const double beyond = rho - knuckleCentre;
        return std::sqrt(std::max(0.0, 0.01 * d * d - beyond * beyond));
    }
    return crownCentre + std::sqrt(d * d - rho * rho);
}

// The vessels 13 to 18: an end view and a side view (or the one view of a sphere or a
// vertical tank), with their dimension letters.
bool DrawVessel(int shape, const std::string& path) {
    Canvas canvas(440, 245);
    const double top = 52;
    const double bottom = 182;
    const double cy = (top + bottom) / 2;
    const double r = (bottom - top) / 2;

    if (shape == zeft::kSphereShape) {
        const double cx = 220;
        canvas.Ellipse(cx, cy, r, r, 2.2, kInk);
        canvas.Ellipse(cx, cy, r, r * 0.28, 0.8, kGrey, 0, std::numbers::pi); // the equator, in front
        Extension(canvas, cx, top, 120, top);
        Extension(canvas, cx, bottom, 120, bottom);
        Dimension(canvas, 125, top, 125, bottom, "H", 111, cy);
        canvas.Text(cx, 222, "Sphere", kSmallScale, kGrey);
        return canvas.SaveJpeg(path);
    }

    if (shape == zeft::kConeBottomShape) {
        const double cx = 220;
        const double half = 80;
        const double joint = top + 80; // the cylindrical part ends here; the cone runs down to its point
        const double apex = 205;
        canvas.Polyline({{cx - half, top}, {cx + half, top}, {cx + half, joint}, {cx, apex}, {cx - half, joint}}, 2.2,
                        kInk, true);
        canvas.Line(cx - half, joint, cx + half, joint, 0.8, kGrey, true);
        Extension(canvas, cx - half, top - 4, cx - half, top - 24);
        Extension(canvas, cx + half, top - 4, cx + half, top - 24);
        Dimension(canvas, cx - half, top - 18, cx + half, top - 18, "X", cx, top - 32);
        Extension(canvas, cx - half - 4, top, 95, top);
        Extension(canvas, cx - 4, apex, 95, apex);
        Dimension(canvas, 100, top, 100, apex, "H", 86, (top + apex) / 2);
        Extension(canvas, cx + half + 4, top, 335, top);
        Extension(canvas, cx + half + 4, joint, 335, joint);
        Dimension(canvas, 330, top, 330, joint, "Y", 344, (top + joint) / 2);
        canvas.Text(cx, 232, "Round: X is the diameter", kSmallScale, kGrey);
        return canvas.SaveJpeg(path);
    }

    // End view at the left: the circle of diameter H, or the ellipse H by W.
    const double endX = shape == zeft::kOvalShape ? 118 : 95;
    const double endHalfWidth = shape == zeft::kOvalShape ? r * 1.25 : r;
    canvas.Ellipse(endX, cy, endHalfWidth, r, 2.2, kInk);
    Extension(canvas, endX, top, 18, top);
    Extension(canvas, endX, bottom, 18, bottom);
    Dimension(canvas, 22, top, 22, bottom, "H", 10, cy);
    if (shape == zeft::kOvalShape) {
        Extension(canvas, endX - endHalfWidth, cy + 4, endX - endHalfWidth, bottom + 22);
        Extension(canvas, endX + endHalfWidth, cy + 4, endX + endHalfWidth, bottom + 22);
        Dimension(canvas, endX - endHalfWidth, bottom + 17, endX + endHalfWidth, bottom + 17, "W", endX, bottom + 31);
    } else {
        canvas.Text(endX, 222, "End", kSmallScale, kGrey);
    }

    // Side view at the right: the body of length X between the tangent lines, and its heads.
    const double reach = shape == zeft::kOvalShape ? 0 : HeadReach(shape, r, 0);
    const double sideL = 215 + reach;
    const double sideR = 420 - reach;
    std::vector<std::array<double, 2>> outline;
    const int steps = 60;
    for (int i = 0; i <= steps; ++i) { // right head, top to bottom
        const double u = r - 2 * r * i / steps;
        outline.push_back({sideR + (reach > 0 ? HeadReach(shape, r, u) : 0), cy - u});
    }
    for (int i = 0; i <= steps; ++i) { // left head, bottom to top
        const double u = -r + 2 * r * i / steps;
        outline.push_back({sideL - (reach > 0 ? HeadReach(shape, r, u) : 0), cy - u});
    }
    canvas.Polyline(outline, 2.2, kInk, true);
    if (reach > 0) {
        canvas.Line(sideL, top, sideL, bottom, 0.8, kGrey, true); // the tangent lines
        canvas.Line(sideR, top, sideR, bottom, 0.8, kGrey, true);
    }
    canvas.Line(sideL - reach - 8, cy, sideR + reach + 8, cy, 0.8, kGrey, true); // the axis
    Extension(canvas, sideL, top - 4, sideL, top - 24);
    Extension(canvas, sideR, top - 4, sideR, top - 24);
    Dimension(canvas, sideL, top - 18, sideR, top - 18, "X", (sideL + sideR) / 2, top - 32);
    const char* note = shape == zeft::kHemisphericalHeadsShape   ? "Side: hemispherical heads"
                       : shape == zeft::kEllipsoidalHeadsShape   ? "Side: 2:1 heads, H/4 deep"
                       : shape == zeft::kTorisphericalHeadsShape ? "Side: DIN 28011 heads"
                                                                 : "Side";
    canvas.Text((sideL + sideR) / 2, 222, note, kSmallScale, kGrey);
    return canvas.SaveJpeg(path);
}

// The tank drawing of the volume and height calculators.
bool DrawTable(const std::array<std::string, 5>& labels, const std::string& path) {
    Canvas canvas(440, 259);
    canvas.Text(220, 14, "Cross-section view of the tank", kSmallScale, kInk);
    const double left = 64;
    const double right = 176;
    const double top = 40;
    const double bottom = 220;
    const double h = bottom - top;
    canvas.Polyline({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, 2.2, kInk, true);
    Extension(canvas, left - 4, top, 26, top);
    Extension(canvas, left - 4, bottom, 26, bottom);
    Dimension(canvas, 32, top, 32, bottom, "H", 18, (top + bottom) / 2);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const double y = top + h * 0.2 * static_cast<double>(i);
        if (i > 0) {
            canvas.Line(left, y, right, y, 1.2, kInk, true);
        } else {
            canvas.Line(left, y, right, y, 2.2, kInk);
        }
        // A pointer from the label to the line.
        canvas.Line(right + 6, y, 226, y, 0.8, kDimension);
        Arrow(canvas, right + 3, y, -1, 0);
        canvas.Text(231, y, labels[i], 5, kDimension, false);
    }
    canvas.Text(220, 247, "H = maximum tank height", kSmallScale, kInk);
    return canvas.SaveJpeg(path);
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "pictures";
    bool ok = true;
    for (int shape = 1; shape <= zeft::kShapeCount; ++shape) {
        const std::string base = folder + "/shape" + std::to_string(shape);
        if (shape == zeft::kCylinderShape) {
            ok = DrawCylinder(base + ".jpg") && ok;
            continue;
        }
        if (zeft::IsVesselShape(shape)) {
            ok = DrawVessel(shape, base + ".jpg") && ok;
            continue;
        }
        ok = DrawPrism(shape, false, base + ".jpg") && ok;
        ok = DrawPrism(shape, true, base + "h.jpg") && ok;
    }
    ok = DrawTable(
             {"Volume @ Full Tank", "Volume @ 80% of H", "Volume @ 60% of H", "Volume @ 40% of H", "Volume @ 20% of H"},
             folder + "/volume_table.jpg") &&
         ok;
    ok = DrawTable({"Height @ Full Tank", "Height @ 80% Volume", "Height @ 60% Volume", "Height @ 40% Volume",
                    "Height @ 20% Volume"},
                   folder + "/height_table.jpg") &&
         ok;
    if (!ok) {
        std::fprintf(stderr, "draw-shape-pictures: could not write every picture into %s\n", folder.c_str());
        return 1;
    }
    std::printf("draw-shape-pictures: 31 pictures written into %s\n", folder.c_str());
    return 0;
}
