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
    void heldClickShowsOneRow_data();
    void heldClickShowsOneRow();
};

// A データ送り clicked during the lamp test (or a section keyed and リセット) is
// held back and runs inside the refresh that ends route setting: the board
// then shows the later row, its fares and its name together.
void tst_DispData::heldClickShowsOneRow_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("cell5");
    QTest::addColumn<QString>("name");
    QTest::newRow("data forward") << "forward" << 45 << "S4";
    QTest::newRow("section 5 reset") << "section 5" << 55 << "S5";
}

void tst_DispData::heldClickShowsOneRow()
{
    QFETCH(QString, clicked);
    QFETCH(int, cell5);
    QFETCH(QString, name);
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

// The late-night box and the options are read at each refresh, through the real
// controls; which cell gets what is the panel rules' test.
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

QTEST_MAIN(tst_DispData)
#include "tst_DispData.moc"
