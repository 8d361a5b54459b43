// The keypad and digit lists, the data steps and the tape buttons of the panel.
#include "frmCtl.h"

#include "App.h"
#include "frmOption.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
const QString KeyChannel = QStringLiteral("S1");
const QString StepChannel = QStringLiteral("S2");
} // namespace

void frmCtl::CommandButton1_Click(int Index)
{
    m_app.sound.PlaySoundFile(m_app.options->ResetSound(), KeyChannel, false, 0);
    if (Index == 10) {
        KeyToKeito = true;
        Label2[0]->clear();
    } else if (Index == 11) {
        KeyToKeito = false;
        Label2[2]->clear();
    } else if (Index >= 0 && Index <= 9) {
        // A full display takes no more digits, without a word.
        QLabel *display = KeyToKeito ? Label2[0] : Label2[2];
        if (display->text().size() < (KeyToKeito ? KeitoDigits : KukanDigits))
            display->setText(display->text() + QString::number(Index));
    }
}

void frmCtl::List2_Click()
{
    m_app.sound.PlaySoundFile(m_app.options->ResetSound(), KeyChannel, false, 0);
}

void frmCtl::List3_Click()
{
    m_app.sound.PlaySoundFile(m_app.options->KeitoSound(), KeyChannel, false, 0);
}

void frmCtl::Command2_Click(int Index)
{
    DataIo &data = m_app.dataIo;
    if (Index == 0) {
        if (data.DataPos <= 0)
            return;
        --data.DataPos;
    } else if (Index == 1) {
        if (data.DataPos == data.HyCount - 1)
            return;
        // Nor past what the table holds: a refused load may have left HyCount
        // from another file.
        if (data.DataPos + 1 >= std::min(data.heldRows(), DataIo::TableRows))
            return;
        ++data.DataPos;
    } else {
        return;
    }

    const frmOption &option = *m_app.options;
    QString sound;
    if (option.FareSoundAlways()) {
        sound = option.FareSoundFile();
    } else {
        const int column = option.FareSoundCol() + 1;
        const HyRecord &row = data.HyTable[data.DataPos + 1];
        const int v = column >= 1 && column <= HyRecord::ColCount ? row.Col[column] : 0;
        if (v == 1)
            sound = option.FareSound1();
        else if (v == 2)
            sound = option.FareSound2();
        else if (v == 3)
            sound = option.FareSound3();
    }
    m_app.sound.PlaySoundFile(sound, StepChannel, option.FareSoundSync(), 0);
    DispData(qint16(data.DataPos + 1));
}

void frmCtl::cmdTapeNext_Click()
{
    m_app.tape.TapeNext();
    if (m_app.tape.TapeAdvanceFlag(m_app.tape.TapePosition()) == 1)
        Command2_Click(1);
}

void frmCtl::cmdTapeBack_Click()
{
    m_app.tape.TapeBack();
    if (m_app.tape.TapeAdvanceFlag(m_app.tape.TapePosition()) == 1)
        Command2_Click(0);
}
