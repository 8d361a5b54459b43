#include "Form1.h"
#include "M_DegitEm.h"
#include "mdl109_000.h"

#include "TestApp.h"

#include <QLabel>
#include <QTest>

namespace {

QStringList captions(const Form1 &board)
{
    QStringList texts;
    for (int k = 1; k <= 24; ++k)
        texts << board.lblSeiriNum[k]->text();
    return texts;
}

} // namespace

class tst_mdl109_000 : public QObject
{
    Q_OBJECT

private slots:
    void numberingSchemes_data();
    void numberingSchemes();
    void onlyLabelOneChangesTypeface();
    void schemeOutOfRangeLeavesTheNumbers();
    void fullWidthDigits_data();
    void fullWidthDigits();
    void errorWithoutBoard();
    void resetAllDegitKeepsTheModes();
};

void tst_mdl109_000::numberingSchemes_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("zero");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<QString>("label10");
    QTest::addColumn<QString>("label24");
    QTest::addColumn<bool>("digitFace");

    QTest::newRow("0") << 0 << 0 << "１"
                       << "２"
                       << "１０"
                       << "２４" << true;
    QTest::newRow("0 zero") << 0 << 1 << "０１"
                            << "０２"
                            << "１０"
                            << "２４" << true;
    QTest::newRow("1") << 1 << 0 << "０"
                       << "１"
                       << "９"
                       << "２３" << true;
    QTest::newRow("1 zero") << 1 << 1 << "００"
                            << "０１"
                            << "０９"
                            << "２３" << true;
    QTest::newRow("1 any nonzero flag") << 1 << -1 << "００"
                                        << "０１"
                                        << "０９"
                                        << "２３" << true;
    QTest::newRow("2") << 2 << 0 << "な し"
                       << "１"
                       << "９"
                       << "２３" << false;
    QTest::newRow("3") << 3 << 0 << "な し"
                       << "２"
                       << "１０"
                       << "２４" << false;
    QTest::newRow("4") << 4 << 0 << "無 券"
                       << "１"
                       << "９"
                       << "２３" << false;
    QTest::newRow("5 zero") << 5 << 1 << "無 券"
                            << "０２"
                            << "１０"
                            << "２４" << false;
    QTest::newRow("6") << 6 << 0 << "券なし"
                       << "１"
                       << "９"
                       << "２３" << false;
    QTest::newRow("7") << 7 << 0 << "券なし"
                       << "２"
                       << "１０"
                       << "２４" << false;
    QTest::newRow("8") << 8 << 0 << "券無し"
                       << "１"
                       << "９"
                       << "２３" << false;
    QTest::newRow("9") << 9 << 0 << "券無し"
                       << "２"
                       << "１０"
                       << "２４" << false;
    QTest::newRow("10") << 10 << 1 << ""
                        << "０１"
                        << "０９"
                        << "２３" << false;
    QTest::newRow("11") << 11 << 0 << ""
                        << "２"
                        << "１０"
                        << "２４" << false;
}

void tst_mdl109_000::numberingSchemes()
{
    QFETCH(int, scheme);
    QFETCH(int, zero);
    QFETCH(QString, label1);
    QFETCH(QString, label2);
    QFETCH(QString, label10);
    QFETCH(QString, label24);
    QFETCH(bool, digitFace);

    TestApp t;
    Form1 &board = *t.app->form1;
    // From a word scheme first, so that each case has to set label 1 itself.
    t.app->mdl109.SeirikenNumSet(9, 1);
    t.app->mdl109.SeirikenNumSet(qint16(scheme), qint16(zero));

    QCOMPARE(board.lblSeiriNum[1]->text(), label1);
    QCOMPARE(board.lblSeiriNum[2]->text(), label2);
    QCOMPARE(board.lblSeiriNum[10]->text(), label10);
    QCOMPARE(board.lblSeiriNum[24]->text(), label24);
    QCOMPARE(board.lblSeiriNum[1]->font().family(),
             digitFace ? mdl109_000::digitFace() : mdl109_000::wordFace());
    QVERIFY(t.dialogs.shown.isEmpty());
}

