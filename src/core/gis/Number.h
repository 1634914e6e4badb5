// The one way the exports for GIS and CAD write numbers: reals as the shortest text that reads
// back as the same double, with "." whatever the regional settings; integers in decimal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tracelle::gis {

void appendNumber(std::string& out, double value);
void appendInteger(std::string& out, std::int64_t value);
// `decimals` fixed decimals, right-aligned in `width` characters, as dBASE keeps numbers; false
// (and `out` untouched) when the value does not fit.
bool appendFixed(std::string& out, double value, int decimals, int width);

// The "X,Y" text of every point, made once for the formats that write a point twice (in its
// line and as itself).
class PositionTexts {
public:
    template <class Points> explicit PositionTexts(const Points& points) {
        text_.reserve(points.size() * 36);
        ends_.reserve(points.size());
        for (const auto& p : points) {
            appendNumber(text_, p.X);
            text_ += ',';
            appendNumber(text_, p.Y);
            ends_.push_back(text_.size());
        }
    }
    void append(std::string& out, std::size_t i) const {
        const std::size_t start = i == 0 ? 0 : ends_[i - 1];
        out.append(text_, start, ends_[i] - start);
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

} // namespace tracelle::gis
