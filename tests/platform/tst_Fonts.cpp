#include "Fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QTest>

// Fails loudly when fonts-dseg or an IPA font package is missing: the cells
// and the stop-name strip would otherwise draw in some fallback face.
class tst_Fonts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void everyNameResolves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        for (const FontSubstitution &s : fontSubstitutions())
            QTest::newRow(qPrintable(s.name)) << s.name << s.family;
    }

    void everyNameResolves()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFont font(name);
        font.setBold(true);
        QCOMPARE(QFontInfo(font).family(), family);
    }

    void installingTwiceAddsNoDuplicate()
    {
        installFontSubstitutions();
        const QStringList faces = QFont::substitutes(QStringLiteral("M_DegitA"));
        QCOMPARE(faces.filter(QStringLiteral("DSEG7 Classic"), Qt::CaseInsensitive).size(), 1);
        QVERIFY(unresolvedFonts().isEmpty());
    }
};

QTEST_MAIN(tst_Fonts)
#include "tst_Fonts.moc"
