#include "PanelFixture.h"

#include "IniRecords.h"

#include "ColorButton.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "M_Degit.h"
#include "OleColor.h"
#include "QtJapanese.h"
#include "RuntimeError.h"
#include "mdlIniIo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace {

using Fields = QList<std::pair<QString, QVariant>>;

// The dialog's blocks of the record, DataDirInfo to SeiriPrevInfo, in file order.
Fields dialogFields(IniRecord record)
{
    Fields fields;
    bool done = false;
    visitIniFields(record, [&](const char *name, auto &value) {
        if (done)
            return;
        fields.append({QString::fromLatin1(name), QVariant::fromValue(value)});
        done = qstrcmp(name, "FixedDate") == 0;
    });
    return fields;
}

QColor ticketColor(const Form1 &board, int k)
{
    return board.lblSeiriNum[k]->palette().color(QPalette::WindowText);
}

QString soundFilter()
{
    const QChar nul(0);
    return QStringLiteral("Waveサウンド(*.wav)") + nul + QStringLiteral("*.wav") + nul
        + QStringLiteral("MP3サウンド(*.mp3)") + nul + QStringLiteral("*.mp3") + nul
        + QStringLiteral("MIDIシーケンス(*.mid)") + nul + QStringLiteral("*.mid") + nul + nul;
}

} // namespace

class tst_frmOption : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void dialogLoad();
    void checkedBoxesEnableTheirLists();
    void panelEachShowsTheStateFrames();
    void fontModeNeverChosenPassesMinusOne();
    void newOn2ColourReachesTheLabelsOnOk();
    void closingHidesWithoutApplying();
    void panelOpensTheDialogModally();
    void fixedDateTodayOrStored();
    void getAfterSetGivesTheSameRecord();
    void oneBadFieldCostsOnlyItself_data();
    void oneBadFieldCostsOnlyItself();
    void cancelledChoiceKeepsTheText_data();
    void cancelledChoiceKeepsTheText();
    void colourChosenThenCancelled();
    void customColoursSurviveSaveAndLoad();
    void digitColourPreviewFollowsEvenACancel();
    void fixedDateCaption();
    void openingAFolder();
    void qtFileFilter_data();
    void qtFileFilter();
    void standardButtonsInJapanese();
};

void tst_frmOption::dialogLoad()
{
    PanelFixture f;
    frmOption &o = f.option;
    const QStringList formats = {
        QStringLiteral("1,2,3... 24 （既定の表示）"), QStringLiteral("0,1,2... 23"),
        QStringLiteral("「なし」、1,2... 23"),        QStringLiteral("「なし」、2,3... 24"),
        QStringLiteral("「無券」、1,2... 23"),        QStringLiteral("「無券」、2,3... 24"),
        QStringLiteral("「券なし」、1,2... 23"),      QStringLiteral("「券なし」、2,3... 24"),
        QStringLiteral("「券無し」、1,2... 23"),      QStringLiteral("「券無し」、2,3... 24"),
        QStringLiteral("(無地)、1,2... 23"),          QStringLiteral("(無地)、2,3... 24"),
    };
    QStringList rows;
    for (int i = 0; i < o.Combo2->count(); ++i)
        rows << o.Combo2->itemText(i);
    QCOMPARE(rows, formats);
    QCOMPARE(o.Combo2->currentIndex(), 0);
    QCOMPARE(o.Label10->text(), QStringLiteral("2026/12/06"));
    QCOMPARE(o.windowTitle(), QStringLiteral("オプション"));
    QCOMPARE(o.Command4->text(), QStringLiteral("OK"));

    // The design state, after the model defaults turned the ticket numbers on.
    for (QComboBox *list : o.Combo4)
        QVERIFY(!list->isEnabled());
    QVERIFY(!o.Check3[4]->isEnabled());
    for (QGroupBox *frame : {o.Frame6[0], o.Frame6[1], o.Frame6[2], o.Frame10, o.Frame7}) {
        QVERIFY(!frame->isEnabled());
        QVERIFY(frame->isHidden());
    }
    QVERIFY(o.Option1[0]->isChecked());
    QVERIFY(o.Option5[1]->isChecked());
    QVERIFY(o.Option4[0]->isChecked());
    QVERIFY(o.Check1->isChecked());
    QVERIFY(o.Frame3->isEnabled());
    QCOMPARE(o.ChimeiFontMode(), qint16(-1));
}

