// The keypad and the digit lists of the panel: keying a route and section in.
#include "frmCtl.h"

#include "Session.h"
#include "frmOption.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QString KeyChannel = QStringLiteral("S1");
} // namespace

void frmCtl::CommandButton1_Click(int Index)
{
    m_session.sound.PlaySoundFile(m_session.options->ResetSound(), KeyChannel, false, 0);
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
    m_session.sound.PlaySoundFile(m_session.options->ResetSound(), KeyChannel, false, 0);
}

void frmCtl::List3_Click()
{
    m_session.sound.PlaySoundFile(m_session.options->KeitoSound(), KeyChannel, false, 0);
}
