#include "FakeDialogs.h"
#include "Fonts.h"
#include "M_Degit.h"
#include "M_DegitEm.h"
#include "Pixels.h"
#include "PropertyBag.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

// Counts the redraws of an element; the picture itself is drawn as usual.
template<class Element>
class Counting : public Element
{
public:
    using Element::Element;
    int draws = 0;

protected:
    void DrawDegit(const QVariant &value, qint32 unlit, qint32 lit) override
    {
        ++draws;
        Element::DrawDegit(value, unlit, lit);
    }
};

enum Kind { Degit, DegitEm };

std::unique_ptr<DegitElement> make(Kind kind, Dialogs &dialogs)
{
    if (kind == Degit)
        return std::make_unique<Counting<M_Degit>>(dialogs);
    return std::make_unique<Counting<M_DegitEm>>(dialogs);
}

int draws(DegitElement &element)
{
    if (auto *d = dynamic_cast<Counting<M_Degit> *>(&element))
        return d->draws;
    return dynamic_cast<Counting<M_DegitEm> &>(element).draws;
}

QImage picture(DegitElement &element)
{
    return element.grab().toImage();
}

// The unlit grey 96 96 96 over the 80 80 80 background.
int unlitPixels(const QImage &image, QRect area)
{
    int count = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) >= 0x90 && !isLit(image.pixel(x, y));
    return count;
}

