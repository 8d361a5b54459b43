#include "PanelFixture.h"

#include "Dialogs.h"
#include "Fonts.h"
#include "IniRecords.h"
#include "M_Degit.h"
#include "mdlIniIo.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A whole record as a user leaves it: every field of the dialog changed, the
// panel on its second page with both boxes checked, both windows away from
// their start-up corners, and each cell with modes of its own.
IniRecord savedSession()
{
    IniRecord r = everyFieldChanged();
    // Built-in pictures throughout: the stored picture paths name no files.
    r.PanelInfo.PanelOffBuiltIn = r.PanelInfo.PanelOn1BuiltIn = r.PanelInfo.PanelOn2BuiltIn = -1;
    r.PanelInfo.PanelOffUser = r.PanelInfo.PanelOn1User = r.PanelInfo.PanelOn2User = 0;
    CtrlDataInfo &c = r.CtrlDataInfo;
    c.CtlPage = 1;
    c.CtlHScroll0 = 700;
    c.CtlHScroll1 = 1500;
    c.CtlShinya = 1;
    c.CtlPreview = 1;
    c.CtlLeft = 15 * 210;
    c.CtlTop = 15 * 140;
    r.FormInfo = {15 * 40, 15 * 25};
    r.SeiriPrevInfo.SeiriPlgPath = QStringLiteral(SAMPLE_DIR "/tickets/barcode.4SP");
    for (int i = 0; i < 17; ++i)
        r.CustColors[i] = 0x000101 * i;
    r.DegitCount = 24;
    // The cells hold 4 places: ZeroMode 0..3, Shift 0..3, FillZero 0..4.
    for (int i = 1; i <= 24; ++i)
        r.DegitUser[i] = {qint16(i % 4), qint16((i / 4) % 4), qint16(i % 5)};
    return r;
}

// Field by field, so a failure names the field.
void compareFields(IniRecord got, IniRecord expected)
{
    QStringList gotFields, expectedFields;
    auto list = [](QStringList &out) {
        return [&out](const char *name, auto &value) {
            out << QString::fromLatin1(name) + u'=' + QVariant::fromValue(value).toString();
        };
    };
    visitIniFields(got, list(gotFields));
    visitIniFields(expected, list(expectedFields));
    QCOMPARE(gotFields, expectedFields);
}

QPoint bottomRightOfScreen(const QWidget &window)
{
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    return room.bottomRight() + QPoint(1, 1)
        - QPoint(window.frameGeometry().width(), window.frameGeometry().height());
}

} // namespace

class tst_App : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void startWithoutSettingsFile();
    void startAppliesTheSavedSession();
    void badFieldIsToldOnceAndTheRestApplied();
    void settingsFileThatIsAFolder();
    void quitAnsweredNoChangesNothing();
    void quitWhileANameScrolls();
    void doubleClickedModesOutliveARestart();
};

void tst_App::startWithoutSettingsFile()
{
    TestApp t;
    t.app->startUp();
    const App &app = *t.app;

    QVERIFY(t.dialogs.shown.isEmpty());
    QVERIFY(app.form1->isVisible() && app.panel->isVisible() && !app.options->isVisible());
    QCOMPARE(app.form1->pos(), QPoint(0, 0));
    QCOMPARE(app.panel->pos(), bottomRightOfScreen(*app.panel));
    for (int k = 1; k <= 24; ++k)
        QVERIFY(app.form1->Degit[k]->Value().toString().trimmed().isEmpty());
    QCOMPARE(app.form1->lblSeiriNum[24]->text(), QStringLiteral("２４")); // scheme 0
    // Only a confirmed quit writes the file.
    QVERIFY(!QFile::exists(t.app->iniIo.iniPath()));
}

void tst_App::startAppliesTheSavedSession()
{
    const IniRecord saved = savedSession();
    const QByteArray bytes = mdlIniIo::serialize(saved);
    TestApp t;
    writeFile(t.app->iniIo.iniPath(), bytes);
    t.app->startUp();
    App &app = *t.app;

    QVERIFY(t.dialogs.shown.isEmpty());
    QCOMPARE(app.form1->pos(), QPoint(40, 25));
    QCOMPARE(app.panel->pos(), QPoint(210, 140));
    for (int k = 1; k <= 24; ++k) {
        const M_DegitEm &cell = *app.form1->Degit[k];
        QCOMPARE(cell.ZeroMode(), saved.DegitUser[k].ZeroMode);
        QCOMPARE(cell.Shift(), saved.DegitUser[k].Shift);
        QCOMPARE(cell.FillZero(), saved.DegitUser[k].FillZero);
        QCOMPARE(cell.Value().toString(), QStringLiteral(" "));
        QCOMPARE(cell.DegitForeColor(), saved.DegitInfo.DegitForeColor);
    }
    for (const M_Degit *field : app.form1->TimeDegit)
        QCOMPARE(field->BaseForeColor(), saved.DegitInfo.DegitBaseForeColor);
    QCOMPARE(app.form1->ChimeiCtl->BackColor(), saved.ChimeiInfo.ChimeiBackColor);
    QCOMPARE(app.panel->Combo1->count(), 3); // the saved plug-in's companies
    QCOMPARE(app.panel->HScroll1[1]->value(), 1500);

    // Every control holds what was saved: quitting at once writes the same
    // record. The colour dialogs' custom colours live in the record itself.
    t.app->iniIo.IniData = IniRecord();
    t.app->iniIo.IniData.CustColors = saved.CustColors;
    QVERIFY(app.panel->close());
    QCOMPARE(t.runsEnded, 1);
    compareFields(mdlIniIo::parse(readFile(app.iniIo.iniPath())), saved);
}

