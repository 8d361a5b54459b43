// The windows built and connected as the run does it, from the ui library
// alone: this test links without app/, so the windows cannot come to depend on it.
#include "Form1.h"
#include "ProgramInfo.h"
#include "Session.h"
#include "frmCtl.h"
#include "frmOption.h"

#include "TestServices.h"

#include <QTest>

#include <optional>

class tst_Session : public QObject
{
    Q_OBJECT

private slots:
    void closeBoxesAskTheRun_data();
    void closeBoxesAskTheRun();
};

void tst_Session::closeBoxesAskTheRun_data()
{
    QTest::addColumn<bool>("panel");
    QTest::addColumn<std::optional<bool>>("answer"); // none: nothing asks
    QTest::addColumn<bool>("closed");
    QTest::newRow("panel, run ends") << true << std::optional(true) << true;
    QTest::newRow("panel, run goes on") << true << std::optional(false) << false;
    QTest::newRow("board, run ends") << false << std::optional(true) << true;
    QTest::newRow("board, run goes on") << false << std::optional(false) << false;
    QTest::newRow("nothing asks") << true << std::optional<bool>() << true;
}

void tst_Session::closeBoxesAskTheRun()
{
    QFETCH(bool, panel);
    QFETCH(std::optional<bool>, answer);
    QFETCH(bool, closed);
    TestServices fakes;
    Session session(fakes.services(false));
    Form1 board(session);
    frmOption options(session);
    frmCtl operatingPanel(session);
    session.connectWindows(board, options, operatingPanel);
    QCOMPARE(board.windowTitle(), QStringLiteral("ルクシオ - 型番:") + fakes.program.baseName());

    int asked = 0;
    if (answer) {
        session.askToQuit = [&] {
            ++asked;
            return *answer;
        };
    }
    QWidget &window = panel ? static_cast<QWidget &>(operatingPanel) : board;
    window.show();
    QCOMPARE(window.close(), closed);
    QCOMPARE(asked, answer ? 1 : 0);
}

QTEST_MAIN(tst_Session)
#include "tst_Session.moc"
