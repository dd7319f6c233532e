#include "Fonts.h"

void installFontSubstitutions()
{
    QFont::insertSubstitution(QString::fromUtf8(kFontPGothic), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QString::fromUtf8(kFontGothic), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QString::fromUtf8(kFontSansSerif), QStringLiteral("DejaVu Sans"));
}

QFont windowFontOf(const char* family)
{
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(12);
    return font;
}
