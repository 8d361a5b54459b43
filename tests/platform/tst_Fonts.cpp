#include "Fonts.h"

#include <QFontInfo>
#include <QTest>

// Fails loudly when fonts-dseg or an IPA font package is missing: the cells
// and the stop-name strip would otherwise draw in some fallback face.
class tst_Fonts : public QObject
{
    Q_OBJECT

private slots:
    void everyNameResolvesOnce()
    {
        installFontSubstitutions();
        installFontSubstitutions(); // no second face for a name
        for (const FontSubstitution &s : fontSubstitutions()) {
            QFont font(s.name);
            font.setBold(true);
            QCOMPARE(QFontInfo(font).family(), s.family);
            QCOMPARE(QFont::substitutes(s.name).filter(s.family, Qt::CaseInsensitive).size(), 1);
        }
    }
};

QTEST_MAIN(tst_Fonts)
#include "tst_Fonts.moc"
