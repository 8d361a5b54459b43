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
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

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

    KeyedRoute keyed;
    if (Index == 1)
        keyed = {Label2[0]->text(), Label2[2]->text()};
    else
        keyed = {selectedDigits(List2), selectedDigits(List3)};
    route.KeitoNo = keyed.route;
    const qint64 section = leadingNumber(keyed.section);
    route.KukanNo = PanelRules::sectionNumber(section);
    const QString routeText = QString::number(leadingNumber(route.KeitoNo));

    // The tape first: a route without fare data still has its announcements.
    m_session.tape.LoadTape(tapeFolder, routeText);
    const HyLoadResult loaded = route.LoadHyData(fareFolder, routeText);
    if (!loaded.loaded()) {
        m_session.dialogs.MsgBox(this, loaded.message, Dialogs::Ok, Dialogs::NoIcon, Dialogs::appTitle());
        return;
    }
    m_lastRouteSet = keyed;

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

void frmCtl::restoreRoute(const KeyedRoute &keyed, const QString &company)
{
    Label2[0]->setText(keyed.route);
    Label2[2]->setText(keyed.section);
    // The lists hold the digits at their right, as a counter does; a list
    // left of them has none selected and gives nothing to the route.
    const auto select = [](const auto &lists, const QString &digits) {
        const qsizetype blank = qsizetype(lists.size()) - digits.size();
        for (qsizetype i = 0; i < qsizetype(lists.size()); ++i) {
            QListWidget *list = lists[std::size_t(i)];
            // Chosen by the program, not clicked: no key sound.
            const QSignalBlocker quiet(list);
            if (i < blank) {
                list->clearSelection();
                list->setCurrentRow(-1);
            } else {
                list->setCurrentRow(digits[i - blank].digitValue());
            }
        }
    };
    select(List2, keyed.route);
    select(List3, keyed.section);
    if (const int chosen = Combo1->findText(company); !company.isEmpty() && chosen >= 0)
        Combo1->setCurrentIndex(chosen);
    m_lastRouteSet = keyed;
}
