#pragma once

#include <QString>
#include <QValidator>

#include <optional>
#include <string>
#include <string_view>

namespace zandrel {

// The GB2312 bytes of text, or nothing when a character has no place in GB2312. Private-use
// characters count as having none: the encoder maps them onto codes GB2312 leaves unassigned.
std::optional<std::string> ToGb2312(const QString &text);

// Text from GB2312 bytes.
QString FromGb2312(std::string_view bytes);

// The GB2312 bytes of text, with every character GB2312 lacks replaced by the two bytes
// 0xA1 0xA1: it still counts two bytes, and it matches no ASCII text.
std::string ToGb2312WithStandIns(const QString &text);

// How many bytes text takes in GB2312; a character without a GB2312 form counts as two, the
// size its substitute would take.
qsizetype Gb2312Length(const QString &text);

// Refuses any edit that makes the text longer than maxBytes in GB2312, the way a length
// limit counted in bytes would.
class Gb2312LengthValidator : public QValidator
{
    Q_OBJECT

public:
    Gb2312LengthValidator(qsizetype maxBytes, QObject *parent);

    State validate(QString &input, int &pos) const override;

private:
    qsizetype maxBytes_;
};

} // namespace zandrel
