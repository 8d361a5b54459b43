#include "PanelFixture.h"

#include "Fonts.h"
#include "PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

namespace {

// What the ticket plug-in was asked to draw.
struct Drawn
{
    QString path, teiName, date, time;
    qint32 keitoNo;
    qint16 seiriNo, row, corpIndex;
};

void record(frmCtl &panel, QList<Drawn> &calls)
{
    panel.drawSeiriken = [&calls](const QString &path, QPainter &surface, const QString &teiName,
                                  const QString &date, const QString &time, qint32 keitoNo, qint16 seiriNo,
                                  qint16 row, qint16 corpIndex) {
        surface.fillRect(QRect(0, 0, 10, 10), Qt::black);
        calls.append({path, teiName, date, time, keitoNo, seiriNo, row, corpIndex});
        return 0;
    };
}

} // namespace

class tst_DispData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void faresFromTheSectionOn();
    void lateNightDoubles();
    void sectionBeyondTheBoard();
    void informationDigits_data();
    void informationDigits();
    void laterInformationDigitWins();
    void previewClearedAlways();
    void ticketDateModes();
};

void tst_DispData::faresFromTheSectionOn()
{
    PanelFixture f;
    f.write(QStringLiteral("3.hy3"), fareRows(10));
    f.setRoute(QStringLiteral("3"), QStringLiteral("5"));
    f.panel.DispData(7);

    for (int k = 1; k <= 4; ++k)
        QCOMPARE(f.cell(k), QVariant(qint16(0)));
    for (int k = 5; k <= 24; ++k)
        QCOMPARE(f.cell(k), QVariant(qint16(70 + k)));
    QCOMPARE(f.stopName(), QStringLiteral("S7"));
    // The data is only read: the position stays where route setting left it.
    QCOMPARE(f.app->dataIo.DataPos, qint16(4));
}

void tst_DispData::lateNightDoubles()
{
    PanelFixture f;
    Hy3Writer w;
    w.row({"A", 4, {{1, 230}, {2, -1}, {3, 0}, {4, 20000}, {5, -20000}, {40, 230}}}).row({"B", 5, {}});
    f.write(QStringLiteral("3.hy3"), w.bytes());
    f.option.Check3[3]->setChecked(true); // column 40 in cell 6
    f.option.Combo4[4]->setCurrentIndex(39);
    f.option.Combo4[3]->setCurrentIndex(5);
    f.setRoute(QStringLiteral("3"), QStringLiteral("1"));
    f.panel.Check2->setChecked(true);
    f.panel.DispData(1);

    QCOMPARE(f.cell(1), QVariant(qint16(460)));
    QCOMPARE(f.cell(2), QVariant(qint16(-1)));
    QCOMPARE(f.cell(3), QVariant(qint16(0)));
    // Past 16 bits the double is kept whole rather than failing.
    QCOMPARE(f.cell(4).toInt(), 40000);
    QCOMPARE(f.cell(5).toInt(), -40000);
    QCOMPARE(f.cell(6), QVariant(qint16(230)));

    // The box is read at each refresh.
    f.panel.Check2->setChecked(false);
    f.panel.DispData(1);
    QCOMPARE(f.cell(1), QVariant(qint16(230)));
}

void tst_DispData::sectionBeyondTheBoard()
{
    PanelFixture f;
    f.write(QStringLiteral("3.hy3"), fareRows(40));
    f.option.Check3[0]->setChecked(true);
    f.option.Combo4[0]->setCurrentIndex(23);
    f.setRoute(QStringLiteral("3"), QStringLiteral("30"));

    QCOMPARE(f.app->dataIo.KukanNo, qint16(30));
    for (int k = 1; k <= 23; ++k)
        QCOMPARE(f.cell(k), QVariant(qint16(0)));
    QCOMPARE(f.cell(24), QVariant(qint16(30)));
    QCOMPARE(f.stopName(), QStringLiteral("S30"));
}

void tst_DispData::informationDigits_data()
{
    QTest::addColumn<int>("check");
    QTest::addColumn<int>("cellList");
    QTest::addColumn<bool>("fromZero");
    QTest::addColumn<QVariant>("shown");

    // Row 1 of route 00012 (ticket number 1, column 2 = 12).
    QTest::newRow("stop number") << 0 << 0 << false << QVariant(qint16(1));
    QTest::newRow("stop number from zero") << 0 << 0 << true << QVariant(qint16(0));
    QTest::newRow("ticket number") << 1 << 1 << false << QVariant(qint16(1));
    QTest::newRow("route as keyed in") << 2 << 2 << false << QVariant(QStringLiteral("00012"));
    QTest::newRow("data column 2") << 3 << 3 << false << QVariant(qint16(12));
}

