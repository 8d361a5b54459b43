#include "FakeDialogs.h"
#include "Fonts.h"
#include "M_Degit.h"
#include "M_DegitEm.h"
#include "Pixels.h"

#include <QTest>
#include <memory>

namespace {

// Which of the four places light: '#' lit, '|' lit in its right half only, '.' not at all,
// '!' a digit that stops short of the bottom edge or whose lower segments are thinner than
// its upper ones.
QString shown(QWidget &element)
{
    const QImage image = element.grab().toImage();
    QString places;
    for (int i = 0; i < 4; ++i) {
        const QRect place(i * 13, 0, 13, 20);
        const int lit = litPixels(image, place), upper = litPixels(image, place.adjusted(0, 0, 0, -16));
        const bool whole = litPixels(image, place.adjusted(0, 16, 0, 0)) >= upper * 0.85
            && litPixels(image, place.adjusted(0, 18, 0, 0)) > 0;
        places += lit == 0                                  ? '.'
            : !whole                                        ? '!'
            : lit <= 20                                     ? '?'
            : litPixels(image, place.adjusted(0, 0, -6, 0)) ? '#'
                                                            : '|';
    }
    return places;
}

} // namespace

class tst_DegitElements : public QObject
{
    Q_OBJECT

    FakeDialogs dialogs;

    std::unique_ptr<DegitElement> make()
    {
        QFETCH_GLOBAL(bool, fareCell);
        if (fareCell)
            return std::make_unique<M_DegitEm>(dialogs);
        return std::make_unique<M_Degit>(dialogs);
    }

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void initTestCase_data()
    {
        QTest::addColumn<bool>("fareCell");
        QTest::newRow("Degit") << false;
        QTest::newRow("DegitEm") << true;
    }

    // A shift is at most Keta - 1. The fare-board cell shows a new shift at once, before
    // it reports the change; the clock waits for the next redraw.
    void shiftWrite()
    {
        QFETCH_GLOBAL(bool, fareCell);
        auto element = make();
        element->setValue(12);
        QStringList reported;
        connect(element.get(), &DegitElement::PropertyChanged, element.get(),
                [&](const QString &name) { reported << name + ' ' + shown(*element); });
        element->setShift(10);
        QCOMPARE(element->Shift(), qint16(3));
        QCOMPARE(element->size(), QSize(52, 20)); // the designed size
        QCOMPARE(reported, QStringList{fareCell ? "Shift #..." : "Shift ..|#"});
        QCOMPARE(shown(*element), fareCell ? "#..." : "..|#");
    }

    void litPlaces_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("places");
        QTest::newRow("12, shift 1") << QVariant(12) << 1 << ".|#.";
        QTest::newRow("no value: the lamp test, whatever the shift it puts back")
            << QVariant() << 1 << "####";
        QTest::newRow("1.5: DSEG's \".\" takes no place of its own") << QVariant(1.5) << 0 << "..|#";
    }

    void litPlaces()
    {
        QFETCH(QVariant, value);
        QFETCH(int, shift);
        QFETCH(QString, places);
        auto element = make();
        element->setShift(qint16(shift));
        value.isValid() ? element->setValue(value) : element->ResetDegit(true);
        QCOMPARE(shown(*element), places);
    }
};

QTEST_MAIN(tst_DegitElements)
#include "tst_DegitElements.moc"
