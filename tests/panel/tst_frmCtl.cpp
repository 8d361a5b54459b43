#include "PanelFixture.h"

#include "Fonts.h"

#include <QLabel>
#include <QScreen>

class tst_frmCtl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void widenedPanelStaysOnTheScreen();
    void keypad();
    void dataStepsStopAtBothEnds();
    void tapeTipsSayWhereTheTapeIs();
};

// Digits before any 系統 go to the section, three at most; a route takes five. 系統 and 区間
// each empty only their own display. Every key sounds, also one that a full display ignores.
void tst_frmCtl::keypad()
{
    PanelFixture f;
    f.option.txtSelectSound[1]->setText(f.sound(QStringLiteral("reset.wav")));
    f.audio.take();
    const std::tuple<QString, QString, QString> steps[] = {{"1 2 3 4 系統 0 0 0 1 2 3", "00012", "123"},
                                                           {"区間 5 系統 1 2 系統", "", "5"},
                                                           {"区間 5 系統 1 2 区間", "12", ""}};
    for (const auto &[keys, route, section] : steps) {
        f.keys(keys);
        QCOMPARE(f.panel.Label2[0]->text(), route);
        QCOMPARE(f.panel.Label2[2]->text(), section);
        QCOMPARE(f.audio.take().filter(QStringLiteral("open 0 Wave reset.wav")).size(), keys.count(u' ') + 1);
    }
}

// A step shows the next row and sounds; at either end it does nothing, not even a sound or a redraw.
void tst_frmCtl::dataStepsStopAtBothEnds()
{
    PanelFixture f;
    f.write(QStringLiteral("5.hy3"), fareRows(2));
    f.option.txtSelectSound[7]->setText(f.sound(QStringLiteral("step.wav")));
    f.setRoute(QStringLiteral("5"), QStringLiteral("1"));
    f.audio.take();
    PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.stopName(), QStringLiteral("S2"));
    QCOMPARE(f.cell(24), QVariant(qint16(44)));
    QCOMPARE(f.audio.take().filter(QStringLiteral("open 1 ")).size(), 1);
    PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.app->dataIo.DataPos, qint16(1));
    QCOMPARE(f.audio.take(), QStringList());
    PanelFixture::click(f.panel.Command2[0]);
    QCOMPARE(f.stopName(), QStringLiteral("S1"));
    f.audio.take();
    f.board.ChimeiCtl->SetChimei(QStringLiteral("mark"));
    PanelFixture::click(f.panel.Command2[0]);
    QCOMPARE(f.app->dataIo.DataPos, qint16(0));
    QCOMPARE(f.audio.take(), QStringList());
    QCOMPARE(f.stopName(), QStringLiteral("mark"));
}

// At first start the panel stands at the bottom right; >> widens it to the
// right, and it moves left to stay whole on the screen.
void tst_frmCtl::widenedPanelStaysOnTheScreen()
{
    PanelFixture f;
    const QRect room = f.panel.screen()->availableGeometry();
    QCOMPARE(f.panel.frameGeometry().bottomRight(), room.bottomRight());
    PanelFixture::click(f.panel.Check4);
    QVERIFY(f.panel.Check4->isChecked() && room.contains(f.panel.frameGeometry()));
    QCOMPARE(f.panel.frameGeometry().right(), room.right());
}

// The tape's 送り and 戻し tell what they would say next and where the tape
// stands, through every step; a long text is cut, and without a tape they
// name their keys only.
void tst_frmCtl::tapeTipsSayWhereTheTapeIs()
{
    PanelFixture f(true);
    const QString longText = QStringLiteral("次は、県立総合運動公園入口、体育館へお越しの方はこちらです。");
    f.write(QStringLiteral("5.hy3"), fareRows(4));
    f.write(QStringLiteral("5tp.csv"),
            tapeFile({{QStringLiteral("次は、市役所前です。"), 0, 0},
                      {longText, 0, 0},
                      {QStringLiteral("終点です。"), 0, 0}}));
    const QString cut = longText.left(23) + QStringLiteral("…");
    QCOMPARE(f.panel.cmdTapeNext->toolTip(), QStringLiteral("送り (N)"));
    f.setRoute(QStringLiteral("5"), QStringLiteral("1"));
    const struct
    {
        QString step, next, back;
    } steps[] = {
        {QString(), "1/3 次は、市役所前です。", "0/3 （テープの始め）"},
        {"送り", "2/3 " + cut, "1/3 （テープの始め）"},
        {"送り", "3/3 終点です。", "1/3 次は、市役所前です。"},
        {"送り", "3/3 （テープの終わり）", "2/3 " + cut},
        {"送り", "3/3 （テープの終わり）", "2/3 " + cut},
        {"戻し", "3/3 終点です。", "1/3 次は、市役所前です。"},
    };
    for (const auto &s : steps) {
        if (!s.step.isEmpty())
            PanelFixture::click(s.step == u"送り" ? f.panel.cmdTapeNext : f.panel.cmdTapeBack);
        QCOMPARE(f.panel.cmdTapeNext->toolTip(), QStringLiteral("送り (N)\n") + s.next);
        QCOMPARE(f.panel.cmdTapeBack->toolTip(), QStringLiteral("戻し (B)\n") + s.back);
    }
    f.write(QStringLiteral("6.hy3"), fareRows(4));
    f.setRoute(QStringLiteral("6"), QStringLiteral("1"));
    QCOMPARE(f.panel.cmdTapeNext->toolTip(), QStringLiteral("送り (N)"));
    QCOMPARE(f.panel.cmdTapeBack->toolTip(), QStringLiteral("戻し (B)"));
}

QTEST_MAIN(tst_frmCtl)
#include "tst_frmCtl.moc"
