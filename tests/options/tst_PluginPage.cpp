#include "PanelFixture.h"

#include "Fonts.h"
#include "PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>

class tst_PluginPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void choosingAPlugin();
};

// A cancel keeps the plug-in. One chosen replaces it with its capabilities,
// preview size and companies. A file that is no plug-in is told and keeps the
// one before, though the companies are emptied before a chosen file is examined.
void tst_PluginPage::choosingAPlugin()
{
    const QString samples = QStringLiteral(SAMPLE_DIR "/tickets/");
    const auto lines = [](const QListWidget *list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    };
    // What the page lists of a plug-in: six lines, or ten with bar codes.
    const QStringList plain{"日付の印字 ---> 可能", "時刻の印字 ---> 不可",     "系統番号の印字 ---> 不可",
                            "停名の印字 ---> 可能", "バーコード印字 ---> 不可", "社名切り替え:---> 不可"};
    const QStringList barcode{"日付の印字 ---> 可能",           "時刻の印字 ---> 可能",
                              "系統番号の印字 ---> 可能",       "停名の印字 ---> 可能",
                              "バーコード印字 ---> 可能",       "バーコード本数 ---> 1",
                              "バーコード系統方式 ---> 連番式", "設定可能な系統範囲 ---> 1 ～ 999",
                              "停留所認識範囲 ---> 1 ～ 301",   "社名切り替え:---> 可能"};
    PanelFixture f;
    frmOption &o = f.option;
    o.chkUseSeiriPrev->setChecked(true); // the plug-in's frame is usable only then
    f.write(QStringLiteral("broken.4SP"), "{\"format\": \"109-ticket-plugin\"");
    f.dialogs.fileReplies = {samples + "plain.4SP", QString(), samples + "barcode.4SP", f.path("broken.4SP")};
    f.clickOption(o.Command1);
    f.panel.Combo1->addItem(QStringLiteral("前の社"));
    f.clickOption(o.Command1); // cancelled
    QCOMPARE(o.settings().SeiriPrevInfo.SeiriPlgPath, samples + "plain.4SP");
    QCOMPARE(lines(o.List1), plain);
    QCOMPARE(f.panel.Combo1->count(), 1);
    QCOMPARE(f.panel.Combo1->itemText(0), "前の社");
    f.clickOption(o.Command1); // barcode.4SP
    QCOMPARE(o.settings().SeiriPrevInfo.SeiriPlgPath, samples + "barcode.4SP");
    QCOMPARE(lines(o.List1), barcode);
    QCOMPARE(f.panel.Combo1->count(), 3);
    QCOMPARE(f.panel.Combo1->itemText(0), "中央交通");
    QCOMPARE(f.panel.picSeirikenPrev->size(), QSize(233, 126));
    QVERIFY(f.dialogs.shown.isEmpty());
    f.clickOption(o.Command1); // broken.4SP
    const FakeDialogs::Shown refusal{QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"),
                                     Dialogs::Ok, Dialogs::Stop, QStringLiteral("プラグインロードエラー")};
    QCOMPARE(f.dialogs.shown, QList{refusal});
    QCOMPARE(o.settings().SeiriPrevInfo.SeiriPlgPath, samples + "barcode.4SP");
    QCOMPARE(lines(o.List1), barcode);
    QCOMPARE(f.panel.Combo1->count(), 0);
    QCOMPARE(f.dialogs.fileCalls, 4);
}

QTEST_MAIN(tst_PluginPage)
#include "tst_PluginPage.moc"
