#include "Waits.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace {

// A click as the window system delivers it: queued, not sent at once.
void queueClick(QWidget &button)
{
    QWindow *w = button.window()->windowHandle();
    const QPointF at = button.mapTo(button.window(), button.rect().center()), global = w->mapToGlobal(at);
    for (const auto &[buttons, type] : {std::pair{Qt::LeftButton, QEvent::MouseButtonPress},
                                        std::pair{Qt::NoButton, QEvent::MouseButtonRelease}})
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            w, at, global, buttons, Qt::LeftButton, type);
}

} // namespace

class tst_Waits : public QObject
{
    Q_OBJECT

private slots:
    // A click during a wait runs after it, unless its button was greyed when
    // it came: enabling the button later does not make it a click.
    void clicksDuringAWait_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("clicks");
        QTest::newRow("enabled button") << true << 1;
        QTest::newRow("greyed button, enabled after the wait") << false << 0;
    }

    void clicksDuringAWait()
    {
        QFETCH(bool, enabled);
        QFETCH(int, clicks);
        QWidget window;
        QPushButton button(QStringLiteral("データ送り"), &window);
        button.setEnabled(enabled);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicked(&button, &QPushButton::clicked);
        QTimer::singleShot(0, &button, [&button] { queueClick(button); });
        EventLoopWaits waits;
        waits.sleep(30);
        QCOMPARE(clicked.size(), 0); // held back while waiting
        button.setEnabled(true);
        // The held events were posted again as the wait ended: they are taken now.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(clicked.size(), clicks);
    }
};

QTEST_MAIN(tst_Waits)
#include "tst_Waits.moc"
