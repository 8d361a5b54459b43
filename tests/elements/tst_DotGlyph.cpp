#include "DotGlyph.h"

#include <QFontInfo>
#include <QTest>

class tst_DotGlyph : public QObject
{
    Q_OBJECT

private slots:
    // The face by FontMode and code (&H889F is the first kanji, &H824F..&H829A the full-width
    // digits and letters, a single byte a positive code) resolves to its IPA font, bold as
    // asked. Only exactly black pixels become dots, as grey from smoothing would lose strokes;
    // the baseline puts a kanji's foot on row 14, and nothing upright is cut off at the top.
    void glyphs()
    {
        const int rows[][2] = {{1, 0x41},   {-1, 0x8140}, {2, 0x889E}, {2, 0x889F}, {2, 0xFF},  {3, 0x889E},
                               {3, 0x889F}, {4, 0x824E},  {4, 0x824F}, {4, 0x829A}, {4, 0x829B}};
        const char faces[] = "MGMGGGMMGGM"; // mincho or gothic, row by row
        for (int i = 0; i < 11; ++i) {
            const bool bold = i % 2; // each face both ways
            const DotGlyph::Face face = DotGlyph::face(rows[i][0], qint16(rows[i][1]));
            const QFontInfo info(DotGlyph::font(face, bold));
            QImage cell(16, 16, QImage::Format_RGB32);
            DotGlyph::render(cell, QStringLiteral("国"), face, bold);
            const auto count = [&cell](QRgb colour, int fromRow, int toRow) {
                int n = 0;
                for (int p = fromRow * 16; p < toRow * 16; ++p)
                    n += cell.pixel(p % 16, p / 16) == colour;
                return n;
            };
            QVERIFY2(info.family() == (faces[i] == 'M' ? "IPAMincho" : "IPAGothic") && info.bold() == bold,
                     qPrintable(QStringLiteral("row %1: %2").arg(i).arg(info.family())));
            const int black = count(0xFF000000, 0, 16);
            QVERIFY2(black + count(0xFFFFFFFF, 0, 16) == 256 && black > 10 && count(0xFF000000, 14, 15) > 0
                         && count(0xFF000000, 15, 16) == 0 && (bold || count(0xFF000000, 0, 1) == 0),
                     qPrintable(QStringLiteral("row %1: %2 dots").arg(i).arg(black)));
        }
    }
};

QTEST_MAIN(tst_DotGlyph)
#include "tst_DotGlyph.moc"
