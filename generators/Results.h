// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "generators/Refusal.h"
#include "generators/Requests.h"
#include "readers/Picture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// One function a generator: a request in, its result out. The result is fully decided by the
// request and the files it names, whichever front end asked.
namespace zandrel::generators {

struct TableSize
{
    QString name;        // the array's name; empty for an output without one
    qsizetype bytes = 0; // its data bytes
};

// One bitmap of the output and its data bytes as packed, so that a preview shows what the bytes
// hold from the same run instead of drawing it again.
struct PackedBitmap
{
    char32_t character = 0; // a glyph's character; 0 for a picture
    Bitmap bitmap;
    std::vector<std::uint8_t> bytes;
};

struct Result
{
    std::string bytes;              // the output as written: text in its encoding, or raw bytes
    std::vector<TableSize> tables;  // of glyph and picture tables
    QStringList warnings;           // for standard error or beside the preview; the output stands
    std::optional<Refusal> refusal; // when set, the rest is empty: nothing is to be written
    // For a preview drawn from the same run: the glyphs in the tables' order, or the picture;
    // a segment table's codes, one a character.
    std::vector<PackedBitmap> bitmaps;
    std::vector<std::uint8_t> codes;
    // What was made in one line, for a window to show beside the code: a delay's exact count of
    // cycles or clocks and its error.
    QString figures;
};

// Data bytes past which one output no longer fits an 8051's code memory.
inline constexpr qsizetype kCodeMemoryBytes = 65536;

Result makeGlyphTable(const GlyphRequest &request);
Result makeSegmentTable(const SegmentRequest &request);
Result makeTimerSetting(const TimerRequest &request);
Result makeDelay(const DelayRequest &request);
Result makeFontList(const FontListRequest &request);
// The glyphs as bitmaps (with the bytes each came from), and their preview or a PBM picture of
// them; bytes left after the last whole glyph are a warning.
Result makeDecodedGlyphs(const DecodeRequest &request);

// The picture decoder comes from the front end: zandrel-gen loads a module carrying Qt Gui only
// when a picture is asked for, a window may link the reader. Called once the picture's bytes are
// read; nullptr with the reason when there is none.
using PictureDecoderLoader = std::function<DecodePictureFunction(QString *reason)>;
Result makePictureTable(const PictureRequest &request, const PictureDecoderLoader &loadDecoder);

} // namespace zandrel::generators
