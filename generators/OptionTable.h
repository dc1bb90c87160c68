// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "generators/Requests.h"

#include <QString>

#include <optional>
#include <vector>

// Every generator's options, written once: their names, the spellings of their values and
// their defaults. The command line parses by this table, commandLineOf writes by it (in its
// order), and the help is made from it.
namespace zandrel::generators {

// One spelling of a value of an option with fixed values, and the value it stands for (an enum
// as a number). The first spelling of a value is the one written back.
struct Choice
{
    QString spelling;
    int value;
};

struct OptionInfo
{
    QString name;      // long name, without "--"
    QString shortName; // one letter, or empty
    QString valueName; // empty for a flag
    QString description;
    QString defaultText = {};         // as the help shows it; empty for none
    std::vector<Choice> choices = {}; // for an option with fixed values
    bool aliased = false; // values have several names: a refusal lists them grouped ("row/逐行式")
    int minimum = 0;      // of a whole number: where maximum > minimum
    int maximum = 0;
};

struct CommandInfo
{
    QString name;
    QString synopsis; // after "zandrel-gen NAME "
    QString brief;    // one line, for the program's help
    QString summary;
    std::vector<OptionInfo> options; // in the order commandLineOf writes them
    bool takesArguments = false;     // texts or files after the options
};

const CommandInfo &glyphCommandInfo();
const CommandInfo &imageCommandInfo();
const CommandInfo &segmentsCommandInfo();
const CommandInfo &timerCommandInfo();
const CommandInfo &delayCommandInfo();
const CommandInfo &fontsCommandInfo();
const CommandInfo &decodeCommandInfo();

// --crlf, which every command has, and --output and --help, which are the program's.
const std::vector<OptionInfo> &commonOptions();

// The option of that long name in the command, or among the common options; nullptr if none.
const OptionInfo *findOption(const CommandInfo &command, QStringView name);

// The value a spelling stands for (compared without case); nothing when it is none of them.
std::optional<int> choiceValue(const OptionInfo &option, const QString &spelling);
// The spelling written for a value.
QString choiceSpelling(const OptionInfo &option, int value);
// The refusal's list of the spellings: "c51、asm、bin", or grouped, "row/逐行式、column/逐列式".
QString choiceList(const OptionInfo &option);

// The defaults, taken when an option is left out.
inline constexpr int kDefaultGlyphSize = 16;
inline constexpr int kDefaultFace = 0;
inline constexpr GlyphTableFormat kDefaultGlyphFormat = GlyphTableFormat::C51;
inline constexpr TextEncoding kDefaultEncoding = TextEncoding::Utf8;
inline constexpr BitmapLayout kDefaultLayout = BitmapLayout::Row;
inline constexpr BitOrder kDefaultBitOrder = BitOrder::Msb;
inline constexpr Padding kDefaultPadding = Padding::Right;
inline constexpr CCompiler kDefaultCompiler = CCompiler::Keil;
inline constexpr int kDefaultThreshold = 128;
inline constexpr Dither kDefaultDither = Dither::None;
inline constexpr ImageFormat kDefaultImageFormat = ImageFormat::C51;
inline constexpr const char *kDefaultImageName = "image";
inline constexpr const char *kDefaultSegmentChars = "0123456789AbCdEF";
inline constexpr SegmentWiring kDefaultWiring = SegmentWiring::CommonAnode;
inline constexpr const char *kDefaultPins = "DP,G,F,E,D,C,B,A";
inline constexpr SegmentTableFormat kDefaultSegmentFormat = SegmentTableFormat::C51;
inline constexpr const char *kDefaultSegmentName = "seg";
inline constexpr int kDefaultClocks = 12;
inline constexpr TimerMode kDefaultTimerMode = TimerMode::Mode1;
inline constexpr TimerFormat kDefaultTimerFormat = TimerFormat::List;
inline constexpr DelayFormat kDefaultDelayFormat = DelayFormat::C51;
inline constexpr Extent kDefaultDecodeSize{16, 16};
inline constexpr DecodeFormat kDefaultDecodeFormat = DecodeFormat::Preview;

} // namespace zandrel::generators