void tst_frmOption::checkedBoxesEnableTheirLists()
{
    PanelFixture f;
    frmOption &o = f.option;
    DegitInfo &d = f.app->iniIo.IniData.DegitInfo;
    d.ShowSeiriNo = 1;
    d.ShowStopNo = 0;
    d.ShowDataCol = 1;
    o.SetOptionInfo();
    QVERIFY(o.Combo4[1]->isEnabled());
    QVERIFY(!o.Combo4[0]->isEnabled());
    QVERIFY(!o.Check3[4]->isEnabled());
    QVERIFY(!o.Combo4[2]->isEnabled());
    QVERIFY(o.Combo4[3]->isEnabled());
    QVERIFY(o.Combo4[4]->isEnabled());

    // Setting the same state again fires nothing, so nothing flips back.
    o.SetOptionInfo();
    QVERIFY(o.Combo4[1]->isEnabled());

    // A user's click flips the dependants of the stop-number box.
    PanelFixture::click(o.Check3[0]);
    QVERIFY(o.Combo4[0]->isEnabled());
    QVERIFY(o.Check3[4]->isEnabled());
    QCOMPARE(o.ShowStopNo(), qint16(1));
    PanelFixture::click(o.Check3[0]);
    QVERIFY(!o.Check3[4]->isEnabled());
}

void tst_frmOption::panelEachShowsTheStateFrames()
{
    PanelFixture f;
    frmOption &o = f.option;
    PanelInfo &p = f.app->iniIo.IniData.PanelInfo;
    p.PanelAuto = 0;
    p.PanelEach = -1;
    o.SetOptionInfo();
    QVERIFY(o.PanelEach());
    for (QGroupBox *frame : o.Frame6) {
        QVERIFY(frame->isEnabled());
        QVERIFY(!frame->isHidden());
    }

    p.PanelAuto = -1;
    p.PanelEach = 0;
    o.SetOptionInfo();
    QVERIFY(!o.PanelEach());
    for (QGroupBox *frame : o.Frame6) {
        QVERIFY(!frame->isEnabled());
        QVERIFY(frame->isHidden());
    }
}

void tst_frmOption::fontModeNeverChosenPassesMinusOne()
{
    PanelFixture f;
    f.app->iniIo.IniData.ChimeiInfo.ChimeiFontMode = 2;
    f.option.SetOptionInfo();
    f.option.SetProp();
    QCOMPARE(f.board.ChimeiCtl->FontMode(), qint16(2));

    f.app->iniIo.IniData.ChimeiInfo.ChimeiFontMode = -1;
    f.option.SetOptionInfo();
    QCOMPARE(f.option.Combo3->currentIndex(), -1);
    f.option.SetProp();
    QCOMPARE(f.board.ChimeiCtl->FontMode(), qint16(-1));
    f.option.GetOptionInfo();
    QCOMPARE(f.app->iniIo.IniData.ChimeiInfo.ChimeiFontMode, qint16(-1));
}

void tst_frmOption::newOn2ColourReachesTheLabelsOnOk()
{
    PanelFixture f;
    PanelFixture::click(f.panel.Option4[2]);
    const QColor before = ticketColor(f.board, 1);
    f.dialogs.colorReplies = {0x0000FF};
    PanelFixture::click(f.option.Command5[2]);
    QCOMPARE(f.option.SeiriNumColorOn2(), 0x0000FF);
    QCOMPARE(ticketColor(f.board, 1), before); // not before OK

    f.option.show();
    PanelFixture::click(f.option.Command4);
    QVERIFY(f.option.isHidden());
    for (int k = 1; k <= 24; ++k)
        QCOMPARE(ticketColor(f.board, k), QColor(Qt::red));
}

