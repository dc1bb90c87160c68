// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/Dither.h"

#include <algorithm>
#include <array>

namespace zandrel {
namespace {

struct Spread
{
    int dx;
    int dy;
    int weight;
};

// Each kernel's weights over its divisor. Atkinson passes on only 6/8 of the error, which
// keeps highlights and shadows clean.
constexpr Spread kFloydSteinberg[] = {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}};
constexpr int kFloydSteinbergDivisor = 16;
constexpr Spread kAtkinson[] = {{1, 0, 1}, {2, 0, 1}, {-1, 1, 1}, {0, 1, 1}, {1, 1, 1}, {0, 2, 1}};
constexpr int kAtkinsonDivisor = 8;

constexpr std::array<std::array<int, 4>, 4> kBayer4 = {
    {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}}};

template <std::size_t N>
Bitmap diffuse(const GreyImage &image, int threshold, const Spread (&kernel)[N], int divisor)
{
    Bitmap bitmap(image.width, image.height);
    const int w = image.width;
    // The error still to add to this row and the two below, in levels times the divisor;
    // two spare columns on either side take what a kernel spreads past the edges.
    std::vector<int> error(static_cast<std::size_t>(3 * (w + 4)), 0);
    const auto at = [&](int x, int dy) -> int & {
        return error[static_cast<std::size_t>(dy * (w + 4) + x + 2)];
    };
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < w; ++x) {
            const int level =
                image.levels[static_cast<std::size_t>(y * w + x)] * divisor + at(x, 0);
            const bool lit = level < threshold * divisor;
            if (lit)
                bitmap.setPixel(x, y, true);
            const int wrong = level - (lit ? 0 : 255 * divisor);
            for (const Spread &s : kernel)
                at(x + s.dx, s.dy) += wrong * s.weight / divisor;
        }
        // Move the rows of error up by one.
        std::copy(error.begin() + (w + 4), error.end(), error.begin());
        std::fill(error.end() - (w + 4), error.end(), 0);
    }
    return bitmap;
}

} // namespace

Bitmap ditherToBitmap(const GreyImage &image, int threshold, Dither dither)
{
    switch (dither) {
    case Dither::FloydSteinberg:
        return diffuse(image, threshold, kFloydSteinberg, kFloydSteinbergDivisor);
    case Dither::Atkinson:
        return diffuse(image, threshold, kAtkinson, kAtkinsonDivisor);
    case Dither::None:
    case Dither::Bayer4:
        break;
    }
    Bitmap bitmap(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            int limit = threshold;
            // The pattern's 16 steps spread evenly around the threshold.
            if (dither == Dither::Bayer4)
                limit +=
                    (kBayer4[static_cast<std::size_t>(y % 4)][static_cast<std::size_t>(x % 4)] * 2 -
                     15) *
                    255 / 32;
            if (image.levels[static_cast<std::size_t>(y * image.width + x)] < limit)
                bitmap.setPixel(x, y, true);
        }
    return bitmap;
}

} // namespace zandrel
