#include "PanelFixture.h"

#include "IniRecords.h"

#include "ColorButton.h"
#include "Fonts.h"

#include <QComboBox>
#include <QRadioButton>

class tst_frmOption : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void setThenGet_data();
    void setThenGet();
    void cancelledChoiceKeepsTheText();
};

void tst_frmOption::setThenGet_data()
{
    QTest::addColumn<QString>("field"); // set to a value its control cannot take; empty: none
    QTest::addColumn<int>("value");
    QTest::newRow("every field good") << QString() << 0;
    QTest::newRow("ChimeiFontMode 9") << "ChimeiFontMode" << 9;
    QTest::newRow("SeiriNumFormat 12") << "SeiriNumFormat" << 12;
    QTest::newRow("StopNoKoma -2") << "StopNoKoma" << -2;
    QTest::newRow("FareSoundCol 150") << "FareSoundCol" << 150;
    QTest::newRow("Check1 2") << "UseAutoSeiriNum" << 2;
}

// Each field goes to the control named for it (a swap of two would still come back) and comes
// back. A bad one is told once and its control keeps its design value; every other still arrives.
void tst_frmOption::setThenGet()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    PanelFixture f;
    frmOption &o = f.option;
    const char *dialogEnd = "FixedDate"; // the last field of the dialog's blocks
    o.GetOptionInfo();
    const QStringList design = iniFields(f.app->iniIo.IniData, dialogEnd);
    IniRecord record = everyFieldChanged();
    // The file holds texts of up to 65,535 bytes; a box gives back what it was given.
    record.DataDirInfo.HyDir = QString(0xFFFF, u'h');
    if (!field.isEmpty())
        record.ChimeiInfo.ChimeiFontMode = 9; // always bad: a second one adds no message
    visitIniFields(record, [&](const char *name, auto &v) {
        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, qint16>) {
            if (field == QLatin1String(name))
                v = qint16(value);
        }
    });
    f.app->iniIo.IniData = record;
    o.SetOptionInfo();
    QCOMPARE((QList{o.Combo4[4]->currentIndex(), o.Combo4[3]->currentIndex(), o.Combo4[2]->currentIndex()}),
             (QList{149, 5, 11}));
    QCOMPARE(
        (QStringList{o.txtSelectSound[7]->text(), o.txtSelectSound[3]->text(), o.txtSelectPanel[1]->text()}),
        (QStringList{"/data/FareSoundFile", "/data/TapeSoundFile", "/data/PanelOn1File"}));
    QCOMPARE(o.Command8[1]->BackColor(), record.DegitInfo.DegitBaseForeColor);
    QCOMPARE(o.Command5[2]->BackColor(), record.PanelInfo.SeiriNumColorOn2);
    for (QRadioButton *on : {o.Option3[1], o.Option3[6], o.Option3[3], o.Option3[5], o.Option6[0],
                             o.Option2[1], o.Option7[1], o.Option2[3], o.Option4[2]})
        QVERIFY2(on->isChecked(), qPrintable(on->text()));
    const FakeDialogs::Shown told{QStringLiteral("エラー Code:380\r\n内容:プロパティの値が不正です。\r\n"
                                                 "モジュール:mdlIniIo.LoadIni()"),
                                  Dialogs::Ok, Dialogs::NoIcon, QStringLiteral("ルクシオVer4")};
    QCOMPARE(f.dialogs.shown, field.isEmpty() ? QList<FakeDialogs::Shown>() : QList{told});

    f.app->iniIo.IniData = IniRecord();
    o.GetOptionInfo();
    const QStringList expected = iniFields(record, dialogEnd),
                      got = iniFields(f.app->iniIo.IniData, dialogEnd);
    QCOMPARE(got.size(), 61);
    for (qsizetype i = 0; i < got.size(); ++i) {
        const bool bad =
            !field.isEmpty() && (got[i].startsWith(field + u'=') || got[i].startsWith(u"ChimeiFontMode="));
        QCOMPARE(got[i], bad ? design[i] : expected[i]);
    }
}

// A cancelled file or folder dialog (an empty reply) keeps the box's text; a chosen one replaces it.
void tst_frmOption::cancelledChoiceKeepsTheText()
{
    PanelFixture f;
    frmOption &o = f.option;
    o.Option3[1]->setChecked(true); // the picture rows show with 個別に設定 only
    const std::pair<QAbstractButton *, QLineEdit *> controls[] = {
        {o.cmdSelectSound[0], o.txtSelectSound[0]},
        {o.cmdSelectSound[10], o.txtSelectSound[10]},
        {o.Command6[2], o.txtSelectPanel[2]},
        {o.Command3[1], o.Text2[1]}};
    int calls = 0;
    for (const auto &[button, box] : controls) {
        box->setText(QStringLiteral("/old/one"));
        f.dialogs.fileReplies = f.dialogs.folderReplies = {QString(), QStringLiteral("/new/one")};
        f.clickOption(button);
        QCOMPARE(box->text(), QStringLiteral("/old/one"));
        f.clickOption(button);
        QCOMPARE(box->text(), QStringLiteral("/new/one"));
        QCOMPARE(f.dialogs.fileCalls + f.dialogs.folderCalls, calls += 2);
    }
    QVERIFY(f.dialogs.shown.isEmpty());
}

QTEST_MAIN(tst_frmOption)
#include "tst_frmOption.moc"
