#include "mdlSndAPI.h"

#include "TestServices.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

class tst_mdlSndAPI : public QObject
{
    Q_OBJECT

private slots:
    void play_data()
    {
        QTest::addColumn<QString>("name"); // folder.wav is a folder
        QTest::addColumn<QString>("channel");
        QTest::addColumn<bool>("wait");
        QTest::addColumn<QString>("log"); // the mixer's, the waits', and "playing" if it plays on
        const auto row = [](const char *file, const char *ch, bool wait, const char *log) {
            QTest::addRow("%s on %s%s", file, ch, wait ? ", waited" : "") << file << ch << wait << log;
        };
        row("a.wav", "S1", true, "close 0|open 0 Wave a.wav|play 0|waited 1000|sleep 300");
        row("c.Mp3", "S4", true, "close 3|open 3 Mpeg c.Mp3|play 3|waited 1000|sleep 300");
        row("d.mid", "S2", false, "close 1|open 1 Midi d.mid|play 1|playing");
        row("folder.wav", "S1", true, "");
    }

    // Only what plays is waited for, then paused; without a wait it plays on. Closing all spares speech.
    void play()
    {
        QFETCH(QString, name);
        QFETCH(QString, channel);
        QFETCH(bool, wait);
        QFETCH(QString, log);
        TestServices f;
        QDir().mkdir(f.folder.filePath("folder.wav"));
        QFile(f.folder.filePath(name)).open(QIODevice::WriteOnly); // a folder stays one
        mdlSndAPI snd(f.audio, f.waits, f.program);
        snd.PlaySoundFile(f.folder.filePath(name), channel, wait, 300);
        const QString playing = f.audio.isPlaying(mdlSndAPI::channelIndex(channel)) ? "|playing" : "";
        QCOMPARE((f.audio.take() + f.waits.log).join(u'|') + playing, log);
        snd.CloseAllSounds();
        QCOMPARE(f.audio.take(), (QStringList{"close 0", "close 1", "close 2", "close 3"}));
    }

    // The timers run while a sound is waited for (the stop-name scroll moves on), but a click, queued
    // as the window system delivers it, is held back as behind a busy thread and taken after the wait.
    void clicksWaitForTheSound()
    {
        TestServices f;
        EventLoopWaits waits;
        f.audio.realTime = true;
        f.audio.lengthMs["short.wav"] = 150;
        QPushButton button;
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QList<bool> playing; // when the click came, then when it was taken
        connect(&button, &QPushButton::clicked, this, [&] { playing << f.audio.isPlaying(1); });
        QFile(f.folder.filePath("short.wav")).open(QIODevice::WriteOnly);
        QTimer::singleShot(30, this, [&] {
            playing << f.audio.isPlaying(1);
            const QPointF at = button.rect().center(), global = button.mapToGlobal(at);
            for (const auto &[buttons, type] : {std::pair{Qt::LeftButton, QEvent::MouseButtonPress},
                                                std::pair{Qt::NoButton, QEvent::MouseButtonRelease}})
                QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
                    button.windowHandle(), at, global, buttons, Qt::LeftButton, type);
        });
        mdlSndAPI(f.audio, waits, f.program).PlaySoundFile(f.folder.filePath("short.wav"), "S2", true, 0);
        QVERIFY(!f.audio.isPlaying(1)); // returned only once the sound was over
        QCOMPARE(playing, QList<bool>{true});
        QTRY_COMPARE(playing, (QList<bool>{true, false}));
    }
};

QTEST_MAIN(tst_mdlSndAPI)
#include "tst_mdlSndAPI.moc"
