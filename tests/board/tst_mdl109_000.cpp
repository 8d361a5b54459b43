#include "Form1.h"
#include "mdl109_000.h"

#include "TestApp.h"

#include <QLabel>
#include <QTest>

class tst_mdl109_000 : public QObject
{
    Q_OBJECT

private slots:
    void numberingSchemes_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("zero");
        QTest::addColumn<QString>("labels"); // 1, 2, 10 and 24
        QTest::addColumn<bool>("digitFace"); // of label 1; the others keep it always
        // Each after scheme 9 with zeros, so that each has to set what it shows itself.
        QTest::newRow("0 zero") << 0 << 1 << "０１ ０２ １０ ２４" << true;
        QTest::newRow("1 any nonzero flag") << 1 << -1 << "００ ０１ ０９ ２３" << true;
        QTest::newRow("4") << 4 << 0 << "無 券 １ ９ ２３" << false;
        QTest::newRow("5 zero") << 5 << 1 << "無 券 ０２ １０ ２４" << false;
        QTest::newRow("12: label 1 only") << 12 << 0 << " ０２ １０ ２４" << false;
        QTest::newRow("-1, no entry: nothing but the face") << -1 << 0 << "券無し ０２ １０ ２４" << true;
    }

    void numberingSchemes()
    {
        QFETCH(int, scheme);
        QFETCH(int, zero);
        QFETCH(QString, labels);
        QFETCH(bool, digitFace);
        TestApp t;
        Form1 &board = *t.app->form1;
        t.app->mdl109.SeirikenNumSet(9, 1);
        t.app->mdl109.SeirikenNumSet(qint16(scheme), qint16(zero));
        QStringList shown;
        for (int k : {1, 2, 10, 24})
            shown << board.lblSeiriNum[k]->text();
        QCOMPARE(shown.join(QLatin1Char(' ')), labels);
        QCOMPARE(board.lblSeiriNum[1]->font().family(),
                 digitFace ? mdl109_000::digitFace() : mdl109_000::wordFace());
        QCOMPARE(board.lblSeiriNum[2]->font().family(), mdl109_000::digitFace());
        QVERIFY(t.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(tst_mdl109_000)
#include "tst_mdl109_000.moc"
