#include "PanelFixture.h"

#include "Fonts.h"
#include "IniRecords.h"
#include "M_Degit.h"
#include "RunState.h"
#include "mdlIniIo.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

class tst_App : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void startAppliesTheSavedSession();
    void settingsFileThatIsAFolder();
    void firstStartThenQuit();
    void lastRouteRemembered();
};

// A whole record as a user leaves it: every field of the dialog changed, the
// panel on its second page with both boxes checked, both windows away from
// their start-up corners, and each cell with modes of its own.
void tst_App::startAppliesTheSavedSession()
{
    IniRecord saved = everyFieldChanged();
    // Built-in pictures throughout: the stored picture paths name no files.
    saved.PanelInfo.PanelOffBuiltIn = saved.PanelInfo.PanelOn1BuiltIn = saved.PanelInfo.PanelOn2BuiltIn = -1;
    saved.PanelInfo.PanelOffUser = saved.PanelInfo.PanelOn1User = saved.PanelInfo.PanelOn2User = 0;
    saved.CtrlDataInfo = {1, 700, 1500, 1, 1, 15 * 210, 15 * 140}; // page, scrolls, boxes, place
    saved.FormInfo = {15 * 40, 15 * 25};
    saved.SeiriPrevInfo.SeiriPlgPath = QStringLiteral(SAMPLE_DIR "/tickets/barcode.4SP");
    saved.DegitCount = 24;
    // The cells hold 4 places: ZeroMode 0..3, Shift 0..3, FillZero 0..4.
    for (int i = 1; i <= 24; ++i)
        saved.DegitUser[i] = {qint16(i % 4), qint16((i / 4) % 4), qint16(i % 5)};
    TestApp t;
    App &app = *t.app;
    app.iniIo.IniData = saved;
    QVERIFY(!app.iniIo.SaveIni());
    app.startUp();

    QVERIFY(t.dialogs.shown.isEmpty());
    for (int k = 1; k <= 24; ++k) {
        QCOMPARE(app.form1->Degit[k]->Value().toString(), QStringLiteral(" "));
        QCOMPARE(app.form1->Degit[k]->DegitForeColor(), saved.DegitInfo.DegitForeColor);
    }
    for (const M_Degit *field : app.form1->TimeDegit)
        QCOMPARE(field->BaseForeColor(), saved.DegitInfo.DegitBaseForeColor);
    QCOMPARE(app.form1->ChimeiCtl->BackColor(), saved.ChimeiInfo.ChimeiBackColor);
    QCOMPARE(app.panel->Combo1->count(), 3); // the saved plug-in's companies

    // Every control, the windows' places and the cells' modes too, holds what was saved: quitting
    // at once writes the same record. The custom colours live in the record itself.
    app.iniIo.IniData = IniRecord();
    app.iniIo.IniData.CustColors = saved.CustColors;
    QVERIFY(app.panel->close());
    QCOMPARE(t.runsEnded, 1);
    QVERIFY(app.iniIo.LoadIni().read);
    QCOMPARE(iniFields(app.iniIo.IniData), iniFields(saved));
}

// It can be neither read nor written: each is told with its own message, and
// the quit still ends the run.
void tst_App::settingsFileThatIsAFolder()
{
    TestApp t;
    QVERIFY(QDir().mkpath(t.app->iniIo.iniPath()));
    t.app->startUp();
    QCOMPARE(t.dialogs.shown.size(), 1);
    QVERIFY(t.dialogs.shown[0].text.startsWith(QStringLiteral("エラー Code:75\r\n")));
    QCOMPARE(t.app->form1->pos(), QPoint(0, 0));

    QVERIFY(t.app->panel->close());
    QCOMPARE(t.dialogs.shown.size(), 3); // the question, then the save's failure
    QVERIFY(t.dialogs.shown[2].text.startsWith(QStringLiteral("エラー Code:75\r\n内容:")));
    QVERIFY(!t.dialogs.shown[2].text.contains(QStringLiteral("モジュール")));
    QCOMPARE(t.runsEnded, 1);
}

