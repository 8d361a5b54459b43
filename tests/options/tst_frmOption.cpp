#include "PanelFixture.h"

#include "IniRecords.h"

#include "ColorButton.h"
#include "Fonts.h"

#include <QComboBox>
#include <QRadioButton>

namespace {

using Fields = QList<std::pair<QString, QVariant>>;

// The dialog's blocks of the record, DataDirInfo to SeiriPrevInfo, in file order.
Fields dialogFields(IniRecord record)
{
    Fields fields;
    bool done = false;
    visitIniFields(record, [&](const char *name, auto &value) {
        if (!done)
            fields.append({QString::fromLatin1(name), QVariant::fromValue(value)});
        done = done || qstrcmp(name, "FixedDate") == 0;
    });
    return fields;
}

} // namespace

class tst_frmOption : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void getAfterSetGivesTheSameRecord();
    void oneBadFieldCostsOnlyItself_data();
    void oneBadFieldCostsOnlyItself();
    void cancelledChoiceKeepsTheText_data();
    void cancelledChoiceKeepsTheText();
};

void tst_frmOption::getAfterSetGivesTheSameRecord()
{
    PanelFixture f;
    const IniRecord stored = everyFieldChanged();
    f.app->iniIo.IniData = stored;
    f.option.SetOptionInfo();
    QVERIFY(f.dialogs.shown.isEmpty());

    f.app->iniIo.IniData = IniRecord();
    f.option.GetOptionInfo();
    const Fields expected = dialogFields(stored), got = dialogFields(f.app->iniIo.IniData);
    QCOMPARE(got.size(), 61);
    for (qsizetype i = 0; i < got.size(); ++i)
        QVERIFY2(got[i] == expected[i],
                 qPrintable(got[i].first + QStringLiteral(": ") + got[i].second.toString()
                            + QStringLiteral(" instead of ") + expected[i].second.toString()));
    // The file holds texts of up to 65,535 bytes; a box gives back what it was given.
    IniRecord longTexts = stored;
    longTexts.DataDirInfo.HyDir = QString(0xFFFF, u'h');
    f.app->iniIo.IniData = longTexts;
    f.option.SetOptionInfo();
    f.app->iniIo.IniData = IniRecord();
    f.option.GetOptionInfo();
    QCOMPARE(f.app->iniIo.IniData.DataDirInfo.HyDir.size(), 0xFFFF);
    f.app->iniIo.IniData = stored; // back to the stored record, for what follows
    f.option.SetOptionInfo();

    // Each field went to the control named for it: a swap of two would still round-trip.
    frmOption &o = f.option;
    QCOMPARE(o.Combo4[4]->currentIndex(), 149);
    QCOMPARE(o.Combo4[3]->currentIndex(), 5);
    QCOMPARE(o.Combo4[2]->currentIndex(), 11);
    QCOMPARE(o.txtSelectSound[7]->text(), QStringLiteral("/data/FareSoundFile"));
    QCOMPARE(o.txtSelectSound[3]->text(), QStringLiteral("/data/TapeSoundFile"));
    QCOMPARE(o.txtSelectPanel[1]->text(), QStringLiteral("/data/PanelOn1File"));
    QCOMPARE(o.Command8[1]->BackColor(), stored.DegitInfo.DegitBaseForeColor);
    QCOMPARE(o.Command5[2]->BackColor(), stored.PanelInfo.SeiriNumColorOn2);
    for (QRadioButton *on : {o.Option3[1], o.Option3[6], o.Option3[3], o.Option3[5], o.Option6[0],
                             o.Option2[1], o.Option7[1], o.Option2[3], o.Option4[2]})
        QVERIFY2(on->isChecked(), qPrintable(on->text()));
}

void tst_frmOption::oneBadFieldCostsOnlyItself_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");

    QTest::newRow("ChimeiFontMode 9") << "ChimeiFontMode" << 9;
    QTest::newRow("SeiriNumFormat 12") << "SeiriNumFormat" << 12;
    QTest::newRow("StopNoKoma -2") << "StopNoKoma" << -2;
    QTest::newRow("FareSoundCol 150") << "FareSoundCol" << 150;
    QTest::newRow("Check1 2") << "UseAutoSeiriNum" << 2;
}

