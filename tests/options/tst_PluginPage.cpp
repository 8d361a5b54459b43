#include "PanelFixture.h"

#include "Dialogs.h"
#include "Fonts.h"
#include "PictureBox.h"
#include "TicketPlugin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QTextEdit>

Q_DECLARE_METATYPE(PlgInfo)

namespace {

const QString Samples = QStringLiteral(SAMPLE_DIR "/tickets/");

QStringList lines(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// A plug-in of the given size whose every print flag and company count is set.
QByteArray plugin(int flag, int corpCount)
{
    QByteArray companies;
    for (int i = 0; i < corpCount; ++i)
        companies += (i ? ", \"" : "\"") + QByteArray::number(i) + "社\"";
    return R"({"format": "109-ticket-plugin", "version": 1,
               "preview": {"width": 1500, "height": 900},
               "prints": {"date": )"
        + QByteArray::number(flag) + R"(, "time": 0, "route": 1, "stopName": 1, "barcode": 0},
               "companies": [)"
        + companies + R"(], "items": []})";
}

} // namespace

class tst_PluginPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void capabilityLines_data();
    void capabilityLines();
    void chosenPlugin();
    void flagOfTwoAndCompaniesOfTwo();
    void cancelledChoice();
    void invalidChoice();
    void clearedPlugin();
    void previewOffKeepsThePath();
    void vanishedPluginIsSilent();
    void previewDrawnByThePlugin();
    void companyChosenRedrawsThePreview();
};

void tst_PluginPage::capabilityLines_data()
{
    QTest::addColumn<PlgInfo>("info");
    QTest::addColumn<QStringList>("expected");

    PlgInfo plain;
    plain.CanDate = 1;
    plain.CanChimei = 1;
    QTest::newRow("six lines") << plain << QStringList{"日付の印字 ---> 可能",     "時刻の印字 ---> 不可",
                                                       "系統番号の印字 ---> 不可", "停名の印字 ---> 可能",
                                                       "バーコード印字 ---> 不可", "社名切り替え:---> 不可"};
    PlgInfo codes = plain;
    codes.CanBarcode = 1;
    codes.BarcodeCount = 2;
    codes.KeitoMax = 999;
    codes.StopRangeFrom = 1;
    codes.StopRangeTo = 301;
    codes.CorpCount = 3;
    const QStringList tenLines{"日付の印字 ---> 可能",
                               "時刻の印字 ---> 不可",
                               "系統番号の印字 ---> 不可",
                               "停名の印字 ---> 可能",
                               "バーコード印字 ---> 可能",
                               "バーコード本数 ---> 2",
                               "バーコード系統方式 ---> 系統番号＋往復フラグ",
                               "設定可能な系統範囲 ---> 1 ～ 999",
                               "停留所認識範囲 ---> 1 ～ 301",
                               "社名切り替え:---> 可能"};
    QTest::newRow("ten lines") << codes << tenLines;
    codes.BarcodeKeitoMode = 1;
    QStringList serial = tenLines;
    serial[6] = QStringLiteral("バーコード系統方式 ---> 連番式");
    QTest::newRow("routes in series") << codes << serial;
    codes.BarcodeKeitoMode = 2;
    QTest::newRow("route mode 2") << codes << tenLines;
}

void tst_PluginPage::capabilityLines()
{
    QFETCH(PlgInfo, info);
    QFETCH(QStringList, expected);
    QCOMPARE(frmOption::capabilityLines(info), expected);
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
    QCOMPARE(f.option.List1->item(9)->text(), QStringLiteral("社名切り替え:---> 可能"));
    QVERIFY(f.option.txtPlginComment->toPlainText().startsWith(QStringLiteral("日付・時刻・系統番号")));
    QCOMPARE(f.panel.picSeirikenPrev->size(), QSize(233, 126));
    // The old company went when the file was chosen; the plug-in's three came.
    QCOMPARE(f.panel.Combo1->count(), 3);
    QCOMPARE(f.panel.Combo1->itemText(0), QStringLiteral("中央交通"));

    f.dialogs.fileReplies = {Samples + "plain.4SP"};
    f.clickOption(f.option.Command1);
    QCOMPARE(lines(f.option.List1).size(), 6);
    QCOMPARE(f.panel.picSeirikenPrev->size(), QSize(120, 126));
    QCOMPARE(f.panel.Combo1->count(), 0); // emptied, and no companies to fill
}

void tst_PluginPage::flagOfTwoAndCompaniesOfTwo()
{
    PanelFixture f;
    f.write(QStringLiteral("two.4SP"), plugin(2, 2));
    qint16 ok = -1;
    f.option.SetPlgin(f.path(QStringLiteral("two.4SP")), ok);
    QCOMPARE(ok, qint16(2));
    const QStringList shown = lines(f.option.List1);
    QCOMPARE(shown.first(), QStringLiteral("日付の印字 ---> 不可"));
    QCOMPARE(shown.last(), QStringLiteral("社名切り替え:---> 可能"));
    QCOMPARE(f.panel.Combo1->count(), 2);
    QCOMPARE(f.panel.picSeirikenPrev->size(), QSize(100, 60));
}

void tst_PluginPage::cancelledChoice()
{
    PanelFixture f;
    qint16 ok = 0;
    f.option.SetPlgin(Samples + "barcode.4SP", ok);
    f.option.txtSeiriPlgDir->setText(Samples + "barcode.4SP");
    const QStringList before = lines(f.option.List1);
    f.option.chkUseSeiriPrev->setChecked(true);
    f.clickOption(f.option.Command1); // no reply: cancelled
    QCOMPARE(f.dialogs.fileCalls.size(), 1);
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.option.SeiriPlgPath(), Samples + "barcode.4SP");
    QCOMPARE(lines(f.option.List1), before);
    QCOMPARE(f.panel.Combo1->count(), 3);
}

