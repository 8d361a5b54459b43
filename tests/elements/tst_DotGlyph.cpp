#include "DotGlyph.h"

#include <QFontInfo>
#include <QTest>

class tst_DotGlyph : public QObject
{
    Q_OBJECT

private slots:
    void treatment_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("fontMode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<bool>("side");
        QTest::newRow("long sound mark")
            << QStringLiteral("ー") << 0 << QStringLiteral("丨") << 0 << 0 << false;
        QTest::newRow("申, gothic") << QStringLiteral("申") << 0 << QStringLiteral("申") << 1 << 0 << false;
        QTest::newRow("山, gothic") << QStringLiteral("山") << 0 << QStringLiteral("山") << 1 << 0 << false;
        QTest::newRow("山, mincho") << QStringLiteral("山") << 1 << QStringLiteral("山") << 0 << 0 << false;
        QTest::newRow("山, FontMode 2")
            << QStringLiteral("山") << 2 << QStringLiteral("山") << 0 << 0 << false;
        QTest::newRow("山, FontMode 7 as 0")
            << QStringLiteral("山") << 7 << QStringLiteral("山") << 1 << 0 << false;
        QTest::newRow("山, FontMode -1 as 0")
            << QStringLiteral("山") << -1 << QStringLiteral("山") << 1 << 0 << false;
        QTest::newRow("（") << QStringLiteral("（") << 0 << QStringLiteral("（") << 0 << 0 << true;
        QTest::newRow("】") << QStringLiteral("】") << 3 << QStringLiteral("】") << 0 << 0 << true;
        QTest::newRow("～") << QStringLiteral("～") << 0 << QStringLiteral("～") << 0 << 0 << true;
        QTest::newRow("＝") << QStringLiteral("＝") << 0 << QStringLiteral("＝") << 0 << 0 << true;
        QTest::newRow("⇔") << QStringLiteral("⇔") << 0 << QStringLiteral("⇔") << 0 << 0 << true;
        QTest::newRow("。") << QStringLiteral("。") << 0 << QStringLiteral("。") << 10 << -10 << false;
        QTest::newRow("、") << QStringLiteral("、") << 1 << QStringLiteral("、") << 10 << -10 << false;
        QTest::newRow("kanji") << QStringLiteral("駅") << 0 << QStringLiteral("駅") << 0 << 0 << false;
        // The whole cell is compared: a bracket beside a letter stays upright.
        QTest::newRow("half-width bracket pair")
            << QStringLiteral("()") << 0 << QStringLiteral("()") << 0 << 0 << false;
        QTest::newRow("ー with a blank")
            << QStringLiteral("ー ") << 0 << QStringLiteral("ー ") << 0 << 0 << false;
    }

    void treatment()
    {
        QFETCH(QString, cell);
        QFETCH(int, fontMode);
        QFETCH(QString, text);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(bool, side);
        const DotGlyph::Treatment t = DotGlyph::treatment(cell, fontMode);
        QCOMPARE(t.text, text);
        QCOMPARE(t.offsetX, dx);
        QCOMPARE(t.offsetY, dy);
        QCOMPARE(t.laidOnSide, side);
    }

