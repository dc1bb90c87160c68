// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/ByteListText.h"

#include "core/AsciiText.h"
#include "core/ByteText.h"

#include <algorithm>
#include <array>

namespace zandrel {
namespace {

// Braces deeper than any table nests; deeper is refused rather than followed.
constexpr int kMaxBraceDepth = 16;

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isWordCharacter(char c)
{
    return isAsciiDigit(c) || isAsciiLetter(c) || c == '_';
}

bool isHexText(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](char c) { return hexDigitValue(c).has_value(); });
}

bool isDataDirective(std::string_view word)
{
    static constexpr std::array<std::string_view, 4> kDirectives = {"DB", "DEFB", ".DB", ".BYTE"};
    return std::any_of(kDirectives.begin(), kDirectives.end(),
                       [&](std::string_view d) { return equalsIgnoringAsciiCase(word, d); });
}

struct Token
{
    enum Kind { Number, Word, Punct };
    Kind kind;
    std::string_view text;
    int line;
    int column;
};

struct Failed
{
    ByteListFault fault;
};

[[noreturn]] void fail(const Token &token, std::string message)
{
    throw Failed{{token.line, token.column, std::move(message)}};
}

std::string quoted(std::string_view text)
{
    std::string out = "“";
    out += text;
    out += "”";
    return out;
}

// The character at text[i] for a message: itself when it is printable UTF-8, else its byte.
std::string describeAt(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80    ? 1
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC2 ? 2
                                        : 0;
    bool valid = length > 0 && i + length <= text.size() && lead <= 0xF4;
    for (std::size_t k = 1; valid && k < length; ++k)
        valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    if (!valid || lead < 0x20 || lead == 0x7F)
        return "字节0x" + twoDigitHex(lead);
    return "字符" + quoted(text.substr(i, length));
}

bool isPunct(const Token &token, char c)
{
    return token.kind == Token::Punct && token.text[0] == c;
}

// Hands take() the tokens of the text, comments and preprocessor lines left out, until it
// returns false. semicolonComments: ";" starts a comment (assembler) instead of ending a
// statement (C).
template <typename Take> void scanTokens(std::string_view text, bool semicolonComments, Take take)
{
    int line = 1;
    int column = 1;
    // A byte order mark, as Notepad writes one, is no character of the text.
    std::size_t i = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    bool lineStart = true;
    // Moves to text[to], counting lines and characters (UTF-8 continuation bytes are no
    // characters of their own).
    auto moveTo = [&](std::size_t to) {
        for (; i < to && i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c == '\n') {
                ++line;
                column = 1;
            } else if ((c & 0xC0) != 0x80) {
                ++column;
            }
        }
    };
    auto toLineEnd = [&] { moveTo(std::min(text.find('\n', i), text.size())); };
    while (i < text.size()) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c == '\n') {
            moveTo(i + 1);
            lineStart = true;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            moveTo(i + 1);
            continue;
        }
        // #include and #define in C, $NOMOD51 and the like in the assembler: no bytes there.
        if (lineStart && (c == '#' || c == '$')) {
            toLineEnd();
            continue;
        }
        lineStart = false;
        if ((c == '/' && next == '/') || (c == ';' && semicolonComments)) {
            toLineEnd();
            continue;
        }
        const Token here{Token::Punct, text.substr(i, 1), line, column};
        if (c == '/' && next == '*') {
            const std::size_t end = text.find("*/", i + 2);
            if (end == std::string_view::npos)
                fail(here, "注释“/*”没有结束");
            moveTo(end + 2);
            continue;
        }
        if (isWordCharacter(c) || (c == '.' && isAsciiLetter(next))) {
            std::size_t end = i + 1;
            while (end < text.size() && isWordCharacter(text[end]))
                ++end;
            if (!take(Token{isAsciiDigit(c) ? Token::Number : Token::Word, text.substr(i, end - i),
                            line, column}))
                return;
            moveTo(end);
            continue;
        }
        if (std::string_view("{}[]()=,:;*&").find(c) == std::string_view::npos)
            fail(here, "无法识别的" + describeAt(text, i));
        if (!take(here))
            return;
        moveTo(i + 1);
    }
}

// The tokens without labels and a hex dump's offsets: a word or number right before ":".
std::vector<Token> tokensOf(std::string_view text, bool semicolonComments)
{
    std::vector<Token> tokens;
    tokens.reserve(text.size() / 4);
    bool label = false; // the last token kept may be a label
    scanTokens(text, semicolonComments, [&](const Token &token) {
        if (label && isPunct(token, ':')) {
            tokens.pop_back();
            label = false;
            return true;
        }
        label = token.kind != Token::Punct;
        tokens.push_back(token);
        return true;
    });
    return tokens;
}

