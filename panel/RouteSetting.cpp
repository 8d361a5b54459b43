// Route setting (系統設定): the two リセット buttons.
#include "frmCtl.h"

#include "ChimeiCtl_E.h"
#include "Clock.h"
#include "Dialogs.h"
#include "FilePaths.h"
#include "Form1.h"
#include "M_DegitEm.h"
#include "PanelRules.h"
#include "Session.h"
#include "Waits.h"
#include "frmOption.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

// How long every segment of the board stays lit after a route is set.
constexpr int LampTestMs = 3000;

// The selected digits of the lists, left to right; a list without a selection gives nothing.
template<std::size_t N>
QString selectedDigits(const std::array<QListWidget *, N> &lists)
{
    QString digits;
    for (const QListWidget *list : lists) {
        if (const QListWidgetItem *item = list->currentItem(); item && item->isSelected())
            digits += item->text();
    }
    return digits;
}

} // namespace

void frmCtl::Command1_Click(int Index)
{
    if (Index != 0 && Index != 1)
        return;
    const frmOption &option = *m_session.options;
    const IniRecord settings = option.settings();
    DataIo &route = m_session.dataIo;
    const QString fareFolder = FilePaths::withTrailingSeparator(settings.DataDirInfo.HyDir);
    const QString tapeFolder = FilePaths::withTrailingSeparator(settings.DataDirInfo.TpDir);

    m_session.sound.PlaySoundFile(settings.SoundInfo.KeitoSound, QStringLiteral("S1"), false, 0);

    qint64 section;
    if (Index == 1) {
        route.KeitoNo = Label2[0]->text();
        section = leadingNumber(Label2[2]->text());
    } else {
        route.KeitoNo = selectedDigits(List2);
        section = leadingNumber(selectedDigits(List3));
    }
    route.KukanNo = PanelRules::sectionNumber(section);
    const QString routeText = QString::number(leadingNumber(route.KeitoNo));

    // The tape first: a route without fare data still has its announcements.
    m_session.tape.LoadTape(tapeFolder, routeText);
    const HyLoadResult loaded = route.LoadHyData(fareFolder, routeText);
    if (!loaded.loaded()) {
        m_session.dialogs.MsgBox(this, loaded.message, Dialogs::Ok, Dialogs::NoIcon, Dialogs::appTitle());
        return;
    }

    Form1 &board = *m_session.form1;
    board.ChimeiCtl->SetChimei(QStringLiteral("系統設定"));
    for (int k = 1; k <= BoardLayout::CellCount; ++k)
        board.Degit[k]->ResetDegit(true);
    letPendingEventsRun();
    m_session.waits.sleep(LampTestMs);
    for (int k = 1; k <= BoardLayout::CellCount; ++k)
        board.Degit[k]->setValue(qint16(0));

    Command2[0]->setEnabled(true);
    Command2[1]->setEnabled(true);
    Check1->setEnabled(true);

    // Read again: a click let run before the lamp test may have changed the options.
    const SeiriPrevInfo dates = option.settings().SeiriPrevInfo;
    KeitoDate = dates.DateByPrint != 0 || dates.DateByKeito != 0
        ? m_session.clock.now().toString(QStringLiteral("MM-dd-yyyy"))
        : dates.FixedDate;
    DispData(qint16(route.DataPos + 1));
}
