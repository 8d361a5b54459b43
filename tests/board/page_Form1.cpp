// Two fare boards to look at: ticket numbers in scheme 0 with a short stop
// name, and in scheme 4 with a long one that scrolls.
//   page_Form1     shows them (run under Xvfb for a screenshot)
#include "ChimeiCtl_E.h"
#include "Fonts.h"
#include "Form1.h"
#include "M_DegitEm.h"

#include "TestApp.h"

#include <QApplication>

namespace {

void fill(App &app, int firstFare, qint16 scheme, const QString &name, QPoint at)
{
    app.startUp();
    Form1 &board = *app.form1;
    app.mdl109.SeirikenNumSet(scheme, 0);
    for (int k = 1; k <= 24; ++k) {
        const int fare = firstFare + 30 * (24 - k);
        board.Degit[k]->setValue(k < 4 ? QVariant(QString()) : QVariant(qint16(fare)));
    }
    board.Degit[4]->setValue(qint16(-1));
    board.move(at);
    board.ChimeiCtl->SetChimei(name);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    installFontSubstitutions();
    TestApp first;
    TestApp second;
    first.elapsed.advanceMs(0);
    fill(*first.app, 170, 0, QStringLiteral("市役所前"), QPoint(20, 20));
    fill(*second.app, 200, 4, QStringLiteral("中央駅バスターミナル東口"), QPoint(20, 320));
    // The pages keep their own time: let the second one scroll.
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { second.elapsed.advanceMs(16); });
    tick.start(16);
    return qapp.exec();
}