// Without a file the board starts at the top left, the panel at the bottom right. No to the
// quit changes nothing, the file not even written. Yes, also from a window manager's close of
// the board, ends the scroll, the sounds and the speech; the other window's close then asks nothing.
void tst_App::firstStartThenQuit()
{
    PanelFixture f(true);
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.board.pos(), QPoint(0, 0));
    QCOMPARE(f.panel.frameGeometry().bottomRight(),
             QGuiApplication::primaryScreen()->availableGeometry().bottomRight());
    f.write(QStringLiteral("12.hy3"), Hy3Writer().numberedRows(3, "NAKAMACHI-ITCHOME-").bytes());
    f.setRoute(QStringLiteral("12"), QStringLiteral("1"));
    QVERIFY(f.board.ChimeiCtl->isScrolling() && f.app->tape.speechEngine());
    f.audio.take();
    f.dialogs.answers = {Dialogs::AnsweredNo};

    QVERIFY(!f.panel.close());
    QCOMPARE(f.dialogs.shown,
             (QList{FakeDialogs::Shown{QStringLiteral("ルクシオを終了しますか？"), Dialogs::YesNo,
                                       Dialogs::Question, QStringLiteral("ルクシオの終了確認")}}));
    QVERIFY(f.panel.isVisible() && f.board.ChimeiCtl->isScrolling());
    QCOMPARE(f.runsEnded, 0);
    QVERIFY(!QFile::exists(f.app->iniIo.iniPath()));
    QVERIFY(f.audio.take().filter(QStringLiteral("close")).isEmpty());

    QVERIFY(f.board.close());
    QVERIFY(!f.board.ChimeiCtl->isScrolling() && !f.app->tape.speechEngine());
    QCOMPARE(f.stopName(), QString());
    QCOMPARE(f.audio.take().filter(QStringLiteral("close")).mid(0, 4),
             (QStringList{"close 0", "close 1", "close 2", "close 3"}));
    QCOMPARE(f.runsEnded, 1);
    QVERIFY(QFile::exists(f.app->iniIo.iniPath()));
    QVERIFY(f.panel.close());
    QCOMPARE(f.dialogs.shown.size(), 2);
    QCOMPARE(f.runsEnded, 1);
}

// The route last set, as keyed, and the company chosen come back at the next
// start in the displays, the lists and the preview's list; the board waits
// for リセット. A damaged state file changes nothing.
void tst_App::lastRouteRemembered()
{
    QTemporaryDir shared;
    QString stateFile;
    {
        TestApp t(shared.path(), QString());
        t.app->iniIo.IniData.SeiriPrevInfo.SeiriPlgPath = QStringLiteral(SAMPLE_DIR "/tickets/barcode.4SP");
        QVERIFY(!t.app->iniIo.SaveIni());
        t.app->startUp();
        frmCtl &panel = *t.app->panel;
        t.app->options->Text2[0]->setText(shared.path());
        QFile fare(QDir(shared.path()).filePath(QStringLiteral("12.hy3")));
        QVERIFY(fare.open(QIODevice::WriteOnly));
        fare.write(fareRows(6));
        fare.close();
        for (int key : {10, 0, 1, 2, 11, 0, 3})
            panel.CommandButton1[key]->click();
        panel.Command1[1]->click();
        // Keyed afterwards but not set: not what is remembered.
        for (int key : {10, 9, 11, 1})
            panel.CommandButton1[key]->click();
        panel.Combo1->setCurrentIndex(2);
        QVERIFY(panel.close());
        stateFile = RunState::filePath(t.program.configFolder());
    }
    QCOMPARE(RunState::load(stateFile).route, QStringLiteral("012"));

    TestApp t(shared.path(), QString());
    t.app->startUp();
    frmCtl &panel = *t.app->panel;
    QCOMPARE(panel.Label2[0]->text(), QStringLiteral("012"));
    QCOMPARE(panel.Label2[2]->text(), QStringLiteral("03"));
    QString lists;
    for (const QListWidget *list : panel.List2)
        lists += QString::number(list->currentRow()) + u' ';
    for (const QListWidget *list : panel.List3)
        lists += QString::number(list->currentRow()) + u' ';
    QCOMPARE(lists, QStringLiteral("-1 -1 0 1 2 -1 0 3 "));
    QCOMPARE(panel.Combo1->currentIndex(), 2);
    QCOMPARE(t.app->dataIo.heldRows(), 0);
    QCOMPARE(t.app->form1->ChimeiCtl->shownName(), QString());
    QVERIFY(t.audio.take().filter(QStringLiteral("open")).isEmpty());
    panel.Command1[0]->click();
    QCOMPARE(t.app->dataIo.KeitoNo, QStringLiteral("012"));
    QCOMPARE(t.app->form1->ChimeiCtl->shownName(), QStringLiteral("S3"));

    // Damaged: the next start keys nothing in.
    QFile damaged(stateFile);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("[Route]\nRoute=12a\nSection=\xff\xfe\n\0\0");
    damaged.close();
    TestApp again(shared.path(), QString());
    again.app->startUp();
    QCOMPARE(again.app->panel->Label2[0]->text(), QString());
    QCOMPARE(again.app->panel->List2[4]->currentRow(), -1);
}

QTEST_MAIN(tst_App)
#include "tst_App.moc"
