// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"
#include "core/CodeText.h"
#include "core/CpuCore.h"
#include "core/Dither.h"
#include "core/GlyphTable.h"
#include "core/SegmentCode.h"
#include "core/TimerReload.h"
#include "core/TimerSetup.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What the user asked each generator for, as given: an option left out stays empty, so that a
// request written back as a command line gives the same request. Defaults are taken when the
// result is made (OptionTable.h names them).
namespace zandrel::generators {

struct Extent
{
    int width = 0;
    int height = 0;
    bool operator==(const Extent &) const = default;
};

enum class TextEncoding { Utf8, Gb2312 };

// --display, --layout, --bit-order, --pad and --invert, which every command that writes pixels
// has. A display preset is kept by the name given; the options given beside it win over it.
struct PackingRequest
{
    std::optional<QString> display;
    std::optional<BitmapLayout> layout;
    std::optional<BitOrder> bitOrder;
    std::optional<Padding> pad;
    bool invert = false;
    bool operator==(const PackingRequest &) const = default;
};

struct GlyphRequest
{
    QStringList texts;                         // the arguments; {"-"}: standard input
    std::optional<QString> input;              // --input FILE, "-" for standard input
    std::optional<TextEncoding> inputEncoding; // of --input
    bool library = false;                      // GB2312's zones 1 to 87 instead of a text
    std::optional<int> size;
    std::optional<QString> font; // a font file, or an installed family ("Family:style=Bold")
    std::optional<int> face;
    std::optional<Extent> cell;      // of a full-width character
    std::optional<Extent> asciiCell; // of a half-width one
    bool clip = false;
    std::optional<GlyphTableFormat> format;
    std::optional<QString> name;
    std::optional<QString> asciiName;
    PackingRequest packing;
    std::optional<CCompiler> compiler;
    std::optional<TextEncoding> encoding; // of the labels
    bool crlf = false;

    // Standard input's bytes, when the text comes from there: the program reads them, as the
    // layer never reads standard input. Not written back as a command line.
    QByteArray standardInput;

    bool operator==(const GlyphRequest &) const = default;
};

struct PictureRequest
{
    QString path;     // the picture file
    QByteArray bytes; // or, when path is empty, the picture itself (a pasted one)
    std::optional<Extent> size;
    bool stretch = false;
    std::optional<int> threshold;
    std::optional<Dither> dither;
    std::optional<ImageFormat> format;
    std::optional<QString> name;
    PackingRequest packing;
    std::optional<CCompiler> compiler;
    bool crlf = false;

    bool operator==(const PictureRequest &) const = default;
};

struct SegmentRequest
{
    std::optional<QString> chars;
    std::optional<SegmentWiring> common;
    std::optional<QString> pins; // "DP,G,F,E,D,C,B,A" from bit 7 to bit 0
    bool dp = false;
    std::optional<SegmentTableFormat> format;
    std::optional<QString> name;
    std::optional<CCompiler> compiler;
    bool crlf = false;

    bool operator==(const SegmentRequest &) const = default;
};

enum class TimerFormat { List, Asm, C51, Init };

// Numbers with units stay as written ("11.0592", "50ms"): messages quote them so.
struct TimerRequest
{
    std::optional<QString> crystal; // MHz
    std::optional<CpuCore> core;
    std::optional<int> clocks; // 12, 6 or 1: another way to name 12t, 6t and the generic 1T core
    std::optional<QString> interval;
    std::optional<int> timer; // 0, 1 or 2, of an interval
    std::optional<QString> baud;
    bool baudTable = false;             // every standard rate instead of one
    std::optional<BaudTimer> baudTimer; // of --baud and --baud-table
    std::optional<TimerMode> mode;
    bool smod = false;
    std::optional<TimerClock> timerClock; // 1T or 12T, where AUXR chooses
    std::optional<TimerFormat> format;
    bool declareSfr = false; // declare the registers reg51.h and 8051.h lack
    std::optional<CCompiler> compiler;
    bool crlf = false;

    bool operator==(const TimerRequest &) const = default;
};

enum class DelayFormat { C51, Asm };

struct DelayRequest
{
    std::optional<QString> crystal;
    std::optional<QString> time;
    std::optional<CpuCore> core;
    std::optional<int> clocks;
    std::optional<DelayFormat> format;
    std::optional<CCompiler> compiler;
    std::optional<QString> name;
    bool crlf = false;

    bool operator==(const DelayRequest &) const = default;
};

enum class DecodeFormat { Preview, Pbm };

// Bytes as people keep them (C, assembler, bare hexadecimal, or a bin file) drawn back as
// glyphs of one size.
struct DecodeRequest
{
    std::optional<QString> file; // the FILE argument, "-" for standard input
    // Without a file, the text or bin bytes themselves: a window's, or standard input's read
    // by the program, as the layer never reads standard input. Not written back as a command
    // line.
    QByteArray bytes;
    bool binary = false; // the bytes as they are, not text
    std::optional<Extent> size;
    PackingRequest packing;
    std::optional<DecodeFormat> format;
    bool crlf = false;

    bool operator==(const DecodeRequest &) const = default;
};

// The installed fonts, one line each.
struct FontListRequest
{
    bool crlf = false;

    bool operator==(const FontListRequest &) const = default;
};

} // namespace zandrel::generators
