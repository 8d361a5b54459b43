#include "DegitText.h"

#include <QTest>

namespace {

struct Lit
{
    QVariant value;
    int zeroMode, fillZero, shift;
    QString degit; // M_Degit keeps the rightmost Keta characters; M_DegitEm pads them on the left to Keta
    int keta = 4;
};

} // namespace

Q_DECLARE_METATYPE(Lit)

// The text a cell lights, for both elements.
class tst_DegitText : public QObject
{
    Q_OBJECT

private slots:
    void litText_data()
    {
        QTest::addColumn<Lit>("r");
        // Zero handling: only numbers count as 0 or -1, only the empty text as empty.
        QTest::newRow("no value, mode 1: a lit 0") << Lit{QVariant(), 1, 0, 0, "0"};
        QTest::newRow("-1, mode 2: a lit 0") << Lit{-1, 2, 0, 0, "0"};
        QTest::newRow("0, mode 2: nothing") << Lit{0, 2, 0, 0, ""};
        QTest::newRow("empty, mode 3: a lit 0") << Lit{QString(), 3, 0, 0, "0"};
        QTest::newRow("text 0 is no number") << Lit{QStringLiteral("0"), 0, 0, 0, "0"};
        QTest::newRow("text -1 is no number") << Lit{QStringLiteral("-1"), 2, 0, 0, "-1"};
        QTest::newRow("negative mode changes nothing") << Lit{0, -1, 0, 0, "0"};
        // Zero filling of numbers and numeric texts.
        QTest::newRow("0 filled to 3, mode 1") << Lit{0, 1, 3, 0, "000"};
        QTest::newRow("numeric text filled") << Lit{QStringLiteral(" 5 "), 0, 3, 0, "005"};
        QTest::newRow("other text not filled") << Lit{QStringLiteral("AB"), 0, 3, 0, "AB"};
        QTest::newRow("0, mode 0: nothing, not filled") << Lit{0, 0, 3, 0, ""};
        QTest::newRow("negative filled") << Lit{-5, 0, 3, 0, "-005"};
        QTest::newRow("fraction rounded, filled") << Lit{12.5, 0, 3, 0, "013"};
        // Shift blanks at the right, then the places.
        QTest::newRow("shift pushes digits out") << Lit{12345, 0, 0, 2, "45  "};
        QTest::newRow("negative Keta") << Lit{12, 0, 0, 0, "", -3};
    }

    void litText()
    {
        QFETCH(Lit, r);
        QCOMPARE(DegitText::forDegit(r.value, r.zeroMode, r.fillZero, r.shift, r.keta), r.degit);
        QCOMPARE(DegitText::forDegitEm(r.value, r.zeroMode, r.fillZero, r.shift, r.keta),
                 r.degit.rightJustified(qMax(r.keta, 0), u' '));
    }
};

QTEST_GUILESS_MAIN(tst_DegitText)
#include "tst_DegitText.moc"