void tst_DispData::informationDigits()
{
    QFETCH(int, check);
    QFETCH(int, cellList);
    QFETCH(bool, fromZero);
    QFETCH(QVariant, shown);

    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(3));
    f.option.Check3[check]->setChecked(true);
    f.option.Check3[4]->setChecked(fromZero);
    f.option.Combo4[cellList]->setCurrentIndex(9); // cell 10
    f.option.Combo4[4]->setCurrentIndex(1);        // column 2
    f.setRoute(QStringLiteral("00012"), QString());

    QCOMPARE(f.cell(10), shown);
    QCOMPARE(f.cell(11), QVariant(qint16(21)));
}

void tst_DispData::laterInformationDigitWins()
{
    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(3));
    for (int i = 0; i < 4; ++i) {
        f.option.Combo4[i]->setCurrentIndex(2);
        f.option.Check3[i]->setChecked(true);
    }
    f.option.Combo4[4]->setCurrentIndex(99);
    f.setRoute(QStringLiteral("12"), QStringLiteral("2"));
    QCOMPARE(f.cell(3), QVariant(qint16(120)));

    f.option.Check3[3]->setChecked(false);
    f.panel.DispData(2);
    QCOMPARE(f.cell(3), QVariant(QStringLiteral("12")));
    f.option.Check3[2]->setChecked(false);
    f.panel.DispData(2);
    QCOMPARE(f.cell(3), QVariant(qint16(2)));
    f.option.Check3[1]->setChecked(false);
    f.option.Check3[4]->setChecked(true);
    f.panel.DispData(3);
    QCOMPARE(f.cell(3), QVariant(qint16(2)));
}

void tst_DispData::previewClearedAlways()
{
    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(3));
    QList<Drawn> calls;
    record(f.panel, calls);
    f.setRoute(QStringLiteral("12"), QStringLiteral("1"));
    QVERIFY(calls.isEmpty());

    QImage &preview = f.panel.picSeirikenPrev->Image();
    preview.fill(Qt::red);
    f.panel.DispData(2);
    QCOMPARE(preview.pixelColor(5, 5), QColor(Qt::white));
    QCOMPARE(preview.pixelColor(preview.width() - 1, preview.height() - 1), QColor(Qt::white));

    f.option.chkUseSeiriPrev->setChecked(true);
    f.option.txtSeiriPlgDir->setText(QStringLiteral("/plugins/plain.4SP"));
    f.panel.Combo1->addItems({QStringLiteral("A社"), QStringLiteral("B社")});
    f.panel.Combo1->setCurrentIndex(1);
    preview.fill(Qt::red);
    f.panel.DispData(3);
    QCOMPARE(calls.size(), 1);
    const Drawn &d = calls[0];
    QCOMPARE(d.path, QStringLiteral("/plugins/plain.4SP"));
    QCOMPARE(d.teiName, QStringLiteral("S3"));
    QCOMPARE(d.date, QStringLiteral("12-06-2026"));
    QCOMPARE(d.time.size(), 8);
    QCOMPARE(d.keitoNo, 12);
    QCOMPARE(d.seiriNo, qint16(3));
    QCOMPARE(d.row, qint16(3));
    QCOMPARE(d.corpIndex, qint16(1));
    // Cleared before the plug-in drew its part.
    QCOMPARE(preview.pixelColor(5, 5), QColor(Qt::black));
    QCOMPARE(preview.pixelColor(20, 20), QColor(Qt::white));
}

void tst_DispData::ticketDateModes()
{
    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(3));
    QList<Drawn> calls;
    record(f.panel, calls);
    f.option.chkUseSeiriPrev->setChecked(true);
    f.clock.set(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 58)));
    f.setRoute(QStringLiteral("12"), QStringLiteral("1"));
    QCOMPARE(f.panel.KeitoDate, QStringLiteral("12-07-2026")); // the lamp test took 3 s past midnight

    f.clock.set(QDateTime(QDate(2027, 1, 2), QTime(8, 0)));
    f.panel.DispData(2);
    QCOMPARE(calls.last().date, QStringLiteral("01-02-2027"));

    f.option.Option4[1]->setChecked(true);
    f.panel.DispData(2);
    QCOMPARE(calls.last().date, QStringLiteral("12-07-2026"));

    f.option.Option4[2]->setChecked(true);
    f.option.Label10->setText(QStringLiteral("2024/03/05"));
    f.panel.DispData(2);
    QCOMPARE(calls.last().date, QStringLiteral("2024/03/05"));
}

QTEST_MAIN(tst_DispData)
#include "tst_DispData.moc"
