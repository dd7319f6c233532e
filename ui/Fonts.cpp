#include "Fonts.h"

void InstallFontSubstitutions()
{
    QFont::insertSubstitution(QString::fromUtf8(kFontPGothic), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QString::fromUtf8(kFontGothic), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QString::fromUtf8(kFontSansSerif), QStringLiteral("DejaVu Sans"));
}

QFont WindowFont(const char* family)
{
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(12);
    return font;
}
