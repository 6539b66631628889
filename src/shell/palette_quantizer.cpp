#include "shell/palette_quantizer.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace orrery {
namespace {

struct ColorCount {
    std::uint32_t rgb = 0;
    std::uint32_t count = 0;
};

int channel(std::uint32_t rgb, int c) { return static_cast<int>((rgb >> (16 - 8 * c)) & 0xFF); }

using Histogram = std::unordered_map<std::uint32_t, std::uint32_t>;

Histogram countColors(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                      std::int32_t stride) {
    Histogram histogram;
    for (std::int32_t y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        // Pictures are mostly long runs of one colour: count a run at once.
        std::int32_t x = 0;
        while (x < width) {
            const std::uint32_t rgb = row[x] & 0xFFFFFF;
            std::int32_t end = x + 1;
            while (end < width && (row[end] & 0xFFFFFF) == rgb) ++end;
            histogram[rgb] += static_cast<std::uint32_t>(end - x);
            x = end;
        }
    }
    return histogram;
}

// A box of colours for median cut: a range of `colors`.
struct Box {
    std::size_t first = 0;
    std::size_t last = 0;  // one past
    int longest = 0;       // channel with the widest spread
    int spread = 0;
};

Box measure(const std::vector<ColorCount>& colors, std::size_t first, std::size_t last) {
    std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
    for (std::size_t i = first; i < last; ++i)
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], channel(colors[i].rgb, c));
            hi[c] = std::max(hi[c], channel(colors[i].rgb, c));
        }
    Box box{first, last, 0, -1};
    for (int c = 0; c < 3; ++c)
        if (hi[c] - lo[c] > box.spread) box = {first, last, c, hi[c] - lo[c]};
    return box;
}

std::uint32_t meanColor(const std::vector<ColorCount>& colors, const Box& box) {
    std::array<double, 3> sum{};
    double total = 0;
    for (std::size_t i = box.first; i < box.last; ++i) {
        total += colors[i].count;
        for (int c = 0; c < 3; ++c) sum[c] += static_cast<double>(channel(colors[i].rgb, c)) * colors[i].count;
    }
    std::uint32_t rgb = 0;
    for (int c = 0; c < 3; ++c)
        rgb = (rgb << 8) | static_cast<std::uint32_t>(std::clamp(sum[c] / total + 0.5, 0.0, 255.0));
    return rgb;
}

// Splits the colours into at most `boxes` boxes, always cutting the box with
// the widest spread at the pixel-weighted median of that channel.
std::vector<std::uint32_t> medianCut(std::vector<ColorCount> colors, int boxes) {
    std::vector<std::uint32_t> palette;
    if (colors.empty() || boxes <= 0) return palette;
    std::vector<Box> list{measure(colors, 0, colors.size())};
    while (static_cast<int>(list.size()) < boxes) {
        const auto widest = std::max_element(list.begin(), list.end(),
                                             [](const Box& a, const Box& b) { return a.spread < b.spread; });
        if (widest->spread <= 0) break;
        const Box box = *widest;
        std::sort(colors.begin() + static_cast<std::ptrdiff_t>(box.first),
                  colors.begin() + static_cast<std::ptrdiff_t>(box.last),
                  [c = box.longest](const ColorCount& a, const ColorCount& b) {
                      return channel(a.rgb, c) < channel(b.rgb, c);
                  });
        std::uint64_t total = 0;
        for (std::size_t i = box.first; i < box.last; ++i) total += colors[i].count;
        std::uint64_t seen = 0;
        std::size_t cut = box.first + 1;
        for (std::size_t i = box.first; i + 1 < box.last; ++i) {
            seen += colors[i].count;
            cut = i + 1;
            if (2 * seen >= total) break;
        }
        *widest = measure(colors, box.first, cut);
        list.push_back(measure(colors, cut, box.last));
    }
    for (const Box& box : list) palette.push_back(meanColor(colors, box));
    return palette;
}

int distance(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int c = 0; c < 3; ++c) {
        const int e = channel(a, c) - channel(b, c);
        d += e * e;
    }
    return d;
}

std::uint8_t nearest(const std::vector<std::uint32_t>& palette, std::uint32_t rgb) {
    std::size_t best = 0;
    int bestDistance = distance(palette[0], rgb);
    for (std::size_t i = 1; i < palette.size() && bestDistance > 0; ++i) {
        const int d = distance(palette[i], rgb);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return static_cast<std::uint8_t>(best);
}

// Colours of at least this share of the picture keep an exact entry, up to
// this many of them.
constexpr double kExactShare = 0.0005;
constexpr int kExactEntries = 64;

}  // namespace

IndexedPicture quantizeColors(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                              std::int32_t stride, int maxColors) {
    IndexedPicture picture;
    picture.width = std::max(0, width);
    picture.height = std::max(0, height);
    maxColors = std::clamp(maxColors, 1, 256);
    if (picture.width == 0 || picture.height == 0) return picture;

    const Histogram histogram = countColors(pixels, width, height, stride);
    std::vector<ColorCount> colors;
    colors.reserve(histogram.size());
    for (const auto& [rgb, count] : histogram) colors.push_back({rgb, count});
    std::sort(colors.begin(), colors.end(), [](const ColorCount& a, const ColorCount& b) {
        return a.count != b.count ? a.count > b.count : a.rgb < b.rgb;
    });

    if (static_cast<int>(colors.size()) <= maxColors) {
        for (const ColorCount& c : colors) picture.palette.push_back(c.rgb);
    } else {
        const double pixelCount = static_cast<double>(width) * height;
        const int exactLimit = std::min(kExactEntries, maxColors / 2);
        std::size_t exact = 0;
        while (static_cast<int>(exact) < exactLimit && colors[exact].count >= kExactShare * pixelCount) ++exact;
        for (std::size_t i = 0; i < exact; ++i) picture.palette.push_back(colors[i].rgb);
        const std::vector<std::uint32_t> shared =
            medianCut({colors.begin() + static_cast<std::ptrdiff_t>(exact), colors.end()},
                      maxColors - static_cast<int>(exact));
        picture.palette.insert(picture.palette.end(), shared.begin(), shared.end());
    }

    std::unordered_map<std::uint32_t, std::uint8_t> entry;
    entry.reserve(colors.size());
    for (const ColorCount& c : colors) entry.emplace(c.rgb, nearest(picture.palette, c.rgb));

    picture.indices.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::uint8_t* out = picture.indices.data();
    for (std::int32_t y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        std::uint32_t last = ~0u;
        std::uint8_t index = 0;
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint32_t rgb = row[x] & 0xFFFFFF;
            if (rgb != last) {
                index = entry.find(rgb)->second;
                last = rgb;
            }
            *out++ = index;
        }
    }
    return picture;
}

}  // namespace orrery
