#pragma once

#include <QFont>
#include <QStringList>

namespace zandrel {

// A font asked for by the family name the program was designed with, at a pixel size, with
// the faces that stand in for that family where it is missing (registered once, however
// often this is called).
inline QFont FontWithSubstitutes(const QString &family, int pixelSize, const QStringList &substitutes)
{
    QFont::insertSubstitutions(family, substitutes);
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace zandrel