// Digits in a base, the value capped past 255 so that long numbers cannot overflow.
std::uint8_t digitsValue(const Token &token, std::string_view digits, int base, const char *what)
{
    int value = 0;
    for (const char c : digits) {
        const std::optional<int> digit = hexDigitValue(c);
        if (!digit || *digit >= base)
            fail(token, quoted(token.text) + "中的" + quoted(std::string_view(&c, 1)) + "不是" +
                            what + "数字");
        value = std::min(value * base + *digit, 256);
    }
    if (value > 255)
        fail(token, quoted(token.text) + "大于255，不是一个字节");
    return static_cast<std::uint8_t>(value);
}

std::uint8_t numberValue(const Token &token, bool cText)
{
    const std::string_view s = token.text;
    const char last = asciiUpper(s.back());
    if (s.size() >= 2 && (s[1] == 'x' || s[1] == 'X')) {
        if (s.size() == 2 || s[0] != '0')
            fail(token, quoted(s) + "后缺少十六进制数字");
        return digitsValue(token, s.substr(2), 16, "十六进制");
    }
    if (last == 'H' && s.size() >= 2)
        return digitsValue(token, s.substr(0, s.size() - 1), 16, "十六进制");
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'b' || s[1] == 'B'))
        return digitsValue(token, s.substr(2), 2, "二进制");
    if (last == 'B' && s.size() >= 2 && s.find_first_not_of("01") == s.size() - 1)
        return digitsValue(token, s.substr(0, s.size() - 1), 2, "二进制");
    if (s.find_first_not_of("0123456789") != std::string_view::npos) {
        std::string message = quoted(s) + "不是数";
        if (isHexText(s))
            message += "；十六进制请写作0x" + std::string(s) + "或" +
                       (isAsciiDigit(s[0]) ? "" : "0") + std::string(s) + "H";
        fail(token, message);
    }
    if (cText && s.size() > 1 && s[0] == '0')
        return digitsValue(token, s.substr(1), 8, "八进制（C语言以0开头的数）");
    return digitsValue(token, s, 10, "十进制");
}

// A word where a byte should be; an assembler hex number without its leading digit is the
// likely slip.
[[noreturn]] void failWord(const Token &token)
{
    const std::string_view s = token.text;
    if (s.size() >= 2 && asciiUpper(s.back()) == 'H' && isHexText(s.substr(0, s.size() - 1)))
        fail(token, quoted(s) + "不是字节：汇编的十六进制数须以数字开头，写作0" + std::string(s));
    fail(token, quoted(s) + "不是字节");
}

// A braced list as read: each item a byte or a nested list.
struct Group
{
    struct Item
    {
        std::uint8_t value = 0;
        int group = -1; // index of a nested list, or -1 for a byte
    };
    std::vector<Item> items;
};

class Reader
{
public:
    Reader(const std::vector<Token> &tokens, bool cText) : tokens_(tokens), cText_(cText) {}

    ByteList read()
    {
        if (isBareHex())
            return readBareHex();
        const bool plain = std::none_of(tokens_.begin(), tokens_.end(),
                                        [](const Token &t) { return t.kind == Token::Word; });
        if (plain)
            readPlainList();
        else
            readDeclarations();
        ByteList list;
        list.bytes = std::move(bytes_);
        list.skippedCodes = skipped_;
        return list;
    }

private:
    // Only runs of an even number of hex digits, parted by blanks. A dump's byte DB is such a
    // run too: a DB line of assembler has a comma, an H, or a number of odd length.
    bool isBareHex() const
    {
        return !tokens_.empty() && std::all_of(tokens_.begin(), tokens_.end(), [](const Token &t) {
            return t.kind != Token::Punct && isHexText(t.text) && t.text.size() % 2 == 0;
        });
    }

    ByteList readBareHex() const
    {
        ByteList list;
        for (const Token &token : tokens_)
            for (std::size_t k = 0; k < token.text.size(); k += 2)
                list.bytes.push_back(static_cast<std::uint8_t>(*hexDigitValue(token.text[k]) * 16 +
                                                               *hexDigitValue(token.text[k + 1])));
        return list;
    }

    // Every number is a byte; braces group them, and a "}" without its "{" (a table pasted
    // from its middle) is passed over.
    void readPlainList()
    {
        for (std::size_t i = 0; i < tokens_.size();) {
            const Token &token = tokens_[i];
            if (isPunct(token, '{')) {
                emit(readGroup(i, 1));
            } else if (token.kind == Token::Number) {
                bytes_.push_back(numberValue(token, cText_));
                ++i;
            } else if (isPunct(token, ',') || isPunct(token, ';') || isPunct(token, '}')) {
                ++i;
            } else {
                fail(token, quoted(token.text) + "不应出现在字节之间");
            }
        }
    }