// One list index out of range: told once, and the windows still go to their places.
void tst_App::badFieldIsToldOnceAndTheRestApplied()
{
    IniRecord saved = savedSession();
    saved.DegitInfo.StopNoKoma = 24;
    TestApp t;
    writeFile(t.app->iniIo.iniPath(), mdlIniIo::serialize(saved));
    t.app->startUp();

    QCOMPARE(t.dialogs.shown.size(), 1);
    QVERIFY(t.dialogs.shown[0].text.endsWith(QStringLiteral("モジュール:mdlIniIo.LoadIni()")));
    QCOMPARE(t.app->form1->pos(), QPoint(40, 25));
    QCOMPARE(t.app->panel->pos(), QPoint(210, 140));
    QCOMPARE(t.app->form1->Degit[7]->ZeroMode(), saved.DegitUser[7].ZeroMode);
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
    const QString saveMessage = t.dialogs.shown[2].text;
    QVERIFY(saveMessage.startsWith(QStringLiteral("エラー Code:75\r\n内容:")));
    QVERIFY(!saveMessage.contains(QStringLiteral("モジュール")));
    QCOMPARE(t.runsEnded, 1);
}

// No changes nothing. A window manager's close of the board asks the same;
// once the run is ended, the other window's close (a session closing every
// window) asks nothing.
void tst_App::quitAnsweredNoChangesNothing()
{
    TestApp t;
    const QByteArray bytes = mdlIniIo::serialize(savedSession());
    writeFile(t.app->iniIo.iniPath(), bytes);
    t.app->startUp();
    t.app->form1->move(300, 200);
    t.dialogs.answers = {Dialogs::AnsweredNo};

    QVERIFY(!t.app->panel->close());

    QCOMPARE(t.dialogs.shown.size(), 1);
    QCOMPARE(t.dialogs.shown[0],
             (FakeDialogs::Shown{QStringLiteral("ルクシオを終了しますか？"), Dialogs::YesNo,
                                 Dialogs::Question, QStringLiteral("ルクシオの終了確認")}));
    QVERIFY(t.app->panel->isVisible());
    QCOMPARE(t.runsEnded, 0);
    QCOMPARE(readFile(t.app->iniIo.iniPath()), bytes);
    QVERIFY(t.audio.take().filter(QStringLiteral("close")).isEmpty());

    QVERIFY(t.app->form1->close());
    QVERIFY(t.app->panel->close());
    QCOMPARE(t.dialogs.shown.size(), 2);
    QCOMPARE(t.runsEnded, 1);
}

void tst_App::quitWhileANameScrolls()
{
    PanelFixture f(true);
    f.write(QStringLiteral("12.hy3"), Hy3Writer().numberedRows(3, "NAKAMACHI-ITCHOME-").bytes());
    f.setRoute(QStringLiteral("12"), QStringLiteral("1"));
    QVERIFY(f.board.ChimeiCtl->isScrolling());
    QVERIFY(f.app->tape.speechEngine());
    f.board.move(120, 90);
    f.panel.HScroll1[0]->setValue(33);
    f.audio.take();

    QVERIFY(f.panel.close());

    QVERIFY(!f.board.ChimeiCtl->isScrolling());
    QCOMPARE(f.stopName(), QString());
    const QStringList closed = f.audio.take().filter(QStringLiteral("close"));
    QCOMPARE(closed.mid(0, 4),
             QStringList({QStringLiteral("close 0"), QStringLiteral("close 1"), QStringLiteral("close 2"),
                          QStringLiteral("close 3")}));
    QVERIFY(!f.app->tape.speechEngine());
    QCOMPARE(f.runsEnded, 1);

    const QByteArray bytes = readFile(f.app->iniIo.iniPath());
    QCOMPARE(bytes.size(), mdlIniIo::EmptyFileBytes + 2 * f.folder.path().toUtf8().size() + 10);
    const IniRecord written = mdlIniIo::parse(bytes);
    QCOMPARE(written.FormInfo.FormLeft, 15 * 120);
    QCOMPARE(written.CtrlDataInfo.CtlHScroll0, 33);
    QCOMPARE(written.SeiriPrevInfo.FixedDate, QStringLiteral("2026/12/06"));
}

void tst_App::doubleClickedModesOutliveARestart()
{
    QByteArray bytes;
    {
        TestApp t;
        t.app->startUp();
        t.dialogs.digitReplies = {{1, 2, 1, 3}};
        t.app->form1->Degit_DblClick(9);
        QVERIFY(t.app->panel->close());
        bytes = readFile(t.app->iniIo.iniPath());
    }
    TestApp t;
    writeFile(t.app->iniIo.iniPath(), bytes);
    t.app->startUp();
    for (int k = 1; k <= 24; ++k) {
        const M_DegitEm &cell = *t.app->form1->Degit[k];
        QCOMPARE(cell.ZeroMode(), qint16(2));
        QCOMPARE(cell.Shift(), qint16(1));
        QCOMPARE(cell.FillZero(), qint16(3));
    }
}

QTEST_MAIN(tst_App)
#include "tst_App.moc"
