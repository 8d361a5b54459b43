#include "Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

const std::vector<FontSubstitution> &fontSubstitutions()
{
    // Segment digits: fonts-dseg. Dot glyph source and labels: the IPA fonts.
    static const std::vector<FontSubstitution> table{
        {QStringLiteral("M_DegitA"), QStringLiteral("DSEG7 Classic")},
        {QStringLiteral("M_DegitB"), QStringLiteral("DSEG7 Modern")},
        {QStringLiteral("M_DegitC"), QStringLiteral("DSEG7 Classic Mini")},
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")},
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho")},
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")},
        // The ticket-number row's digit face: a gothic whose full-width digits are even and bold.
        {QStringLiteral("ソルテ数字平体"), QStringLiteral("IPAGothic")},
    };
    return table;
}

void installFontSubstitutions()
{
    for (const FontSubstitution &s : fontSubstitutions()) {
        if (!QFont::substitutes(s.name).contains(s.family, Qt::CaseInsensitive))
            QFont::insertSubstitution(s.name, s.family);
    }
}

QStringList unresolvedFonts()
{
    QStringList missing;
    for (const FontSubstitution &s : fontSubstitutions()) {
        // Under a Japanese locale fontconfig answers a family's Japanese name
        // (IPAゴシック for IPAGothic), and a missing family falls back to some
        // other face: the family must exist and the name must end on its face.
        const QString resolved = QFontInfo(QFont(s.name)).family();
        if (!QFontDatabase::hasFamily(s.family) || resolved != QFontInfo(QFont(s.family)).family())
            missing << QStringLiteral("%1 (%2)").arg(s.name, s.family);
    }
    return missing;
}
