#include "mdl109_000.h"

#include "ColorButton.h"
#include "Form1.h"
#include "M_DegitEm.h"
#include "Session.h"
#include "frmOption.h"

#include <QCheckBox>
#include <QLabel>

void mdl109_000::ResetAllDegit()
{
    for (int k = 1; k <= BoardLayout::CellCount; ++k)
        m_session.form1->Degit[k]->ResetDegit(false);
}

QString mdl109_000::toFullWidthDigits(const QString &text)
{
    QString wide = text;
    for (QChar &c : wide) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            c = QChar(0xFF10 + (c.unicode() - '0'));
    }
    return wide;
}

QString mdl109_000::seirikenNumberText(int n, bool zero)
{
    const QString plain = zero ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) : QString::number(n);
    return toFullWidthDigits(plain);
}

QString mdl109_000::seirikenWord(int Index)
{
    switch (Index) {
    case 2:
    case 3:
        return QStringLiteral("な し");
    case 4:
    case 5:
        return QStringLiteral("無 券");
    case 6:
    case 7:
        return QStringLiteral("券なし");
    case 8:
    case 9:
        return QStringLiteral("券無し");
    default:
        return QString();
    }
}

void mdl109_000::SeirikenNumSet(qint16 Index, qint16 Zero)
{
    const auto &labels = m_session.form1->lblSeiriNum;
    QLabel *first = labels[1];
    QFont face = first->font();
    if (Index < 2) {
        face.setFamily(digitFace());
        first->setFont(face);
    } else {
        face.setFamily(wordFace());
        first->setFont(face);
        first->setText(seirikenWord(Index));
    }
    if (Index < 0 || Index >= SchemeCount)
        return;

    const bool zero = Zero != 0;
    // Schemes 0 and 1 number label 1 as well; the others keep it for their word.
    const int firstNumbered = Index < 2 ? 1 : 2;
    // Schemes 1 and the even ones start the numbers at 0 (label 1) or 1 (label 2).
    const int offset = (Index == 1 || (Index >= 2 && Index % 2 == 0)) ? -1 : 0;
    for (int k = firstNumbered; k <= BoardLayout::CellCount; ++k)
        labels[k]->setText(seirikenNumberText(k + offset, zero));
}

void mdl109_000::SetModelDefaults()
{
    frmOption &option = *m_session.options;
    option.Check1->setChecked(true);
    option.Command5[0]->setBackColor(SeiriNumColorOff);
    option.Command5[1]->setBackColor(SeiriNumColorOn);
    option.Command5[2]->setBackColor(SeiriNumColorOn);

    Form1 &form = *m_session.form1;
    const QPixmap board = form.imgRes[0]->pixmap();
    form.setPicture(board);
    form.imgRes[1]->setPixmap(board);
    form.imgRes[2]->setPixmap(board);

    option.SetProp();
}