void tst_mdl109_000::onlyLabelOneChangesTypeface()
{
    TestApp t;
    Form1 &board = *t.app->form1;
    mdl109_000 &row = t.app->mdl109;

    row.SeirikenNumSet(4, 0);
    QCOMPARE(board.lblSeiriNum[1]->font().family(), mdl109_000::wordFace());
    for (int k = 2; k <= 24; ++k)
        QCOMPARE(board.lblSeiriNum[k]->font().family(), mdl109_000::digitFace());
    // The word keeps the label's size and weight.
    QCOMPARE(board.lblSeiriNum[1]->font().pixelSize(), 17);
    QVERIFY(board.lblSeiriNum[1]->font().bold());

    row.SeirikenNumSet(0, 0);
    QCOMPARE(board.lblSeiriNum[1]->font().family(), mdl109_000::digitFace());
    QCOMPARE(board.lblSeiriNum[1]->text(), QStringLiteral("１"));
}

void tst_mdl109_000::schemeOutOfRangeLeavesTheNumbers()
{
    TestApp t;
    Form1 &board = *t.app->form1;
    mdl109_000 &row = t.app->mdl109;

    row.SeirikenNumSet(5, 1);
    const QStringList before = captions(board);

    row.SeirikenNumSet(12, 0);
    QCOMPARE(board.lblSeiriNum[1]->text(), QString());
    QCOMPARE(board.lblSeiriNum[1]->font().family(), mdl109_000::wordFace());
    QCOMPARE(captions(board).mid(1), before.mid(1));

    row.SeirikenNumSet(32767, 0);
    QCOMPARE(captions(board).mid(1), before.mid(1));

    // No list entry chosen: the digit face again, no caption touched.
    row.SeirikenNumSet(5, 1);
    row.SeirikenNumSet(-1, 0);
    QCOMPARE(board.lblSeiriNum[1]->font().family(), mdl109_000::digitFace());
    QCOMPARE(captions(board), before);
    row.SeirikenNumSet(-32768, 0);
    QCOMPARE(captions(board), before);
    QVERIFY(t.dialogs.shown.isEmpty());
}

void tst_mdl109_000::fullWidthDigits_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("zero");
    QTest::addColumn<QString>("text");

    QTest::newRow("7") << 7 << false << "７";
    QTest::newRow("07") << 7 << true << "０７";
    QTest::newRow("15 zero") << 15 << true << "１５";
    QTest::newRow("0") << 0 << false << "０";
    QTest::newRow("00") << 0 << true << "００";
    QTest::newRow("24") << 24 << false << "２４";
}

void tst_mdl109_000::fullWidthDigits()
{
    QFETCH(int, n);
    QFETCH(bool, zero);
    QFETCH(QString, text);
    QCOMPARE(mdl109_000::seirikenNumberText(n, zero), text);
    QCOMPARE(mdl109_000::toFullWidthDigits(QStringLiteral("a-1 9")), QStringLiteral("a-１ ９"));
}

void tst_mdl109_000::errorWithoutBoard()
{
    TestApp t;
    t.app->form1.reset();
    t.app->mdl109.SeirikenNumSet(0, 0);

    QCOMPARE(t.dialogs.shown.size(), 1);
    QCOMPARE(
        t.dialogs.shown[0],
        (FakeDialogs::Shown{
            QStringLiteral("エラーです！\r\n\r\nコード：91\r\n\r\n内容：オブジェクト変数または With "
                           "ブロック変数が設定されていません。\r\n\r\nモジュール：IniIO-SeirikenNumSet( )"),
            Dialogs::Ok, Dialogs::Stop, QStringLiteral("エラー！")}));
}

void tst_mdl109_000::resetAllDegitKeepsTheModes()
{
    TestApp t;
    Form1 &board = *t.app->form1;
    for (int k = 1; k <= 24; ++k) {
        M_DegitEm &cell = *board.Degit[k];
        cell.setShift(qint16(k % 4));
        cell.setFillZero(qint16(k % 3));
        cell.setZeroMode(qint16(k % 2));
        cell.setValue(qint16(100 + k));
    }
    board.Degit[0]->setValue(qint16(55));

    t.app->mdl109.ResetAllDegit();

    for (int k = 1; k <= 24; ++k) {
        const M_DegitEm &cell = *board.Degit[k];
        QVERIFY2(!cell.Value().isValid() || cell.Value().toString().trimmed().isEmpty(),
                 qPrintable(QString::number(k)));
        QCOMPARE(cell.Shift(), qint16(k % 4));
        QCOMPARE(cell.FillZero(), qint16(k % 3));
        QCOMPARE(cell.ZeroMode(), qint16(k % 2));
    }
    // The hidden template is no cell of the board.
    QCOMPARE(board.Degit[0]->Value(), QVariant(qint16(55)));
}

QTEST_MAIN(tst_mdl109_000)
#include "tst_mdl109_000.moc"