void tst_frmOption::oneBadFieldCostsOnlyItself()
{
    QFETCH(QString, field);
    QFETCH(int, value);

    PanelFixture f;
    IniRecord record = everyFieldChanged();
    record.ChimeiInfo.ChimeiFontMode = 9; // always bad: a second one adds no message
    visitIniFields(record, [&](const char *name, auto &v) {
        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, qint16>) {
            if (field == QLatin1String(name))
                v = qint16(value);
        }
    });
    f.app->iniIo.IniData = record;
    const qint16 designedFormat = f.option.SeiriNumFormat();
    f.option.SetOptionInfo();

    QCOMPARE(f.dialogs.shown,
             (QList{FakeDialogs::Shown{QStringLiteral("エラー Code:380\r\n内容:プロパティの値が不正です。\r\n"
                                                      "モジュール:mdlIniIo.LoadIni()"),
                                       Dialogs::Ok, Dialogs::NoIcon, QStringLiteral("ルクシオVer4")}}));
    // The bad controls keep their design values; every other field still arrives.
    QCOMPARE(f.option.ChimeiFontMode(), qint16(-1));
    if (field == QLatin1String("SeiriNumFormat"))
        QCOMPARE(f.option.SeiriNumFormat(), designedFormat);
    if (field == QLatin1String("UseAutoSeiriNum"))
        QCOMPARE(f.option.UseAutoSeiriNum(), qint16(1));
    f.option.GetOptionInfo();
    const Fields expected = dialogFields(record), got = dialogFields(f.app->iniIo.IniData);
    for (qsizetype i = 0; i < got.size(); ++i) {
        if (got[i].first != field && got[i].first != QLatin1String("ChimeiFontMode"))
            QVERIFY2(got[i].second == expected[i].second, qPrintable(got[i].first));
    }
}

void tst_frmOption::cancelledChoiceKeepsTheText_data()
{
    QTest::addColumn<int>("control"); // sound 0, sound 10, picture 2, folder 1
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("reply"); // none: cancelled

    const char *names[] = {"cmdSelectSound(0)", "cmdSelectSound(10)", "Command6(2)", "Command3(1)"};
    for (int i = 0; i < 4; ++i) {
        QTest::addRow("%s cancelled over a text", names[i]) << i << "/old/one" << QString();
        QTest::addRow("%s cancelled over nothing", names[i]) << i << QString() << QString();
        QTest::addRow("%s chosen", names[i]) << i << "/old/one" << QStringLiteral("/new/one");
    }
}

void tst_frmOption::cancelledChoiceKeepsTheText()
{
    QFETCH(int, control);
    QFETCH(QString, before);
    QFETCH(QString, reply);

    PanelFixture f;
    frmOption &o = f.option;
    const std::pair<QAbstractButton *, QLineEdit *> controls[] = {
        {o.cmdSelectSound[0], o.txtSelectSound[0]},
        {o.cmdSelectSound[10], o.txtSelectSound[10]},
        {o.Command6[2], o.txtSelectPanel[2]},
        {o.Command3[1], o.Text2[1]}};
    const auto [button, box] = controls[control];
    box->setText(before);
    if (!reply.isEmpty())
        f.dialogs.fileReplies = f.dialogs.folderReplies = {reply};
    o.Option3[1]->setChecked(true); // the picture rows show with 個別に設定 only
    f.clickOption(button);
    QCOMPARE(f.dialogs.fileCalls.size() + f.dialogs.folderPrompts.size(), 1);
    QCOMPARE(box->text(), reply.isEmpty() ? before : reply);
    QVERIFY(f.dialogs.shown.isEmpty());
}

QTEST_MAIN(tst_frmOption)
#include "tst_frmOption.moc"