void tst_PluginPage::invalidChoice()
{
    PanelFixture f;
    qint16 ok = 0;
    f.option.SetPlgin(Samples + "barcode.4SP", ok);
    f.option.txtSeiriPlgDir->setText(Samples + "barcode.4SP");
    const QStringList before = lines(f.option.List1);
    f.option.chkUseSeiriPrev->setChecked(true);
    f.write(QStringLiteral("broken.4SP"), "{\"format\": \"109-ticket-plugin\"");
    f.dialogs.fileReplies = {f.path(QStringLiteral("broken.4SP"))};
    f.clickOption(f.option.Command1);

    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0],
             (FakeDialogs::Shown{QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"),
                                 Dialogs::Ok, Dialogs::Stop, QStringLiteral("プラグインロードエラー")}));
    QCOMPARE(f.option.SeiriPlgPath(), Samples + "barcode.4SP");
    QCOMPARE(lines(f.option.List1), before);
    QCOMPARE(f.panel.Combo1->count(), 0); // emptied before the file was examined
}

void tst_PluginPage::clearedPlugin()
{
    PanelFixture f;
    f.option.chkUseSeiriPrev->setChecked(true);
    f.dialogs.fileReplies = {Samples + "barcode.4SP"};
    f.clickOption(f.option.Command1);
    f.clickOption(f.option.Command11);
    QCOMPARE(f.option.SeiriPlgPath(), QString());
    QCOMPARE(f.option.List1->count(), 0);
    QCOMPARE(f.option.txtPlginComment->toPlainText(), QString());
    // The preview's size and the companies stay as the plug-in left them.
    QCOMPARE(f.panel.picSeirikenPrev->size(), QSize(233, 126));
    QCOMPARE(f.panel.Combo1->count(), 3);
}

void tst_PluginPage::previewOffKeepsThePath()
{
    PanelFixture f;
    f.option.txtSeiriPlgDir->setText(Samples + "plain.4SP");
    f.clickOption(f.option.chkUseSeiriPrev);
    QVERIFY(!f.option.Frame10->isHidden());
    QVERIFY(!f.option.Frame7->isHidden());
    QVERIFY(f.option.Frame10->isEnabled());
    f.clickOption(f.option.chkUseSeiriPrev);
    QVERIFY(f.option.Frame10->isHidden());
    QVERIFY(f.option.Frame7->isHidden());
    QVERIFY(!f.option.Frame7->isEnabled());
    QCOMPARE(f.option.SeiriPlgPath(), Samples + "plain.4SP");
    QCOMPARE(f.option.UseSeiriPrev(), qint16(0));
}

void tst_PluginPage::vanishedPluginIsSilent()
{
    PanelFixture f;
    f.panel.Combo1->addItem(QStringLiteral("前の社"));
    const QSize size = f.panel.picSeirikenPrev->size();
    qint16 ok = -1;
    f.option.SetPlgin(f.path(QStringLiteral("gone.4SP")), ok);
    QCOMPARE(ok, qint16(0));
    f.option.SetPlgin(QString(), ok);
    QCOMPARE(ok, qint16(0));
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.option.List1->count(), 0);
    QCOMPARE(f.panel.picSeirikenPrev->size(), size);
    QCOMPARE(f.panel.Combo1->count(), 1);
}

void tst_PluginPage::previewDrawnByThePlugin()
{
    PanelFixture f;
    f.panel.drawSeiriken = KR4_DrawSeiriken;
    f.write(QStringLiteral("12.hy3"), fareRows(3));
    f.option.chkUseSeiriPrev->setChecked(true);
    f.dialogs.fileReplies = {Samples + "plain.4SP"};
    f.clickOption(f.option.Command1);
    f.setRoute(QStringLiteral("12"), QStringLiteral("1"));
    const QImage first = f.panel.picSeirikenPrev->Image();
    QCOMPARE(first.size(), QSize(120, 126));
    // The ticket's cream paper fills the preview.
    QCOMPARE(first.pixelColor(6, 60), QColor(0xFF, 0xFD, 0xF2));
    PanelFixture::click(f.panel.Command2[1]);
    QVERIFY(f.panel.picSeirikenPrev->Image() != first); // ticket 2 at S2

    f.option.chkUseSeiriPrev->setChecked(false);
    PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.panel.picSeirikenPrev->Image().pixelColor(6, 60), QColor(Qt::white));
}

void tst_PluginPage::companyChosenRedrawsThePreview()
{
    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(3));
    f.option.chkUseSeiriPrev->setChecked(true);
    f.dialogs.fileReplies = {Samples + "barcode.4SP"};
    f.clickOption(f.option.Command1);
    QList<qint16> companies;
    f.panel.drawSeiriken = [&](const QString &, QPainter &, const QString &, const QString &, const QString &,
                               qint32, qint16, qint16, qint16 corpIndex) {
        companies << corpIndex;
        return 1;
    };
    f.panel.Combo1->setCurrentIndex(1);
    emit f.panel.Combo1->activated(1); // before any route: nothing to draw
    QVERIFY(companies.isEmpty());
    f.setRoute(QStringLiteral("12"), QStringLiteral("1"));
    emit f.panel.Combo1->activated(1);
    QCOMPARE(companies, (QList<qint16>{1, 1}));
    QCOMPARE(f.stopName(), QStringLiteral("S1"));
}

QTEST_MAIN(tst_PluginPage)
#include "tst_PluginPage.moc"
