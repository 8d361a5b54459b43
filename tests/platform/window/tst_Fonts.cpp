#include "Fonts.h"

#include <QFontDatabase>
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
            QVERIFY(QFontDatabase::hasFamily(s.family));
            QFont face(s.family);
            face.setBold(true);
            QCOMPARE(QFontInfo(font).family(), QFontInfo(face).family());
            QCOMPARE(QFont::substitutes(s.name).filter(s.family, Qt::CaseInsensitive).size(), 1);
        }
        // Run again under LANG=ja_JP.UTF-8, where the faces answer to their Japanese names.
        QCOMPARE(unresolvedFonts(), QStringList());
    }
};

QTEST_MAIN(tst_Fonts)
#include "tst_Fonts.moc"
