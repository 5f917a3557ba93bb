#include "import/CssColor.h"

#include "import/CssColorNames.h"
#include "text/Ascii.h"
#include "text/HexDigits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace brisvane {

namespace {

ColorValue rgb(int red, int green, int blue) {
    return static_cast<ColorValue>(red | (green << 8) | (blue << 16));
}

// "#RGB", "#RGBA", "#RRGGBB" or "#RRGGBBAA" without its "#".
std::optional<CssColorReading> readHex(std::string_view digits) {
    if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8)
        return std::nullopt;
    const std::size_t width = digits.size() <= 4 ? 1 : 2;
    int values[4] = {255, 255, 255, 255};
    for (std::size_t i = 0; i < digits.size(); i += width) {
        values[i / width] = hexPairValue(digits[i], digits[i + width - 1]); // "#ABC": "#AABBCC"
        if (values[i / width] < 0)
            return std::nullopt;
    }
    return CssColorReading{CssColorReading::Kind::Color, rgb(values[0], values[1], values[2]),
                           values[3] / 255.0};
}

// One number of a colour function: a plain number, a percentage of `full`, or an angle in
// degrees (deg, rad, grad, turn or none). "none" is zero.
struct Number {
    double value = 0;
    bool percent = false;
};

std::optional<Number> readNumber(std::string_view text, bool angle) {
    if (text == "none")
        return Number{};
    Number n;
    const char* end = text.data() + text.size();
    const auto [stop, error] =
        std::from_chars(text.data() + (text.starts_with('+') ? 1 : 0), end, n.value);
    if (error != std::errc() || !std::isfinite(n.value))
        return std::nullopt;
    const std::string_view unit(stop, static_cast<std::size_t>(end - stop));
    constexpr double pi = 3.14159265358979323846;
    const std::pair<std::string_view, double> angles[] = {
        {"deg", 1}, {"rad", 180 / pi}, {"grad", 0.9}, {"turn", 360}};
    n.percent = unit == "%";
    if (unit.empty() || n.percent)
        return n;
    for (const auto& [name, degrees] : angles) {
        if (angle && unit == name)
            return Number{n.value * degrees, false};
    }
    return std::nullopt;
}

// The arguments of a colour function: three numbers and perhaps an alpha, with commas
// ("rgb(0, 128, 255, 0.5)") or blanks and a slash ("rgb(0 128 255 / 50%)").
std::optional<std::vector<std::string_view>> splitArguments(std::string_view inner) {
    std::vector<std::string_view> parts;
    const bool commas = inner.find(',') != std::string_view::npos;
    std::size_t slash = std::string_view::npos;
    while (!(inner = ascii::trimmed(inner)).empty()) {
        std::size_t end = commas ? inner.find(',') : inner.find_first_of(" \t\r\n\f/");
        if (!commas && end == 0) { // a slash before the alpha
            if (slash != std::string_view::npos || parts.size() != 3)
                return std::nullopt;
            slash = parts.size();
            inner.remove_prefix(1);
            continue;
        }
        end = std::min(end, inner.size());
        parts.push_back(ascii::trimmed(inner.substr(0, end)));
        if (parts.back().empty())
            return std::nullopt;
        inner.remove_prefix(std::min(end + (commas ? 1 : 0), inner.size()));
    }
    if (parts.size() < 3 || parts.size() > 4 || (!commas && parts.size() == 4 && slash != 3))
        return std::nullopt;
    return parts;
}

int channel(double value) {
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0)));
}

// Red, green and blue from 0 to 1 of hue h (degrees), saturation s and lightness l (0 to 1).
std::array<double, 3> fromHsl(double h, double s, double l) {
    h = std::fmod(std::fmod(h, 360) + 360, 360);
    std::array<double, 3> out{};
    for (int i = 0; i < 3; ++i) {
        const double k = std::fmod((i == 0 ? 0 : i == 1 ? 8 : 4) + h / 30, 12);
        out[static_cast<std::size_t>(i)] =
            l - s * std::min(l, 1 - l) * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    }
    return out;
}

// rgb(), rgba(), hsl(), hsla() and hwb(), whose name and parentheses are taken off already.
std::optional<CssColorReading> readFunction(std::string_view name, std::string_view inner) {
    const auto parts = splitArguments(inner);
    if (!parts)
        return std::nullopt;
    const bool rgbForm = name == "rgb" || name == "rgba";
    Number n[4];
    n[3] = {1, false};
    for (std::size_t i = 0; i < parts->size(); ++i) {
        const auto number = readNumber((*parts)[i], i == 0 && !rgbForm);
        if (!number)
            return std::nullopt;
        n[i] = *number;
    }
    auto fraction = [](const Number& x, double full) {
        return std::clamp(x.percent ? x.value / 100 : x.value / full, 0.0, 1.0);
    };
    CssColorReading color{CssColorReading::Kind::Color, 0, fraction(n[3], 1)};
    std::array<double, 3> unit{};
    if (rgbForm) {
        for (std::size_t i = 0; i < 3; ++i)
            unit[i] = fraction(n[i], 255);
    } else if (name == "hsl" || name == "hsla") {
        unit = fromHsl(n[0].value, fraction(n[1], 100), fraction(n[2], 100));
    } else { // hwb: white and black mixed into the pure hue
        const double white = fraction(n[1], 100), black = fraction(n[2], 100);
        unit = fromHsl(n[0].value, 1, 0.5);
        for (double& c : unit)
            c = white + black >= 1 ? white / (white + black) : c * (1 - white - black) + white;
    }
    color.value = rgb(channel(unit[0] * 255), channel(unit[1] * 255), channel(unit[2] * 255));
    return color;
}

} // namespace

CssColorReading readCssColor(std::string_view text) {
    text = ascii::trimmed(text);
    CssColorReading none;
    if (text.empty() || text.size() > 100)
        return none;
    const std::string lower = ascii::lowered(text);
    const std::string_view t = lower;
    if (t.front() == '#')
        return readHex(t.substr(1)).value_or(none);
    if (const std::size_t open = t.find('('); open != std::string_view::npos && t.back() == ')') {
        const std::string_view name = ascii::trimmed(t.substr(0, open));
        static constexpr std::string_view unconverted[] = {"lab", "lch", "oklab", "oklch", "color"};
        if (std::find(std::begin(unconverted), std::end(unconverted), name) !=
            std::end(unconverted))
            return {CssColorReading::Kind::Unconverted};
        static constexpr std::string_view functions[] = {"rgb", "rgba", "hsl", "hsla", "hwb"};
        if (std::find(std::begin(functions), std::end(functions), name) == std::end(functions))
            return none;
        return readFunction(name, t.substr(open + 1, t.size() - open - 2)).value_or(none);
    }
    if (auto value = colorOfCssName(t))
        return {CssColorReading::Kind::Color, *value};
    // Without its "#", as Internet Explorer took colours on pages in quirks mode.
    if (t.size() == 3 || t.size() == 6)
        return readHex(t).value_or(none);
    return none;
}

} // namespace brisvane