QRect litBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isLit(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QRect place(const DegitElement &element, int index, int places)
{
    const int w = element.width() / places;
    return QRect(index * w, 0, w, element.height());
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class tst_DegitElements : public QObject
{
    Q_OBJECT

    FakeDialogs dialogs;

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void writesCoerce_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QSize>("size"); // after the write; the designed 52 x 20 when not resized

        const QSize designed(52, 20);
        QTest::newRow("Degit Keta 0") << Degit << "Keta" << 0 << 4 << designed;
        QTest::newRow("Degit Keta 16") << Degit << "Keta" << 16 << 4 << designed;
        QTest::newRow("Degit Keta -3") << Degit << "Keta" << -3 << 4 << designed;
        QTest::newRow("Degit Keta 15") << Degit << "Keta" << 15 << 15 << QSize(195, 20);
        QTest::newRow("Degit Keta 2") << Degit << "Keta" << 2 << 2 << QSize(26, 20);
        QTest::newRow("DegitEm Keta 0") << DegitEm << "Keta" << 0 << 0 << designed;
        QTest::newRow("DegitEm Keta 20") << DegitEm << "Keta" << 20 << 20 << designed;
        QTest::newRow("DegitEm Keta -3") << DegitEm << "Keta" << -3 << -3 << designed;
        QTest::newRow("Degit DegitSize 7") << Degit << "DegitSize" << 7 << 0 << designed;
        QTest::newRow("Degit DegitSize 1") << Degit << "DegitSize" << 1 << 1 << QSize(68, 26);
        QTest::newRow("Degit DegitSize 2") << Degit << "DegitSize" << 2 << 2 << QSize(76, 29);
        QTest::newRow("Degit DegitSize 3") << Degit << "DegitSize" << 3 << 3 << QSize(44, 15);
        QTest::newRow("DegitEm DegitSize 7") << DegitEm << "DegitSize" << 7 << 7 << designed;
        QTest::newRow("DegitEm DegitSize 2") << DegitEm << "DegitSize" << 2 << 2 << designed;
        for (Kind kind : {Degit, DegitEm}) {
            const char *k = kind == Degit ? "Degit" : "DegitEm";
            QTest::addRow("%s FillZero 9", k) << kind << "FillZero" << 9 << 4 << designed;
            QTest::addRow("%s FillZero -2", k) << kind << "FillZero" << -2 << -2 << designed;
            QTest::addRow("%s Shift 10", k) << kind << "Shift" << 10 << 3 << designed;
            QTest::addRow("%s Shift -2", k) << kind << "Shift" << -2 << 0 << designed;
            QTest::addRow("%s ZeroMode 5", k) << kind << "ZeroMode" << 5 << 0 << designed;
            QTest::addRow("%s ZeroMode 4", k) << kind << "ZeroMode" << 4 << 0 << designed;
            QTest::addRow("%s ZeroMode -1", k) << kind << "ZeroMode" << -1 << -1 << designed;
        }
    }

    void writesCoerce()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, property);
        QFETCH(int, written);
        QFETCH(int, stored);
        QFETCH(QSize, size);
        auto element = make(kind, dialogs);
        QSignalSpy changed(element.get(), &DegitElement::PropertyChanged);
        const auto value = static_cast<qint16>(written);
        int read = 0;
        if (property == "Keta") {
            element->setKeta(value);
            read = element->Keta();
        } else if (property == "DegitSize") {
            element->setDegitSize(value);
            read = element->DegitSize();
        } else if (property == "FillZero") {
            element->setFillZero(value);
            read = element->FillZero();
        } else if (property == "Shift") {
            element->setShift(value);
            read = element->Shift();
        } else {
            element->setZeroMode(value);
            read = element->ZeroMode();
        }
        QCOMPARE(read, stored);
        QCOMPARE(element->size(), size);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().toString(), property);
    }

    void whichWritesRedraw_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("property");
        QTest::addColumn<bool>("redraws");
        QTest::addColumn<bool>("drawnBeforeMark");
        const QStringList redrawing{"BaseForeColor", "DegitForeColor", "Keta",     "DegitSize",
                                    "DegitStyle",    "Value",          "BackColor"};
        const QStringList silent{"FillZero", "ZeroMode", "UserSet"};
        for (Kind kind : {Degit, DegitEm}) {
            const char *k = kind == Degit ? "Degit" : "DegitEm";
            for (const QString &p : redrawing) {
                // The fare-board cell draws a new Keta before it reports it.
                const bool drawnFirst = kind == DegitEm && p == "Keta";
                QTest::addRow("%s %s", k, qPrintable(p)) << kind << p << true << drawnFirst;
            }
            for (const QString &p : silent)
                QTest::addRow("%s %s", k, qPrintable(p)) << kind << p << false << false;
        }
        // The fare-board cell shows a new shift at once; the clock waits for the next redraw.
        QTest::newRow("Degit Shift") << Degit << "Shift" << false << false;
        QTest::newRow("DegitEm Shift") << DegitEm << "Shift" << true << true;
    }

    void whichWritesRedraw()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, property);
        QFETCH(bool, redraws);
        QFETCH(bool, drawnBeforeMark);
        auto element = make(kind, dialogs);
        const int before = draws(*element);
        int drawsWhenMarked = -1;
        connect(element.get(), &DegitElement::PropertyChanged, this,
                [&](const QString &) { drawsWhenMarked = draws(*element); });
        if (property == "BaseForeColor")
            element->setBaseForeColor(0x112233);
        else if (property == "DegitForeColor")
            element->setDegitForeColor(0x112233);
        else if (property == "Keta")
            element->setKeta(3);
        else if (property == "DegitSize")
            element->setDegitSize(1);
        else if (property == "DegitStyle")
            element->setDegitStyle(1);
        else if (property == "Value")
            element->setValue(12);
        else if (property == "BackColor")
            element->setBackColor(0x000000);
        else if (property == "FillZero")
            element->setFillZero(2);
        else if (property == "ZeroMode")
            element->setZeroMode(1);
        else if (property == "UserSet")
            element->setUserSet(false);
        else
            element->setShift(1);
        QCOMPARE(draws(*element) > before, redraws);
        QCOMPARE(drawsWhenMarked > before, drawnBeforeMark);
    }

    void sizeStepLeavesTheFareCell()
    {
        M_DegitEm element(dialogs);
        element.setValue(150);
        const QImage before = picture(element);
        element.setDegitSize(2);
        QCOMPARE(element.size(), QSize(52, 20));
        QCOMPARE(picture(element), before);
    }

    void aSilentWriteLeavesThePicture()
    {
        M_Degit element(dialogs);
        element.setValue(12);
        const QImage before = picture(element);
        element.setShift(1);
        element.setZeroMode(1);
        element.setFillZero(3);
        QCOMPARE(picture(element), before);
    }

    void storedDesignRoundTrips()
    {
        M_DegitEm element(dialogs);
        PropertyBag defaults;
        element.WriteProperties(defaults);
        QVERIFY(defaults.keys().isEmpty());

        element.setBackColor(0x010203);
        element.setValue(QStringLiteral("0"));
        element.setKeta(2);
        element.setBaseForeColor(0x040506);
        PropertyBag bag;
        element.WriteProperties(bag);
        QCOMPARE(bag.keys(), QStringList({"BaseForeColor", "Keta", "Value", "BackColor"}));

        Counting<M_Degit> loaded(dialogs);
        PropertyBag odd = bag;
        odd.write(QStringLiteral("Keta"), qint16(-3), qint16(4)); // no range rule on loading
        odd.write(QStringLiteral("FillZero"), qint16(-1), qint16(0));
        loaded.ReadProperties(odd);
        QCOMPARE(loaded.draws, 0);
        QCOMPARE(loaded.Keta(), qint16(-3));
        QCOMPARE(loaded.FillZero(), qint16(-1));
        QCOMPARE(loaded.Value(), QVariant(QStringLiteral("0")));
        QCOMPARE(loaded.BaseForeColor(), 0x040506);
        QCOMPARE(loaded.BackColor(), 0x010203);
        QCOMPARE(loaded.DegitForeColor(), DegitElement::DefaultDegitForeColor);
        QCOMPARE(loaded.size(), QSize(52, 20));
        // A negative count reaching the redraw draws nothing rather than failing.
        loaded.setValue(5);
        QCOMPARE(litPixels(picture(loaded), loaded.rect()), 0);
    }

    // A loaded fare cell shows only its background until the host sizes it, then its row of 8.
    void loadedFareCellDrawsWhenSized()
    {
        M_DegitEm hidden(dialogs);
        hidden.ReadProperties(PropertyBag());
        hidden.resize(52, 20); // the board's cell size, the designed one
        QVERIFY(unlitPixels(picture(hidden), hidden.rect()) > 40);

        M_DegitEm shown(dialogs);
        shown.show();
        QApplication::processEvents();
        shown.ReadProperties(PropertyBag());
        QCOMPARE(unlitPixels(picture(shown), shown.rect()), 0);
        shown.resize(78, 30);
        QVERIFY(unlitPixels(picture(shown), shown.rect()) > 40);
    }

    void lampTest_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("Degit") << Degit;
        QTest::newRow("DegitEm") << DegitEm;
    }

    void lampTest()
    {
        QFETCH(Kind, kind);
        auto element = make(kind, dialogs);
        auto reference = make(kind, dialogs);
        element->setZeroMode(2);
        element->setFillZero(3);
        element->setShift(1);
        element->setValue(5);

        element->ResetDegit(true);
        reference->setValue(QStringLiteral("8888"));
        QCOMPARE(picture(*element), picture(*reference));
        QCOMPARE(element->Value(), QVariant(QStringLiteral("8888")));
        QCOMPARE(element->ZeroMode(), qint16(2));
        QCOMPARE(element->FillZero(), qint16(3));
        QCOMPARE(element->Shift(), qint16(1));

        element->ResetDegit(false);
        QCOMPARE(litPixels(picture(*element), element->rect()), 0);
        QCOMPARE(element->Shift(), qint16(1));
    }

    void settingsDialog_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("Degit") << Degit;
        QTest::newRow("DegitEm") << DegitEm;
    }

    void settingsDialog()
    {
        QFETCH(Kind, kind);
        auto element = make(kind, dialogs);
        element->setZeroMode(1);
        element->setShift(2);
        element->setFillZero(3);
        QSignalSpy changed(element.get(), &DegitElement::PropertyChanged);

        dialogs.digitReplies = {{0, 3, 0, 0}};
        QCOMPARE(element->ShowSetDlg(), 0);
        QCOMPARE(dialogs.digitDialogs.last().Keta, qint16(4));
        QCOMPARE(dialogs.digitDialogs.last().ZeroMode, qint16(1));
        QCOMPARE(dialogs.digitDialogs.last().Shift, qint16(2));
        QCOMPARE(dialogs.digitDialogs.last().FillZero, qint16(3));

        // What the dialog leaves is taken as it stands, without marking the design changed.
        const int before = draws(*element);
        dialogs.digitReplies = {{1, 2, 7, -1}};
        QCOMPARE(element->ShowSetDlg(), 1);
        QCOMPARE(element->ZeroMode(), qint16(2));
        QCOMPARE(element->Shift(), qint16(7));
        QCOMPARE(element->FillZero(), qint16(-1));
        QCOMPARE(draws(*element), before + 1);
        QCOMPARE(changed.size(), 0);
        element->setValue(12); // a shift beyond the places still draws
    }

    void doubleClickIsOnlyASignal()
    {
        M_DegitEm element(dialogs);
        QSignalSpy clicked(&element, &DegitElement::DblClick);
        const int shown = dialogs.digitDialogs.size();
        QTest::mouseDClick(&element, Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(dialogs.digitDialogs.size(), shown);
    }

    void oneLightsTheRightSegmentsOfTheLastPlace_data() { lampTest_data(); }

    void oneLightsTheRightSegmentsOfTheLastPlace()
    {
        QFETCH(Kind, kind);
        auto element = make(kind, dialogs);
        element->setValue(1);
        const QImage image = picture(*element);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(litPixels(image, place(*element, i, 4)), 0);
        const QRect last = place(*element, 3, 4);
        QVERIFY(litPixels(image, last) > 20);
        QCOMPARE(litPixels(image, last.adjusted(0, 0, -last.width() / 2, 0)), 0);
    }

    void shiftLeavesTheLastPlaceUnlit_data() { lampTest_data(); }

    void shiftLeavesTheLastPlaceUnlit()
    {
        QFETCH(Kind, kind);
        auto element = make(kind, dialogs);
        element->setShift(1);
        element->setValue(12);
        const QImage image = picture(*element);
        QCOMPARE(litPixels(image, place(*element, 0, 4)), 0);
        QVERIFY(litPixels(image, place(*element, 1, 4)) > 20);
        QVERIFY(litPixels(image, place(*element, 2, 4)) > 20);
        QCOMPARE(litPixels(image, place(*element, 3, 4)), 0);
        // The free places still show the unlit row of 8.
        QVERIFY(unlitPixels(image, place(*element, 3, 4)) > 20);
        QVERIFY(unlitPixels(image, place(*element, 0, 4)) > 20);
    }

    void widerCellDrawsWiderDigits()
    {
        M_DegitEm cell(dialogs);
        cell.ResetDegit(true);
        const QRect a = litBounds(picture(cell));
        cell.resize(104, 20); // redraws by itself
        const QRect b = litBounds(picture(cell));
        QVERIFY2(qAbs(b.width() - 2 * a.width()) <= 2,
                 qPrintable(QStringLiteral("%1 vs %2").arg(a.width()).arg(b.width())));
        QCOMPARE(b.height(), a.height());
    }

    void twentyPlacesSqueezeIn()
    {
        M_DegitEm element(dialogs);
        element.resize(400, 30);
        element.setKeta(20);
        element.ResetDegit(true);
        const QImage image = picture(element);
        int runs = 0;
        bool inRun = false;
        for (int x = 0; x < image.width(); ++x) {
            bool lit = false;
            for (int y = 0; y < image.height() && !lit; ++y)
                lit = isLit(image.pixel(x, y));
            if (lit && !inRun)
                ++runs;
            inRun = lit;
        }
        QCOMPARE(runs, 20);
        const QRect bounds = litBounds(image);
        QVERIFY(bounds.left() <= 10);
        QVERIFY(bounds.right() >= image.width() - 12);

        // At the board's own cell size the twenty places still span the width.
        M_DegitEm cell(dialogs);
        cell.setKeta(20);
        cell.ResetDegit(true);
        const QRect squeezed = litBounds(picture(cell));
        QVERIFY(squeezed.left() <= 1);
        QVERIFY(squeezed.right() >= cell.width() - 4);
    }

    // DSEG's "." takes no place of its own: the digits still end in the last place.
    void fractionEndsInTheLastPlace()
    {
        M_DegitEm element(dialogs);
        element.setValue(1.5);
        const QImage image = picture(element);
        QVERIFY(litPixels(image, place(element, 3, 4)) > 20);
        QCOMPARE(litPixels(image, place(element, 0, 4)), 0);
    }

    void digitsReachTheBottomUncut_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("52 x 20") << QSize(52, 20);
        QTest::newRow("104 x 40") << QSize(104, 40);
        QTest::newRow("72 x 33") << QSize(72, 33);
    }

    void digitsReachTheBottomUncut()
    {
        QFETCH(QSize, size);
        M_DegitEm element(dialogs);
        element.resize(size);
        element.ResetDegit(true);
        const QImage image = picture(element);
        const QRect bounds = litBounds(image);
        QVERIFY2(bounds.bottom() >= size.height() - 2, qPrintable(QString::number(bounds.bottom())));
        // An 8 is symmetric: a cut bottom segment would light fewer pixels than the top one.
        const int band = size.height() / 5;
        const int top = litPixels(image, QRect(0, 0, size.width(), band));
        const int bottom = litPixels(image, QRect(0, size.height() - band, size.width(), band));
        QVERIFY2(bottom >= top * 0.85, qPrintable(QStringLiteral("top %1 bottom %2").arg(top).arg(bottom)));
    }
};

QTEST_MAIN(tst_DegitElements)
#include "tst_DegitElements.moc"
