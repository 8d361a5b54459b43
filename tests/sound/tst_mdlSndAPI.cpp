#include "mdlSndAPI.h"

#include "FakeAudioOut.h"
#include "FakeWaits.h"
#include "FixedProgramInfo.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

class tst_mdlSndAPI : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeAudioOut m_audio;
    FixedProgramInfo m_program{QString()};

    QString file(const QString &name)
    {
        QFile f(m_dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write("RIFF");
        return f.fileName();
    }

private slots:
    void play_data()
    {
        QTest::addColumn<QString>("name"); // gone.wav is never made; folder.wav is a folder
        QTest::addColumn<QString>("channel");
        QTest::addColumn<bool>("wait");
        QTest::addColumn<QStringList>("commands");
        const auto row = [](const char *name, const char *channel, bool wait, const QStringList &commands) {
            QTest::newRow(qPrintable(QStringLiteral("%1 on %2%3").arg(name, channel, wait ? ", waited" : "")))
                << name << channel << wait << commands;
        };
        row("a.wav", "S1", true, {"close 0", "open 0 Wave a.wav", "play 0"});
        row("c.Mp3", "S4", true, {"close 3", "open 3 Mpeg c.Mp3", "play 3"});
        row("d.mid", "S2", false, {"close 1", "open 1 Midi d.mid", "play 1"});
        row("gwav", "S3", true, {"close 2", "open 2 Wave gwav", "play 2"}); // only the last three count
        row("e.midi", "S1", true, {"close 0"});                             // silenced, but not played
        row("h.wav ", "S1", true, {"close 0"});
        row("broken.wav", "S2", true, {"close 1", "open 1 Wave broken.wav"}); // fails to open
        row("a.wav", "S5", true, {});
        row("gone.wav", "S1", true, {});
        row("folder.wav", "S1", true, {});
    }

    void play()
    {
        QFETCH(QString, name);
        QFETCH(QString, channel);
        QFETCH(bool, wait);
        QFETCH(QStringList, commands);
        QDir(m_dir.path()).mkdir("folder.wav");
        FakeWaits waits;
        waits.advance = [this](qint64 ms) { m_audio.advance(ms); };
        m_audio.unopenable = {"broken.wav"};
        const bool made = name != "gone.wav" && name != "folder.wav";
        mdlSndAPI(m_audio, waits, m_program)
            .PlaySoundFile(made ? file(name) : m_dir.filePath(name), channel, wait, 300);
        QCOMPARE(m_audio.take(), commands);
        // Only what plays is waited for, then paused after; without a wait it plays on.
        const bool played = commands.size() == 3;
        QCOMPARE(waits.log, played && wait ? QStringList({"waited 1000", "sleep 300"}) : QStringList());
        if (const int c = mdlSndAPI::channelIndex(channel); c >= 0)
            QCOMPARE(m_audio.isPlaying(c), played && !wait);
    }

    void clicksWaitForTheSound()
    {
        // The timers run while a sound is waited for (the stop-name scroll moves on), but a click is held
        // back, as behind a busy thread, and taken after the wait.
        EventLoopWaits waits;
        m_audio.realTime = true;
        m_audio.lengthMs["short.wav"] = 150;
        QPushButton button;
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QList<bool> clickedWhilePlaying;
        bool clickedAtPlaying = false;
        connect(&button, &QPushButton::clicked, this, [&] { clickedWhilePlaying << m_audio.isPlaying(1); });
        QTimer::singleShot(30, this, [&] {
            // As the window system delivers it: queued, not sent at once.
            clickedAtPlaying = m_audio.isPlaying(1);
            QWindow *w = button.windowHandle();
            const QPointF at = button.rect().center(), global = w->mapToGlobal(at);
            for (const auto &[buttons, type] : {std::pair{Qt::LeftButton, QEvent::MouseButtonPress},
                                                std::pair{Qt::NoButton, QEvent::MouseButtonRelease}})
                QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
                    w, at, global, buttons, Qt::LeftButton, type);
        });
        mdlSndAPI snd(m_audio, waits, m_program);
        snd.PlaySoundFile(file("short.wav"), "S2", true, 0);
        m_audio.realTime = false;
        QVERIFY(!m_audio.isPlaying(1)); // returned only once the sound was over
        QVERIFY(clickedAtPlaying);
        QCOMPARE(clickedWhilePlaying, QList<bool>());
        QTRY_COMPARE(clickedWhilePlaying, QList<bool>{false});
        m_audio.take();
        snd.CloseAllSounds(); // the speech channel is not one of them
        QCOMPARE(m_audio.take(), (QStringList{"close 0", "close 1", "close 2", "close 3"}));
    }
};

QTEST_MAIN(tst_mdlSndAPI)
#include "tst_mdlSndAPI.moc"
