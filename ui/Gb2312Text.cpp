#include "ui/Gb2312Text.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace zandrel {
namespace {

bool isPrivateUse(char32_t ucs4)
{
    return QChar::category(ucs4) == QChar::Other_PrivateUse;
}

} // namespace

std::optional<std::string> ToGb2312(const QString &text)
{
    const QList<uint> characters = text.toUcs4();
    for (uint ucs4 : characters)
        if (isPrivateUse(ucs4))
            return std::nullopt;
    QStringEncoder encoder("GB2312");
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    return bytes.toStdString();
}

QString FromGb2312(std::string_view bytes)
{
    QStringDecoder decoder("GB2312");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

qsizetype Gb2312Length(const QString &text)
{
    qsizetype length = 0;
    for (qsizetype i = 0; i < text.size();) {
        // A surrogate pair is one character.
        const qsizetype units =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        QStringEncoder encoder("GB2312");
        const QByteArray bytes = encoder.encode(QStringView(text).mid(i, units));
        length += encoder.hasError() ? 2 : bytes.size();
        i += units;
    }
    return length;
}

Gb2312LengthValidator::Gb2312LengthValidator(qsizetype maxBytes, QObject *parent)
    : QValidator(parent), maxBytes_(maxBytes)
{
}

QValidator::State Gb2312LengthValidator::validate(QString &input, int &) const
{
    return Gb2312Length(input) <= maxBytes_ ? Acceptable : Invalid;
}

} // namespace zandrel