    void code_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("k");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("space") << QStringLiteral(" ") << 0x20;
        QTest::newRow("letter, first of two") << QStringLiteral("AB") << 0x41;
        QTest::newRow("half-width kana") << QStringLiteral("ｱ") << 0xB1;
        QTest::newRow("ideographic space &H8140") << QStringLiteral("　") << -32448;
        QTest::newRow("０ &H824F") << QStringLiteral("０") << -32177;
        QTest::newRow("ｚ &H829A") << QStringLiteral("ｚ") << -32102;
        QTest::newRow("ぁ &H829F") << QStringLiteral("ぁ") << -32097;
        QTest::newRow("亜 &H889F") << QStringLiteral("亜") << -30561;
        QTest::newRow("駅 &H8977") << QStringLiteral("駅") << -30345;
        QTest::newRow("燿 &HE0A0") << QStringLiteral("燿") << -8032;
    }

    void code()
    {
        QFETCH(QString, text);
        QFETCH(int, k);
        QCOMPARE(int(DotGlyph::code(text)), k);
    }

    void face_data()
    {
        QTest::addColumn<int>("fontMode");
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("gothic");
        const int marks = qint16(0x8140), lastKana = qint16(0x889E), firstKanji = qint16(0x889F);
        const int beforeAlnum = qint16(0x824E), firstAlnum = qint16(0x824F), lastAlnum = qint16(0x829A),
                  afterAlnum = qint16(0x829B), lastCode = qint16(0xFCFC);
        for (int k : {marks, lastKana, firstKanji, 0x41, 0xB1, 0, lastCode}) {
            QTest::addRow("0, %d", k) << 0 << k << true;
            QTest::addRow("1, %d", k) << 1 << k << false;
            QTest::addRow("7 as 0, %d", k) << 7 << k << true;
            QTest::addRow("-1 as 0, %d", k) << -1 << k << true;
        }
        QTest::newRow("2, &H8140") << 2 << marks << false;
        QTest::newRow("2, &H889E") << 2 << lastKana << false;
        QTest::newRow("2, &H889F") << 2 << firstKanji << true;
        QTest::newRow("2, &HFCFC") << 2 << lastCode << true;
        QTest::newRow("2, single byte") << 2 << 0x41 << true;
        QTest::newRow("2, single byte FF") << 2 << 0xFF << true;
        QTest::newRow("3, &H8140") << 3 << marks << true;
        QTest::newRow("3, &H889E") << 3 << lastKana << true;
        QTest::newRow("3, &H889F") << 3 << firstKanji << false;
        QTest::newRow("3, single byte") << 3 << 0x41 << false;
        QTest::newRow("4, &H824E") << 4 << beforeAlnum << false;
        QTest::newRow("4, &H824F") << 4 << firstAlnum << true;
        QTest::newRow("4, &H829A") << 4 << lastAlnum << true;
        QTest::newRow("4, &H829B") << 4 << afterAlnum << false;
        QTest::newRow("4, single byte") << 4 << 0x41 << false;
        QTest::newRow("4, kanji") << 4 << firstKanji << false;
    }

    void face()
    {
        QFETCH(int, fontMode);
        QFETCH(int, k);
        QFETCH(bool, gothic);
        QCOMPARE(DotGlyph::face(fontMode, qint16(k)) == DotGlyph::Face::Gothic, gothic);
    }

    void facesResolve_data()
    {
        QTest::addColumn<bool>("mincho");
        QTest::addColumn<QString>("family");
        QTest::newRow("ＭＳ ゴシック") << false << QStringLiteral("IPAGothic");
        QTest::newRow("ＭＳ 明朝") << true << QStringLiteral("IPAMincho");
    }

    void facesResolve()
    {
        QFETCH(bool, mincho);
        QFETCH(QString, family);
        const QFont f = DotGlyph::font(mincho ? DotGlyph::Face::Mincho : DotGlyph::Face::Gothic, false);
        QCOMPARE(QFontInfo(f).family(), family);
        QCOMPARE(QFontInfo(f).pixelSize(), 16);
    }

    // Only exactly black pixels become dots: grey from smoothing would lose strokes.
    void glyphsArePureBlackAndWhite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("mincho");
        QTest::addColumn<bool>("bold");
        for (const QString &text : QStringList{"駅", "あ", "鬱", "Ａ", "AB", "→"}) {
            for (bool mincho : {false, true}) {
                for (bool bold : {false, true})
                    QTest::addRow("%s %s%s", qPrintable(text), mincho ? "mincho" : "gothic",
                                  bold ? " bold" : "")
                        << text << mincho << bold;
            }
        }
    }

    void glyphsArePureBlackAndWhite()
    {
        QFETCH(QString, text);
        QFETCH(bool, mincho);
        QFETCH(bool, bold);
        QImage cell(16, 16, QImage::Format_RGB32);
        DotGlyph::render(cell, text, mincho ? DotGlyph::Face::Mincho : DotGlyph::Face::Gothic, bold);
        int black = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb p = cell.pixel(x, y) & 0xFFFFFF;
                QVERIFY2(p == 0 || p == 0xFFFFFF,
                         qPrintable(QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(p, 0, 16)));
                black += p == 0;
            }
        }
        QVERIFY(black > 10);
    }

    // A kanji fills the cell with a margin of one pixel: nothing is cut off at
    // the top or bottom by the baseline.
    void kanjiFitsTheCell()
    {
        QImage cell(16, 16, QImage::Format_RGB32);
        DotGlyph::render(cell, QStringLiteral("国"), DotGlyph::Face::Gothic, false);
        int top = 16, bottom = -1;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if ((cell.pixel(x, y) & 0xFFFFFF) == 0) {
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                }
            }
        }
        QVERIFY(top >= 1);
        QCOMPARE(bottom, 14);
    }
};

QTEST_MAIN(tst_DotGlyph)
#include "tst_DotGlyph.moc"
