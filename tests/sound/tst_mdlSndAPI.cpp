#include "mdlSndAPI.h"

#include "FakeAudioOut.h"
#include "FakeWaits.h"
#include "ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <qpa/qwindowsysteminterface.h>

namespace {

class PaintCounter : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::black);
    }
};

} // namespace

class tst_mdlSndAPI : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeAudioOut m_audio;
    FakeWaits m_waits;
    FixedProgramInfo m_program{QString()};
    mdlSndAPI m_snd{m_audio, m_waits, m_program};

    QString file(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.exists()) {
            f.open(QIODevice::WriteOnly);
            f.write("RIFF");
        }
        return path;
    }

private slots:
    void init()
    {
        m_audio.log.clear();
        m_audio.lengthMs.clear();
        m_audio.unopenable.clear();
        m_audio.realTime = false;
        m_snd.CloseAllSounds();
        m_audio.log.clear();
        m_waits.log.clear();
        m_waits.elapsedMs = 0;
        m_waits.advance = [this](qint64 ms) { m_audio.advance(ms); };
    }

    void endingChoosesTheKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("commands");
        const QString close = QStringLiteral("close 0");
        QTest::newRow("wav") << "a.wav" << QStringList{close, "open 0 Wave a.wav", "play 0"};
        QTest::newRow("WaV in mixed case") << "b.WaV" << QStringList{close, "open 0 Wave b.WaV", "play 0"};
        QTest::newRow("mp3") << "c.MP3" << QStringList{close, "open 0 Mpeg c.MP3", "play 0"};
        QTest::newRow("mid") << "d.mid" << QStringList{close, "open 0 Midi d.mid", "play 0"};
        QTest::newRow("midi plays nothing") << "e.midi" << QStringList{close};
        QTest::newRow("other ending plays nothing") << "f.txt" << QStringList{close};
        QTest::newRow("only the last three count")
            << "gwav" << QStringList{close, "open 0 Wave gwav", "play 0"};
        QTest::newRow("blank after the ending") << "h.wav " << QStringList{close};
        QTest::newRow("blanks in the path")
            << "ピン ポン.wav" << QStringList{close, "open 0 Wave ピン ポン.wav", "play 0"};
    }

    void endingChoosesTheKind()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, commands);
        m_snd.PlaySoundFile(file(name), QStringLiteral("S1"), false, 0);
        QCOMPARE(m_audio.take(), commands);
    }

    void nothingWithoutAFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty path") << QString();
        QTest::newRow("missing file") << QStringLiteral("/nonexistent/chime.wav");
        QTest::newRow("a folder") << QStringLiteral("folder.wav");
    }

    void nothingWithoutAFile()
    {
        QFETCH(QString, path);
        QDir(m_dir.path()).mkdir(QStringLiteral("folder.wav"));
        // A bare name stands in the test's folder.
        const QString full = !path.isEmpty() && QDir::isRelativePath(path) ? m_dir.filePath(path) : path;
        m_snd.PlaySoundFile(full, QStringLiteral("S1"), true, 100);
        QCOMPARE(m_audio.take(), QStringList());
        QCOMPARE(m_waits.log, QStringList());
    }

    void namedChannelsOnly_data()
    {
        QTest::addColumn<QString>("channel");
        QTest::addColumn<int>("index");
        QTest::newRow("S1") << "S1" << 0;
        QTest::newRow("S2") << "S2" << 1;
        QTest::newRow("S3") << "S3" << 2;
        QTest::newRow("S4") << "S4" << 3;
        QTest::newRow("S5") << "S5" << -1;
        QTest::newRow("S0") << "S0" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void namedChannelsOnly()
    {
        QFETCH(QString, channel);
        QFETCH(int, index);
        QCOMPARE(mdlSndAPI::channelIndex(channel), index);
        m_snd.PlaySoundFile(file(QStringLiteral("a.wav")), channel, false, 0);
        const QStringList expected = index < 0 ? QStringList()
                                               : QStringList{QStringLiteral("close %1").arg(index),
                                                             QStringLiteral("open %1 Wave a.wav").arg(index),
                                                             QStringLiteral("play %1").arg(index)};
        QCOMPARE(m_audio.take(), expected);
    }

    void aNewSoundReplacesTheChannelsOwn()
    {
        m_snd.PlaySoundFile(file(QStringLiteral("a.wav")), QStringLiteral("S1"), false, 0);
        m_snd.PlaySoundFile(file(QStringLiteral("b.wav")), QStringLiteral("S2"), false, 0);
        m_audio.take();
        // S2 leaves S1 alone; a second file on S1 closes the first before it opens.
        QVERIFY(m_audio.isPlaying(0));
        QVERIFY(m_audio.isPlaying(1));
        m_snd.PlaySoundFile(file(QStringLiteral("c.wav")), QStringLiteral("S1"), false, 0);
        QCOMPARE(m_audio.take(), (QStringList{"close 0", "open 0 Wave c.wav", "play 0"}));
        QVERIFY(m_audio.isPlaying(0));
        QVERIFY(m_audio.isPlaying(1));
    }

    void otherEndingStillSilencesTheChannel()
    {
        m_snd.PlaySoundFile(file(QStringLiteral("a.wav")), QStringLiteral("S3"), false, 0);
        QVERIFY(m_audio.isPlaying(2));
        m_snd.PlaySoundFile(file(QStringLiteral("notes.txt")), QStringLiteral("S3"), false, 0);
        QVERIFY(!m_audio.isPlaying(2));
    }

    void failedOpenLeavesTheChannelClosed()
    {
        m_snd.PlaySoundFile(file(QStringLiteral("a.wav")), QStringLiteral("S2"), false, 0);
        m_audio.unopenable << QStringLiteral("broken.wav");
        m_audio.take();
        m_snd.PlaySoundFile(file(QStringLiteral("broken.wav")), QStringLiteral("S2"), true, 500);
        QCOMPARE(m_audio.take(), (QStringList{"close 1", "open 1 Wave broken.wav"}));
        QVERIFY(!m_audio.isPlaying(1));
        QCOMPARE(m_waits.log, QStringList()); // nothing to wait for, and no pause
    }

    void waitReturnsAfterTheSound_data()
    {
        QTest::addColumn<bool>("wait");
        QTest::addColumn<int>("pause");
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<QStringList>("waits");
        QTest::newRow("wait, no pause") << true << 0 << qint64(1200) << QStringList{"waited 1200", "sleep 0"};
        QTest::newRow("wait and pause")
            << true << 300 << qint64(1500) << QStringList{"waited 1200", "sleep 300"};
        QTest::newRow("no wait") << false << 300 << qint64(0) << QStringList();
    }

    void waitReturnsAfterTheSound()
    {
        QFETCH(bool, wait);
        QFETCH(int, pause);
        QFETCH(qint64, elapsed);
        QFETCH(QStringList, waits);
        m_audio.lengthMs[QStringLiteral("long.wav")] = 1200;
        m_snd.PlaySoundFile(file(QStringLiteral("long.wav")), QStringLiteral("S2"), wait, qint16(pause));
        QCOMPARE(m_waits.elapsedMs, elapsed);
        QCOMPARE(m_waits.log, waits);
        QCOMPARE(m_audio.isPlaying(1), !wait);
    }

    void windowsRepaintWhileWaiting()
    {
        // The windows paint and the timers run while a sound is waited for, but
        // a click is held back, as behind a busy thread, and taken after the wait.
        EventLoopWaits waits;
        mdlSndAPI snd(m_audio, waits, m_program);
        m_audio.realTime = true;
        m_audio.lengthMs[QStringLiteral("short.wav")] = 150;

        PaintCounter window;
        auto *button = new QPushButton(QStringLiteral("送り"), &window);
        button->setGeometry(0, 0, 80, 30);
        window.resize(100, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int ticks = 0;
        QTimer animation; // stands for the stop-name scroll
        animation.setInterval(10);
        connect(&animation, &QTimer::timeout, &window, [&] {
            ++ticks;
            window.update();
        });
        animation.start();
        const int paintsBefore = window.paints;
        QList<bool> clickedWhilePlaying;
        connect(button, &QPushButton::clicked, this, [&] { clickedWhilePlaying << m_audio.isPlaying(1); });
        QTimer::singleShot(30, this, [&] {
            // As the window system delivers it: queued, not sent at once.
            QWindow *w = window.windowHandle();
            const QPointF at = button->geometry().center();
            const QPointF global = w->mapToGlobal(at);
            QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
                w, at, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
            QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
                w, at, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
        });

        snd.PlaySoundFile(file(QStringLiteral("short.wav")), QStringLiteral("S2"), true, 0);
        QVERIFY(!m_audio.isPlaying(1)); // returned only once the sound was over
        QVERIFY(ticks > 0);
        QVERIFY(window.paints > paintsBefore);
        QCOMPARE(clickedWhilePlaying, QList<bool>());
        QTRY_COMPARE(clickedWhilePlaying, QList<bool>{false});
    }

    void closeAllSoundsInOrder()
    {
        m_snd.CloseAllSounds();
        QCOMPARE(m_audio.take(), (QStringList{"close 0", "close 1", "close 2", "close 3"}));
    }

    void aliasIsProgramAndChannel_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("alias");
        QTest::newRow("109") << "109"
                             << "S1"
                             << "109S1";
        QTest::newRow("with extension") << "abc.exe"
                                        << "S4"
                                        << "abcS4";
    }

    void aliasIsProgramAndChannel()
    {
        QFETCH(QString, program);
        QFETCH(QString, channel);
        QFETCH(QString, alias);
        FixedProgramInfo info(QString(), program);
        QCOMPARE(mdlSndAPI(m_audio, m_waits, info).alias(channel), alias);
    }
};

QTEST_MAIN(tst_mdlSndAPI)
#include "tst_mdlSndAPI.moc"
