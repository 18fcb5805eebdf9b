#include "CubeColorNames.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace turnix {

namespace {

struct Lab {
    double l;
    double a;
    double b;
};

double Linear(double channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double LabCurve(double t) {
    constexpr double Epsilon = 216.0 / 24389.0;
    constexpr double Kappa = 24389.0 / 27.0;
    return t > Epsilon ? std::cbrt(t) : (Kappa * t + 16.0) / 116.0;
}

// sRGB under D65.
Lab LabOf(const QColor& color) {
    const QColor rgb = color.toRgb();
    const double r = Linear(rgb.red());
    const double g = Linear(rgb.green());
    const double b = Linear(rgb.blue());
    const double x = LabCurve((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
    const double y = LabCurve(0.2126 * r + 0.7152 * g + 0.0722 * b);
    const double z = LabCurve((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
    return {116.0 * y - 16.0, 500.0 * (x - y), 200.0 * (y - z)};
}

struct NamedColor {
    std::string_view name;
    ScreenColor color;
};

// Each name with the colours that go by it: a real cube's, the default
// scheme's, and the pure screen colours people choose.
constexpr std::array<NamedColor, 14> NamedColors{{
    {"White", 0xFFFFFF},
    {"Yellow", 0x00D5FF},
    {"Yellow", 0x00FFFF},
    {"Green", 0x489B00},
    {"Green", 0x00C000},
    {"Green", 0x00FF00},
    {"Blue", 0xAD4600},
    {"Blue", 0xC00000},
    {"Blue", 0xFF0000},
    {"Red", 0x3412B7},
    {"Red", 0x0000FF},
    {"Red", 0x0000C0},
    {"Orange", 0x0058FF},
    {"Orange", 0x0080FF},
}};

// Close enough to be called by the name, and far from the other names.
constexpr double MostDistance = 20.0;

} // namespace

double ColorDistance(const QColor& a, const QColor& b) {
    const Lab p = LabOf(a);
    const Lab q = LabOf(b);
    return std::hypot(p.l - q.l, p.a - q.a, p.b - q.b);
}

std::optional<std::string_view> CubeColorName(ScreenColor color) {
    const QColor shown = ToQColor(color);
    std::optional<std::string_view> nearest;
    double nearestDistance = std::numeric_limits<double>::max();
    for (const NamedColor& named : NamedColors) {
        const double distance = ColorDistance(shown, ToQColor(named.color));
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = named.name;
        }
    }
    return nearestDistance <= MostDistance ? nearest : std::nullopt;
}

ColorNames CentreColorNames(const CubeColorValues& colors, const ColorScheme& scheme) {
    ColorNames names{};
    for (std::size_t s = 0; s < names.size(); ++s) {
        const std::int16_t centre = colors.at(s).at(4);
        if (centre >= 0 && centre < ColorCount) {
            names.at(s) = CubeColorName(scheme.at(SlotOf(centre))).value_or(std::string_view());
        }
    }
    // A name that two centres share would not say which colour is meant.
    ColorNames unique = names;
    for (std::size_t s = 0; s < names.size(); ++s) {
        if (std::count(names.begin(), names.end(), names.at(s)) > 1) {
            unique.at(s) = {};
        }
    }
    return unique;
}

} // namespace turnix
