#include "PanelFixture.h"

#include "Fonts.h"
#include "PictureBox.h"
#include "TicketPlugin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>

namespace {

const QString Samples = QStringLiteral(SAMPLE_DIR "/tickets/");

QStringList lines(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

class tst_PluginPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void capabilityLines();
    void chosenPlugin();
    void refusedChoiceKeepsThePlugin_data();
    void refusedChoiceKeepsThePlugin();
};

// What the page lists of a plug-in: six lines, or ten with bar codes, whose
// route mode 1 is the only one that reads 連番式.
void tst_PluginPage::capabilityLines()
{
    PlgInfo info;
    info.CanDate = info.CanChimei = 1;
    QCOMPARE(frmOption::capabilityLines(info),
             QStringList({"日付の印字 ---> 可能", "時刻の印字 ---> 不可", "系統番号の印字 ---> 不可",
                          "停名の印字 ---> 可能", "バーコード印字 ---> 不可", "社名切り替え:---> 不可"}));
    info.CanBarcode = 1;
    info.BarcodeCount = 2;
    info.KeitoMax = 999;
    info.StopRangeFrom = 1;
    info.StopRangeTo = 301;
    info.CorpCount = 3;
    QStringList ten{"日付の印字 ---> 可能",
                    "時刻の印字 ---> 不可",
                    "系統番号の印字 ---> 不可",
                    "停名の印字 ---> 可能",
                    "バーコード印字 ---> 可能",
                    "バーコード本数 ---> 2",
                    "バーコード系統方式 ---> 系統番号＋往復フラグ",
                    "設定可能な系統範囲 ---> 1 ～ 999",
                    "停留所認識範囲 ---> 1 ～ 301",
                    "社名切り替え:---> 可能"};
    info.BarcodeKeitoMode = 2;
    QCOMPARE(frmOption::capabilityLines(info), ten);
    info.BarcodeKeitoMode = 1;
    ten[6] = QStringLiteral("バーコード系統方式 ---> 連番式");
    QCOMPARE(frmOption::capabilityLines(info), ten);
}

void tst_PluginPage::chosenPlugin()
{
    PanelFixture f;
    f.option.chkUseSeiriPrev->setChecked(true); // the plug-in's frame is usable only then
    f.panel.Combo1->addItem(QStringLiteral("前の社"));
    f.dialogs.fileReplies = {Samples + "barcode.4SP"};
    f.clickOption(f.option.Command1);
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.option.SeiriPlgPath(), Samples + "barcode.4SP");
    QCOMPARE(f.option.List1->count(), 10);
    QCOMPARE(f.panel.picSeirikenPrev->size(), QSize(233, 126));
    // The old company went when the file was chosen; the plug-in's three came.
    QCOMPARE(f.panel.Combo1->count(), 3);
    QCOMPARE(f.panel.Combo1->itemText(0), QStringLiteral("中央交通"));
}

void tst_PluginPage::refusedChoiceKeepsThePlugin_data()
{
    QTest::addColumn<bool>("broken");
    QTest::newRow("cancelled") << false;
    QTest::newRow("not a plug-in") << true;
}

void tst_PluginPage::refusedChoiceKeepsThePlugin()
{
    QFETCH(bool, broken);
    PanelFixture f;
    qint16 ok = 0;
    f.option.SetPlgin(Samples + "barcode.4SP", ok);
    f.option.txtSeiriPlgDir->setText(Samples + "barcode.4SP");
    const QStringList before = lines(f.option.List1);
    f.option.chkUseSeiriPrev->setChecked(true);
    f.write(QStringLiteral("broken.4SP"), "{\"format\": \"109-ticket-plugin\"");
    if (broken)
        f.dialogs.fileReplies = {f.path(QStringLiteral("broken.4SP"))};
    f.clickOption(f.option.Command1);

    QCOMPARE(f.dialogs.fileCalls.size(), 1);
    QCOMPARE(f.dialogs.shown.size(), broken ? 1 : 0);
    if (broken)
        QCOMPARE(f.dialogs.shown[0],
                 (FakeDialogs::Shown{QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"),
                                     Dialogs::Ok, Dialogs::Stop, QStringLiteral("プラグインロードエラー")}));
    QCOMPARE(f.option.SeiriPlgPath(), Samples + "barcode.4SP");
    QCOMPARE(lines(f.option.List1), before);
    // The companies are emptied before a chosen file is examined.
    QCOMPARE(f.panel.Combo1->count(), broken ? 0 : 3);
}

QTEST_MAIN(tst_PluginPage)
#include "tst_PluginPage.moc"
