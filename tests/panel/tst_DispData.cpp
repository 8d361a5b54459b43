#include "PanelFixture.h"

#include "Fonts.h"

#include <QCheckBox>
#include <QComboBox>

class tst_DispData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void lateNightDoubles();
    void informationDigits_data();
    void informationDigits();
    void heldClickShowsOneRow_data();
    void heldClickShowsOneRow();
};

// A データ送り clicked during the lamp test (or a section keyed and リセット) is
// held back and runs inside the refresh that ends route setting: the board
// then shows the later row, its fares and its name together.
void tst_DispData::heldClickShowsOneRow_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("cell5");
    QTest::newRow("data forward") << "forward"
                                  << "S4" << 45;
    QTest::newRow("section 5 reset") << "section 5"
                                     << "S5" << 55;
}

void tst_DispData::heldClickShowsOneRow()
{
    QFETCH(QString, clicked);
    QFETCH(QString, name);
    QFETCH(int, cell5);
    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(6));
    bool posted = false;
    const auto advance = f.waits.advance;
    f.waits.advance = [&, advance](qint64 ms) {
        advance(ms);
        if (posted)
            return;
        posted = true;
        // Queued as a held-back click is, and taken at the next chance events get.
        if (clicked == u"forward") {
            QMetaObject::invokeMethod(f.panel.Command2[1], &QAbstractButton::click, Qt::QueuedConnection);
        } else {
            QMetaObject::invokeMethod(
                &f.panel, [&f] { f.keys(QStringLiteral("区間 5")); }, Qt::QueuedConnection);
            QMetaObject::invokeMethod(f.panel.Command1[1], &QAbstractButton::click, Qt::QueuedConnection);
        }
    };
    f.setRoute(QStringLiteral("12"), QStringLiteral("3"));
    QCOMPARE(f.stopName(), name);
    QCOMPARE(f.cell(5), QVariant(qint16(cell5)));
}

// The late-night box and the options are read at each refresh, through the real controls.
void tst_DispData::lateNightDoubles()
{
    PanelFixture f;
    Hy3Writer w;
    w.row({"A", 4, {{1, 230}, {40, 230}}}).row({"B", 5, {}});
    f.write(QStringLiteral("3.hy3"), w.bytes());
    f.option.Check3[frmOption::InfoCheck::DataCol]->setChecked(true); // column 40 in cell 6
    f.option.Combo4[frmOption::InfoList::DataColNo]->setCurrentIndex(39);
    f.option.Combo4[frmOption::InfoList::DataColKoma]->setCurrentIndex(5);
    f.setRoute(QStringLiteral("3"), QStringLiteral("1"));
    f.panel.Check2->setChecked(true);
    f.panel.DispData(1);
    QCOMPARE(f.cell(1), QVariant(qint16(460)));
    QCOMPARE(f.cell(6), QVariant(qint16(230)));
    f.panel.Check2->setChecked(false);
    f.panel.DispData(1);
    QCOMPARE(f.cell(1), QVariant(qint16(230)));
}

void tst_DispData::informationDigits_data()
{
    QTest::addColumn<int>("check");
    QTest::addColumn<bool>("fromZero");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QVariant>("shown");

    // Route 00012 (row n: ticket number n, column 2 = 10 n + 2), in cell 10.
    QTest::newRow("stop number") << 0 << false << "2" << QVariant(qint16(2));
    QTest::newRow("stop number from zero") << 0 << true << "2" << QVariant(qint16(1));
    QTest::newRow("ticket number") << 1 << false << "2" << QVariant(qint16(2));
    QTest::newRow("route as keyed in") << 2 << false << "" << QVariant(QStringLiteral("00012"));
    QTest::newRow("data column 2") << 3 << false << "2" << QVariant(qint16(22));
    QTest::newRow("section beyond the board: the digit still") << 0 << false << "30" << QVariant(qint16(30));
}

void tst_DispData::informationDigits()
{
    QFETCH(int, check);
    QFETCH(bool, fromZero);
    QFETCH(QString, section);
    QFETCH(QVariant, shown);

    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(40));
    f.option.Check3[check]->setChecked(true);
    f.option.Check3[4]->setChecked(fromZero);
    f.option.Combo4[check]->setCurrentIndex(9); // cell 10
    f.option.Combo4[4]->setCurrentIndex(1);     // column 2
    f.setRoute(QStringLiteral("00012"), section);

    QCOMPARE(f.cell(10), shown);
    // The fare beside it, 0 below the section.
    QCOMPARE(f.cell(11), QVariant(qint16(section.toInt() > 11 ? 0 : 10 * qMax(1, section.toInt()) + 11)));
}

QTEST_MAIN(tst_DispData)
#include "tst_DispData.moc"