void tst_frmOption::closingHidesWithoutApplying()
{
    PanelFixture f;
    const QColor before = ticketColor(f.board, 1);
    f.option.Command5[0]->setBackColor(0xFF0000);
    f.option.show();
    f.option.close();
    QVERIFY(f.option.isHidden());
    QCOMPARE(ticketColor(f.board, 1), before);
    // Hidden, not gone: the settings are still read from its controls.
    QCOMPARE(f.option.SeiriNumColorOff(), 0xFF0000);
}

void tst_frmOption::panelOpensTheDialogModally()
{
    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(3));
    f.setRoute(QStringLiteral("12"), QStringLiteral("1"));
    QCOMPARE(f.stopName(), QStringLiteral("S1"));

    bool checked = false;
    QTimer::singleShot(0, &f.option, [&] {
        QVERIFY(f.option.isVisible());
        QVERIFY(f.option.isModal());
        QVERIFY(!f.board.isEnabled());
        QVERIFY(!f.panel.isEnabled());
        f.option.Command9[1]->setBackColor(0x00FFFF);
        PanelFixture::click(f.option.Command4);
        checked = true;
    });
    PanelFixture::click(f.panel.Command4);
    QVERIFY(checked);
    QVERIFY(f.option.isHidden());
    QVERIFY(f.board.isEnabled());
    QVERIFY(f.panel.isEnabled());
    QCOMPARE(f.board.ChimeiCtl->ForeColor(), 0x00FFFF);
    QCOMPARE(f.stopName(), QStringLiteral("S1"));
}

void tst_frmOption::fixedDateTodayOrStored()
{
    PanelFixture f;
    QVERIFY(!f.app->iniIo.LoadIni().read);
    QCOMPARE(f.option.FixedDate(), QStringLiteral("2026/12/06"));

    IniRecord stored;
    stored.SeiriPrevInfo.FixedDate = QStringLiteral("2025/07/31");
    QFile file(f.app->iniIo.iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(mdlIniIo::serialize(stored));
    file.close();
    QVERIFY(f.app->iniIo.LoadIni().read);
    f.option.SetOptionInfo();
    QCOMPARE(f.option.FixedDate(), QStringLiteral("2025/07/31"));
    QCOMPARE(f.option.Label10->text(), QStringLiteral("2025/07/31"));
}

void tst_frmOption::getAfterSetGivesTheSameRecord()
{
    PanelFixture f;
    const IniRecord stored = everyFieldChanged();
    f.app->iniIo.IniData = stored;
    f.option.SetOptionInfo();
    QVERIFY(f.dialogs.shown.isEmpty());

    f.app->iniIo.IniData = IniRecord();
    f.option.GetOptionInfo();
    const Fields expected = dialogFields(stored);
    const Fields got = dialogFields(f.app->iniIo.IniData);
    QCOMPARE(got.size(), 61);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(got[i].first, expected[i].first);
        if (got[i].second != expected[i].second)
            QFAIL(qPrintable(expected[i].first + QStringLiteral(": ") + got[i].second.toString()
                             + QStringLiteral(" instead of ") + expected[i].second.toString()));
    }
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
    // The accessors read the same controls.
    QCOMPARE(f.option.FareSoundCol(), qint16(99));
    QCOMPARE(f.option.SoundInfo().TapeSound3, QStringLiteral("/data/TapeSound3"));
    QVERIFY(f.option.DateFixed());
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

    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0],
             (FakeDialogs::Shown{QStringLiteral("エラー Code:380\r\n内容:プロパティの値が不正です。\r\n"
                                                "モジュール:mdlIniIo.LoadIni()"),
                                 Dialogs::Ok, Dialogs::NoIcon, QStringLiteral("ルクシオVer4")}));

    // The bad controls keep their design values...
    QCOMPARE(f.option.ChimeiFontMode(), qint16(-1));
    if (field == QLatin1String("SeiriNumFormat"))
        QCOMPARE(f.option.SeiriNumFormat(), designedFormat);
    if (field == QLatin1String("UseAutoSeiriNum"))
        QCOMPARE(f.option.UseAutoSeiriNum(), qint16(1));
    // ...and everything after them still arrives.
    QCOMPARE(f.option.ChimeiFontBold(), qint16(1));
    QCOMPARE(f.option.KeitoSound(), QStringLiteral("/data/KeitoSound"));
    QCOMPARE(f.option.FareSound3(), QStringLiteral("/data/FareSound3"));
    QCOMPARE(f.option.SoundInfo().TapeSound1, QStringLiteral("/data/TapeSound1"));
    QCOMPARE(f.option.UseSeiriPrev(), qint16(1));
    QCOMPARE(f.option.SeiriPlgPath(), QStringLiteral("/data/SeiriPlgPath"));
    QVERIFY(f.option.DateFixed());
    QCOMPARE(f.option.FixedDate(), QStringLiteral("2024/01/02"));
    QCOMPARE(f.option.DataColNo(), qint16(149));
}

