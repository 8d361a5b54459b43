#include "FakeDialogs.h"
#include "Fonts.h"
#include "M_Degit.h"
#include "M_DegitEm.h"
#include "Pixels.h"

#include <QTest>
#include <memory>

namespace {

int drawn = 0; // redraws of every counting element

template<class Element>
struct Counting : Element
{
    using Element::Element;
    void DrawDegit(const QVariant &value, qint32 unlit, qint32 lit) override
    {
        ++drawn;
        Element::DrawDegit(value, unlit, lit);
    }
};

std::unique_ptr<DegitElement> make(bool fareCell, Dialogs &dialogs)
{
    if (fareCell)
        return std::make_unique<Counting<M_DegitEm>>(dialogs);
    return std::make_unique<Counting<M_Degit>>(dialogs);
}

enum Field { Keta, DegitSize, FillZero, Shift, ZeroMode };
const struct
{
    const char *name;
    void (DegitElement::*set)(qint16);
    qint16 (DegitElement::*get)() const;
} fields[] = {{"Keta", &DegitElement::setKeta, &DegitElement::Keta},
              {"DegitSize", &DegitElement::setDegitSize, &DegitElement::DegitSize},
              {"FillZero", &DegitElement::setFillZero, &DegitElement::FillZero},
              {"Shift", &DegitElement::setShift, &DegitElement::Shift},
              {"ZeroMode", &DegitElement::setZeroMode, &DegitElement::ZeroMode}};

enum Redraw { None, AfterTheReport, BeforeTheReport };

struct Write
{
    bool fareCell; // M_DegitEm, else M_Degit
    Field field;
    int written, stored;
    Redraw redraw;
    QSize size = {52, 20}; // the designed size
};

} // namespace

Q_DECLARE_METATYPE(Write)

class tst_DegitElements : public QObject
{
    Q_OBJECT

    FakeDialogs dialogs;

private slots:
    void initTestCase() { installFontSubstitutions(); }

    // What a write stores, how it resizes the element, and whether it redraws
    // before or after it reports the change.
    void writes_data()
    {
        QTest::addColumn<Write>("w");
        QTest::newRow("Degit Keta 16") << Write{false, Keta, 16, 4, AfterTheReport};
        QTest::newRow("Degit Keta 15") << Write{false, Keta, 15, 15, AfterTheReport, {195, 20}};
        QTest::newRow("DegitEm Keta -3") << Write{true, Keta, -3, -3, BeforeTheReport};
        QTest::newRow("Degit DegitSize 7") << Write{false, DegitSize, 7, 0, AfterTheReport};
        QTest::newRow("Degit DegitSize 3") << Write{false, DegitSize, 3, 3, AfterTheReport, {44, 15}};
        QTest::newRow("DegitEm DegitSize 2") << Write{true, DegitSize, 2, 2, AfterTheReport};
        QTest::newRow("FillZero 9, at most Keta") << Write{false, FillZero, 9, 4, None};
        QTest::newRow("ZeroMode 4") << Write{false, ZeroMode, 4, 0, None};
        // The fare-board cell shows a new shift at once; the clock waits for the next redraw.
        QTest::newRow("Degit Shift 10") << Write{false, Shift, 10, 3, None};
        QTest::newRow("DegitEm Shift 10") << Write{true, Shift, 10, 3, BeforeTheReport};
        QTest::newRow("Degit Shift -2") << Write{false, Shift, -2, 0, None};
    }

    void writes()
    {
        QFETCH(Write, w);
        auto element = make(w.fareCell, dialogs);
        const int before = drawn;
        int drawnWhenReported = -1;
        QStringList reported;
        connect(element.get(), &DegitElement::PropertyChanged, element.get(), [&](const QString &name) {
            reported << name;
            drawnWhenReported = drawn;
        });
        (element.get()->*fields[w.field].set)(qint16(w.written));
        QCOMPARE(int((element.get()->*fields[w.field].get)()), w.stored);
        QCOMPARE(element->size(), w.size);
        QCOMPARE(reported, QStringList{fields[w.field].name});
        QCOMPARE(drawn > before, w.redraw != None);
        QCOMPARE(drawnWhenReported > before, w.redraw == BeforeTheReport);
    }

    // Which of the four places light: '#' lit, '|' lit in its right half only;
    // no value stands for the lamp test.
    void litPlaces_data()
    {
        QTest::addColumn<bool>("fareCell");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("places");
        for (bool fareCell : {false, true}) {
            const char *kind = fareCell ? "DegitEm" : "Degit";
            QTest::addRow("%s 1", kind) << fareCell << QVariant(1) << 0 << "...|";
            QTest::addRow("%s 12, shift 1", kind) << fareCell << QVariant(12) << 1 << ".##.";
            QTest::addRow("%s lamp test, whatever the shift it puts back", kind)
                << fareCell << QVariant() << 1 << "####";
            // DSEG's "." takes no place of its own.
            QTest::addRow("%s 1.5", kind) << fareCell << QVariant(1.5) << 0 << "..##";
        }
    }

    void litPlaces()
    {
        QFETCH(bool, fareCell);
        QFETCH(QVariant, value);
        QFETCH(int, shift);
        QFETCH(QString, places);
        auto element = make(fareCell, dialogs);
        element->setShift(qint16(shift));
        value.isValid() ? element->setValue(value) : element->ResetDegit(true);
        const QImage image = element->grab().toImage();
        for (int i = 0; i < 4; ++i) {
            const QRect place(i * 13, 0, 13, 20);
            const int lit = litPixels(image, place);
            QVERIFY2(places[i] == u'.' ? lit == 0 : lit > 20,
                     qPrintable(QStringLiteral("%1: %2").arg(i).arg(lit)));
            if (places[i] == u'|')
                QCOMPARE(litPixels(image, place.adjusted(0, 0, -6, 0)), 0);
            // A digit reaches the bottom edge, its lower segments as whole as its upper ones.
            const int upper = litPixels(image, place.adjusted(0, 0, 0, -16));
            QVERIFY(lit == 0
                    || (litPixels(image, place.adjusted(0, 16, 0, 0)) >= upper * 0.85
                        && litPixels(image, place.adjusted(0, 18, 0, 0)) > 0));
        }
    }
};

QTEST_MAIN(tst_DegitElements)
#include "tst_DegitElements.moc"
