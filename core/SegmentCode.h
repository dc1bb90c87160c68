// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/CodeText.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The port byte of a seven-segment display: which segments are lit, how the display is wired,
// and which segment each port bit drives.
namespace zandrel {

// The segments; DP is the decimal point (the window's H).
enum class Segment : std::uint8_t { A, B, C, D, E, F, G, DP };

// A set of lit segments: bit s is set when Segment s is lit (A is bit 0, DP bit 7).
using SegmentSet = std::uint8_t;

// By their index in the window's wiring choice.
enum class SegmentWiring { CommonAnode = 0, CommonCathode = 1 };

// The segment on each port bit, bit 7 first.
using PinOrder = std::array<Segment, 8>;

// The window's order: DP G F E D C B A, so segment A is bit 0.
inline constexpr PinOrder kWindowPinOrder = {Segment::DP, Segment::G, Segment::F, Segment::E,
                                             Segment::D,  Segment::C, Segment::B, Segment::A};

// The code as eight binary digits, bit 7 first: a lit segment's bit is 1 with a common cathode
// and 0 with a common anode.
std::string segmentBitText(SegmentSet lit, SegmentWiring wiring, const PinOrder &pins = kWindowPinOrder);

// The same code as a byte.
std::uint8_t segmentCode(SegmentSet lit, SegmentWiring wiring, const PinOrder &pins = kWindowPinOrder);

// The segments that draw c on the display, or nothing for a character it cannot draw.
std::optional<SegmentSet> segmentsOfChar(char c);

// Eight comma-separated names from A B C D E F G DP (any letter case, blanks around a name
// allowed), bit 7 first; nothing unless every name appears exactly once.
std::optional<PinOrder> parsePinOrder(std::string_view list);

enum class SegmentTableFormat { C51, Asm51, List };

// The codes of every character of chars (each one segmentsOfChar can draw), with the decimal
// point lit as well when dp is set:
//   C51:   "unsigned char code NAME[] = {0x3F,0x06};//01" (compiler's code keyword:
//          Dialect::KeilC51 or Dialect::Sdcc)
//   51-ASM "NAME: DB 03FH,006H;01"
//   List:  one line per character: "0 00111111 3FH"
// Every line ends with lineEnd.
std::string segmentTableText(std::string_view chars, SegmentWiring wiring, const PinOrder &pins,
                             bool dp, SegmentTableFormat format, std::string_view name,
                             std::string_view lineEnd, Dialect compiler = Dialect::KeilC51);

} // namespace zandrel