void tst_frmOption::cancelledChoiceKeepsTheText_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("after");

    for (const char *button : {"cmdSelectSound(0)", "cmdSelectSound(10)", "Command6(2)", "Command3(1)"}) {
        QTest::addRow("%s cancelled over a text", button) << button << "/old/one"
                                                          << ""
                                                          << "/old/one";
        QTest::addRow("%s cancelled over nothing", button) << button << ""
                                                           << ""
                                                           << "";
        QTest::addRow("%s chosen", button) << button << "/old/one"
                                           << "/new/one"
                                           << "/new/one";
    }
}

void tst_frmOption::cancelledChoiceKeepsTheText()
{
    QFETCH(QString, button);
    QFETCH(QString, before);
    QFETCH(QString, reply);
    QFETCH(QString, after);

    PanelFixture f;
    frmOption &o = f.option;
    QAbstractButton *clicked = nullptr;
    QLineEdit *box = nullptr;
    if (button == QLatin1String("cmdSelectSound(0)"))
        std::tie(clicked, box) = std::pair(o.cmdSelectSound[0], o.txtSelectSound[0]);
    else if (button == QLatin1String("cmdSelectSound(10)"))
        std::tie(clicked, box) = std::pair(o.cmdSelectSound[10], o.txtSelectSound[10]);
    else if (button == QLatin1String("Command6(2)"))
        std::tie(clicked, box) = std::pair(o.Command6[2], o.txtSelectPanel[2]);
    else
        std::tie(clicked, box) = std::pair(o.Command3[1], o.Text2[1]);
    box->setText(before);
    if (!reply.isEmpty()) {
        f.dialogs.fileReplies = {reply};
        f.dialogs.folderReplies = {reply};
    }
    o.Option3[1]->setChecked(true); // the picture rows show with 個別に設定 only
    o.show();
    f.clickOption(clicked);
    QCOMPARE(f.dialogs.fileCalls.size() + f.dialogs.folderPrompts.size(), 1);
    QCOMPARE(box->text(), after);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void tst_frmOption::colourChosenThenCancelled()
{
    PanelFixture f;
    ColorButton *button = f.option.Command9[1];
    const qint32 designed = button->BackColor();
    f.dialogs.colorReplies = {0x123456};
    PanelFixture::click(button);
    QCOMPARE(button->BackColor(), 0x123456);
    const QImage shown = button->grab().toImage();
    QCOMPARE(shown.pixelColor(shown.rect().center()), oleColor(0x123456));
    PanelFixture::click(button); // cancelled
    QCOMPARE(button->BackColor(), 0x123456);
    QCOMPARE(f.dialogs.colorsOffered, (QList<qint32>{designed, 0x123456}));
    QCOMPARE(f.option.ChimeiForeColor(), 0x123456);
}

void tst_frmOption::customColoursSurviveSaveAndLoad()
{
    PanelFixture f;
    f.dialogs.onColorDialog = [](Dialogs::CustomColors &custom) {
        custom[0] = 0x0A0B0C;
        custom[15] = 0x151515;
        custom[16] = 0x161616;
    };
    f.dialogs.colorReplies = {0x00FF00};
    PanelFixture::click(f.option.Command5[1]);
    QVERIFY(!f.app->iniIo.SaveIni());

    mdlIniIo reloaded(f.program);
    QVERIFY(reloaded.LoadIni().read);
    QCOMPARE(reloaded.IniData.CustColors[0], 0x0A0B0C);
    QCOMPARE(reloaded.IniData.CustColors[15], 0x151515);
    QCOMPARE(reloaded.IniData.CustColors[16], 0x161616);

    // The next dialog is handed the colours as they were left.
    Dialogs::CustomColors seen{};
    f.dialogs.onColorDialog = [&](Dialogs::CustomColors &custom) { seen = custom; };
    PanelFixture::click(f.option.Command9[0]);
    QCOMPARE(seen[16], 0x161616);
}

void tst_frmOption::digitColourPreviewFollowsEvenACancel()
{
    PanelFixture f;
    f.option.Command8[2]->setBackColor(0x0000FF); // set behind the preview's back
    PanelFixture::click(f.option.Command8[0]);    // cancelled
    QCOMPARE(f.option.M_Degit1->DegitForeColor(), 0x0000FF);
    QVERIFY(f.board.Degit[1]->DegitForeColor() != 0x0000FF); // the board waits for OK
}

void tst_frmOption::fixedDateCaption()
{
    PanelFixture f;
    f.option.chkUseSeiriPrev->setChecked(true);
    f.option.show();
    f.dialogs.dateReplies = {QDate(2024, 3, 5)};
    f.clickOption(f.option.Command7);
    QCOMPARE(f.option.Label10->text(), QStringLiteral("2024/03/05"));
    f.clickOption(f.option.Command7); // cancelled
    QCOMPARE(f.option.Label10->text(), QStringLiteral("2024/03/05"));
    f.dialogs.dateReplies = {QDate(987, 11, 30)};
    f.clickOption(f.option.Command7);
    QCOMPARE(f.option.Label10->text(), QStringLiteral("987/11/30"));
    QCOMPARE(f.dialogs.dateCalls, 3);
}

void tst_frmOption::openingAFolder()
{
    PanelFixture f;
    f.option.Text2[0]->clear();
    PanelFixture::click(f.option.Command10[0]);
    QVERIFY(f.shell.opened.isEmpty());
    QVERIFY(f.dialogs.shown.isEmpty());

    f.option.Text2[1]->setText(QStringLiteral("/no/such/folder"));
    PanelFixture::click(f.option.Command10[1]);
    QCOMPARE(f.shell.opened, QStringList{QStringLiteral("/no/such/folder")});
    QVERIFY(f.dialogs.shown.isEmpty());
}

void tst_frmOption::qtFileFilter_data()
{
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QString>("filter");

    const QChar nul(0);
    QTest::newRow("sounds") << soundFilter()
                            << "Waveサウンド(*.wav) (*.wav);;MP3サウンド(*.mp3) (*.mp3);;"
                               "MIDIシーケンス(*.mid) (*.mid)";
    QTest::newRow("several patterns")
        << QStringLiteral("JPEG") + nul + QStringLiteral("*.jpg;*.jpeg") + nul + nul << "JPEG (*.jpg *.jpeg)";
    QTest::newRow("without the last NUL")
        << QStringLiteral("All") + nul + QStringLiteral("*.*") + nul << "All (*.*)";
    QTest::newRow("a description without pattern") << QStringLiteral("All") << "";
    QTest::newRow("empty") << QString() << "";
}

void tst_frmOption::qtFileFilter()
{
    QFETCH(QString, pairs);
    QFETCH(QString, filter);
    QCOMPARE(Dialogs::qtFileFilter(pairs), filter);
}

void tst_frmOption::standardButtonsInJapanese()
{
    QVERIFY(installQtJapanese());
    QVERIFY(installQtJapanese()); // a second call keeps the one translator
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QStringLiteral("はい(&Y)"));
    QCOMPARE(box.button(QDialogButtonBox::No)->text(), QStringLiteral("いいえ(&N)"));
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

QTEST_MAIN(tst_frmOption)
#include "tst_frmOption.moc"