    void readDeclarations()
    {
        for (std::size_t i = 0; i < tokens_.size();) {
            const Token &token = tokens_[i];
            if (token.kind == Token::Word && isDataDirective(token.text)) {
                // DB 3FH,06H to the end of its line.
                for (++i; i < tokens_.size() && tokens_[i].line == token.line; ++i) {
                    const Token &item = tokens_[i];
                    if (item.kind == Token::Number)
                        bytes_.push_back(numberValue(item, cText_));
                    else if (item.kind == Token::Word)
                        failWord(item);
                    else if (!isPunct(item, ','))
                        fail(item, quoted(item.text) + "不应出现在字节之间");
                }
            } else if (isPunct(token, '=')) {
                ++i;
                if (i == tokens_.size())
                    break;
                const Token &value = tokens_[i];
                if (isPunct(value, '{')) {
                    emit(readGroup(i, 1));
                } else if (value.kind == Token::Number) {
                    bytes_.push_back(numberValue(value, cText_));
                    ++i;
                } else if (value.kind == Token::Word) {
                    failWord(value);
                }
            } else if (isPunct(token, '[')) {
                // An array's size, not a byte.
                while (i < tokens_.size() && !isPunct(tokens_[i], ']'))
                    ++i;
            } else {
                ++i;
            }
        }
    }

    // The list whose "{" is at tokens_[i], to its "}" or the end of the text (a table pasted
    // without its end); i moves past it.
    int readGroup(std::size_t &i, int depth)
    {
        if (depth > kMaxBraceDepth)
            fail(tokens_[i], "大括号嵌套超过" + std::to_string(kMaxBraceDepth) + "层");
        const int index = static_cast<int>(groups_.size());
        groups_.emplace_back();
        for (++i; i < tokens_.size();) {
            const Token &token = tokens_[i];
            if (isPunct(token, '}')) {
                ++i;
                break;
            }
            if (isPunct(token, '{')) {
                const int nested = readGroup(i, depth + 1);
                groups_[static_cast<std::size_t>(index)].items.push_back({0, nested});
            } else if (token.kind == Token::Number) {
                groups_[static_cast<std::size_t>(index)].items.push_back(
                    {numberValue(token, cText_), -1});
                ++i;
            } else if (isPunct(token, ',')) {
                ++i;
            } else if (token.kind == Token::Word) {
                failWord(token);
            } else {
                fail(token, quoted(token.text) + "不应出现在字节之间");
            }
        }
        return index;
    }

    std::size_t byteCount(int index) const
    {
        std::size_t count = 0;
        for (const Group::Item &item : groups_[static_cast<std::size_t>(index)].items)
            count += item.group < 0 ? 1 : byteCount(item.group);
        return count;
    }

    // {code,{dots}} or {{code},{dots}} with fewer code bytes than dots: an entry of a struct
    // table, whose code is no part of the glyph.
    bool isEntry(const Group &group) const
    {
        const auto &items = group.items;
        if (items.size() < 2 || items.back().group < 0)
            return false;
        if (std::all_of(items.begin(), items.end() - 1,
                        [](const Group::Item &item) { return item.group < 0; }))
            return true;
        return items.size() == 2 && items[0].group >= 0 &&
               byteCount(items[0].group) < byteCount(items[1].group);
    }

    void emit(int index)
    {
        const Group &group = groups_[static_cast<std::size_t>(index)];
        if (isEntry(group)) {
            for (std::size_t k = 0; k + 1 < group.items.size(); ++k)
                skipped_ += group.items[k].group < 0 ? 1 : byteCount(group.items[k].group);
            emit(group.items.back().group);
            return;
        }
        for (const Group::Item &item : group.items) {
            if (item.group < 0)
                bytes_.push_back(item.value);
            else
                emit(item.group);
        }
    }

    const std::vector<Token> &tokens_;
    bool cText_;
    std::vector<Group> groups_;
    std::vector<std::uint8_t> bytes_;
    std::size_t skipped_ = 0;
};

} // namespace

ByteList readByteList(std::string_view text)
{
    try {
        // A text with "{" or "=" outside its assembler comments is C, where ";" ends a
        // statement instead.
        bool cText = false;
        scanTokens(text, true, [&](const Token &token) {
            cText = isPunct(token, '{') || isPunct(token, '=');
            return !cText;
        });
        const std::vector<Token> tokens = tokensOf(text, !cText);
        return Reader(tokens, cText).read();
    } catch (const Failed &failed) {
        ByteList list;
        list.fault = failed.fault;
        return list;
    }
}

} // namespace zandrel
