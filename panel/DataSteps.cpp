// Stepping through the route: データ送り and データ戻し, with their sound, and
// the tape's 送り and 戻し, which step the board along when their entry says so.
#include "frmCtl.h"

#include "PanelRules.h"
#include "Session.h"
#include "frmOption.h"

#include <QPushButton>

#include <algorithm>

namespace {

const QString StepChannel = QStringLiteral("S2");
// An announcement in a tooltip: enough to know it, not the whole text.
constexpr int TipTextLength = 24;

QString shortened(const QString &text)
{
    return text.size() > TipTextLength ? text.left(TipTextLength - 1) + QStringLiteral("…") : text;
}

} // namespace

void frmCtl::Command2_Click(int Index)
{
    DataIo &route = m_session.dataIo;
    if (Index == 0) {
        if (route.DataPos <= 0)
            return;
        --route.DataPos;
    } else if (Index == 1) {
        if (route.DataPos == route.HyCount - 1)
            return;
        // Nor past what the table holds: a refused load may have left HyCount
        // from another file.
        if (route.DataPos + 1 >= std::min(route.heldRows(), DataIo::TableRows))
            return;
        ++route.DataPos;
    } else {
        return;
    }

    const SoundInfo s = m_session.options->SoundInfo();
    QString sound;
    if (s.FareSoundAlways != 0) {
        sound = s.FareSoundFile;
    } else {
        // The flag is in a data column of the row stepped to.
        const int column = s.FareSoundCol + 1;
        const HyRecord &row = route.HyTable[route.DataPos + 1];
        const int flag = column >= 1 && column <= HyRecord::ColCount ? row.Col[column] : 0;
        sound = PanelRules::soundForFlag(flag, s.FareSound1, s.FareSound2, s.FareSound3);
    }
    m_session.sound.PlaySoundFile(sound, StepChannel, s.FareSoundSync != 0, 0);
    DispData(qint16(route.DataPos + 1));
}

void frmCtl::cmdTapeNext_Click()
{
    m_session.tape.TapeNext();
    if (m_session.tape.TapeAdvanceFlag(m_session.tape.TapePosition()) == 1)
        Command2_Click(1);
}

void frmCtl::cmdTapeBack_Click()
{
    m_session.tape.TapeBack();
    if (m_session.tape.TapeAdvanceFlag(m_session.tape.TapePosition()) == 1)
        Command2_Click(0);
}

void frmCtl::updateTapeTips()
{
    const mdlM_Tape &tape = m_session.tape;
    const int position = tape.TapePosition();
    const int count = tape.TapeCount();
    // The entry a button would speak, or where the tape stops when it would speak none.
    const auto tip = [&](QPushButton *button, const QString &command, int target, const QString &atEnd) {
        QString text = withKeys(button->text(), command);
        if (tape.TapeLoaded() && count > 0) {
            text += QLatin1Char('\n');
            if (target >= 1 && target <= count)
                text += QStringLiteral("%1/%2 ").arg(target).arg(count)
                    + shortened(tape.TapeEntries()[target].Text);
            else
                text += QStringLiteral("%1/%2 ").arg(position).arg(count) + atEnd;
        }
        button->setToolTip(text);
    };
    tip(cmdTapeNext, QStringLiteral("tape-next"), position + 1, QStringLiteral("（テープの終わり）"));
    tip(cmdTapeBack, QStringLiteral("tape-back"), position - 1, QStringLiteral("（テープの始め）"));
}
