// The real mixer on SDL's dummy driver, which plays in real time: the only
// test that takes seconds of the clock.

#include "SdlAudioOut.h"

#include "MidiRenderer.h"
#include "MidiWriter.h"
#include "Mp3Decoder.h"
#include "ProgramInfo.h"
#include "Waits.h"
#include "WavWriter.h"
#include "mdlSndAPI.h"

#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <SDL_mixer.h>

#include <atomic>

class tst_SdlAudioOut : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SdlAudioOut> m_audio;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

private slots:
    void initTestCase()
    {
        m_audio = std::make_unique<SdlAudioOut>();
        QVERIFY(m_audio->isReady());
        qInfo() << "audio driver:" << m_audio->driverName();
    }

    void cleanupTestCase() { m_audio.reset(); }

    void waitedWavTakesItsLength()
    {
        EventLoopWaits waits;
        FixedProgramInfo program{QString()};
        mdlSndAPI snd(*m_audio, waits, program);
        const QString path = write(QStringLiteral("one second.wav"), toneWav(1000));
        QElapsedTimer t;
        t.start();
        snd.PlaySoundFile(path, QStringLiteral("S1"), true, 0);
        const qint64 ms = t.elapsed();
        qInfo("a 1 s wav played with wait took %lld ms", ms);
        QVERIFY2(ms >= 800 && ms <= 3000, qPrintable(QString::number(ms)));
        QVERIFY(!m_audio->isPlaying(0));
    }

    void filesLoadAndPlay_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<AudioOut::Kind>("kind");
        QTest::newRow("mid") << QStringLiteral(SAMPLE_DIR "/sounds/tune.mid") << AudioOut::Kind::Midi;
        QTest::newRow("mp3") << QStringLiteral(SAMPLE_DIR "/sounds/buzzer.mp3") << AudioOut::Kind::Mpeg;
        QTest::newRow("wav") << QStringLiteral(SAMPLE_DIR "/sounds/chime.wav") << AudioOut::Kind::Wave;
    }

    void filesLoadAndPlay()
    {
        QFETCH(QString, file);
        QFETCH(AudioOut::Kind, kind);
        QSignalSpy ended(m_audio.get(), &AudioOut::finished);
        QString error;
        QVERIFY2(m_audio->open(2, file, kind, &error), qPrintable(error));
        m_audio->play(2);
        QVERIFY(m_audio->isPlaying(2));
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), 2);
        QVERIFY(!m_audio->isPlaying(2));
    }

    void cutSoundDoesNotReportAnEnd()
    {
        QSignalSpy ended(m_audio.get(), &AudioOut::finished);
        const QString path = write(QStringLiteral("long.wav"), toneWav(3000));
        QVERIFY(m_audio->open(0, path, AudioOut::Kind::Wave));
        m_audio->play(0);
        QTest::qWait(50);
        m_audio->stop(0);
        QVERIFY(!m_audio->isPlaying(0));
        QTest::qWait(100);
        QCOMPARE(ended.size(), 0);
        // A second play of the same chunk starts again; closing forgets it.
        m_audio->play(0);
        QVERIFY(m_audio->isPlaying(0));
        m_audio->close(0);
        QVERIFY(!m_audio->isPlaying(0));
        m_audio->play(0);
        QVERIFY(!m_audio->isPlaying(0));
    }

    void unreadableFilesFailToOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<AudioOut::Kind>("kind");
        QTest::newRow("text as wav") << "text.wav" << QByteArray("not a sound at all")
                                     << AudioOut::Kind::Wave;
        QTest::newRow("wav as mid") << "tone.mid" << toneWav(100) << AudioOut::Kind::Midi;
        QTest::newRow("empty mp3") << "empty.mp3" << QByteArray() << AudioOut::Kind::Mpeg;
        QTest::newRow("wav as mp3") << "tone.mp3" << toneWav(100) << AudioOut::Kind::Mpeg;
        // The mixer would decode it as music, under its lock; a WAV must be a RIFF WAVE.
        QFile mp3(QStringLiteral(SAMPLE_DIR "/sounds/buzzer.mp3"));
        mp3.open(QIODevice::ReadOnly);
        QTest::newRow("mp3 as wav") << "buzzer.wav" << mp3.readAll() << AudioOut::Kind::Wave;
    }

    void unreadableFilesFailToOpen()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(AudioOut::Kind, kind);
        QVERIFY(!m_audio->open(1, write(name, bytes), kind));
        m_audio->play(1);
        QVERIFY(!m_audio->isPlaying(1));
    }

    void midiIsTrimmedAndAudible()
    {
        QFile f(QStringLiteral(SAMPLE_DIR "/sounds/tune.mid"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        MidiRenderer renderer;
        const MidiRenderer::Pcm pcm = renderer.render(f.readAll(), 44100, 2);
        QVERIFY2(pcm.ok(), qPrintable(pcm.error));
        // Four notes over 1.25 s, then their release; not seconds of silence.
        const double seconds = double(pcm.samples.size()) / (44100 * 2 * 2);
        QVERIFY2(seconds > 1.25 && seconds < 2.5, qPrintable(QString::number(seconds)));
        const auto *s = reinterpret_cast<const qint16 *>(pcm.samples.constData());
        int peak = 0;
        for (qsizetype i = 0; i < pcm.samples.size() / 2; ++i)
            peak = qMax(peak, qAbs(int(s[i])));
        QVERIFY2(peak > 4000 && peak < 32000, qPrintable(QString::number(peak)));
    }

    void replacingAMidiWhileItRenders()
    {
        // The first song's render has ended, and its result waits in the event
        // queue, when the channel is opened again: that result must not take the
        // place of the second open's, here a song with nothing to sound.
        QSignalSpy ended(m_audio.get(), &AudioOut::finished);
        QVERIFY(m_audio->open(3, QStringLiteral(SAMPLE_DIR "/sounds/tune.mid"), AudioOut::Kind::Midi));
        m_audio->play(3);
        m_audio->waitForDecodes();
        QVERIFY(m_audio->open(3, write(QStringLiteral("silent.mid"), midiNotes(0, 0)), AudioOut::Kind::Midi));
        m_audio->play(3);
        QVERIFY(!ended.wait(3000)); // the first song lasts under 3 s
        QCOMPARE(ended.size(), 0);
        QVERIFY(!m_audio->isPlaying(3));

        // The same with a WAV opened over a song still rendering.
        QVERIFY(m_audio->open(3, QStringLiteral(SAMPLE_DIR "/sounds/tune.mid"), AudioOut::Kind::Midi));
        m_audio->play(3);
        QVERIFY(m_audio->open(3, write(QStringLiteral("short.wav"), toneWav(200)), AudioOut::Kind::Wave));
        m_audio->play(3);
        QVERIFY(ended.wait(5000));
        QTest::qWait(300);
        QCOMPARE(ended.size(), 1);
        QVERIFY(!m_audio->isPlaying(3));
    }

    void channelsDecodeApart()
    {
        // The song's decode on channel 0 is held until the test lets it go; a
        // short MP3 on another channel sounds and ends meanwhile.
        QSemaphore gate;
        m_audio->decodeStarting = [&gate](int channel) {
            if (channel == 0)
                gate.acquire();
        };
        const auto cleanUp = qScopeGuard([&] {
            gate.release();
            m_audio->waitForDecodes();
            m_audio->decodeStarting = {};
        });
        QSignalSpy ended(m_audio.get(), &AudioOut::finished);
        QVERIFY(m_audio->open(0, QStringLiteral(SAMPLE_DIR "/sounds/tune.mid"), AudioOut::Kind::Midi));
        m_audio->play(0);
        QVERIFY(m_audio->open(2, QStringLiteral(SAMPLE_DIR "/sounds/buzzer.mp3"), AudioOut::Kind::Mpeg));
        m_audio->play(2);
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), 2);
        QVERIFY(m_audio->isPlaying(0));
        QCOMPARE(Mix_Playing(0), 0); // the song is still held in its decode
        gate.release();
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.size(), 2);
        QCOMPARE(ended.at(1).at(0).toInt(), 0);
    }

    void theDecodedSoundIsPlayedWhereItWasDecoded()
    {
        // A copy on the way to the mixer would cost the GUI thread tens of
        // megabytes for a long song.
        std::atomic<const char *> samples{nullptr};
        m_audio->decodeDone = [&samples](int, const Pcm &pcm) { samples = pcm.samples.constData(); };
        const auto cleanUp = qScopeGuard([&] {
            m_audio->waitForDecodes();
            m_audio->decodeDone = {};
        });
        QSignalSpy ended(m_audio.get(), &AudioOut::finished);
        QVERIFY(m_audio->open(2, QStringLiteral(SAMPLE_DIR "/sounds/buzzer.mp3"), AudioOut::Kind::Mpeg));
        m_audio->play(2);
        QTRY_VERIFY(Mix_Playing(2));
        QVERIFY(samples.load());
        QCOMPARE(static_cast<const void *>(Mix_GetChunk(2)->abuf), static_cast<const void *>(samples.load()));
        QVERIFY(ended.wait(10000));
    }

    void aLongMp3IsConvertedWhole()
    {
        // Over a megabyte of samples at another rate and channel count goes
        // through the converter in many slices; none may be lost.
        QFile f(QStringLiteral(SAMPLE_DIR "/sounds/buzzer.mp3"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray mp3 = f.readAll().repeated(40);
        const Pcm source = Mp3Decoder::decode(mp3);
        QVERIFY2(source.ok(), qPrintable(source.error));
        int rate = 0, channels = 0;
        Uint16 format = 0;
        QVERIFY(Mix_QuerySpec(&rate, &format, &channels));
        QVERIFY(source.rate != rate || source.channels != channels);
        std::atomic<qsizetype> converted{-1};
        m_audio->decodeDone = [&converted](int, const Pcm &pcm) { converted = pcm.samples.size(); };
        const auto cleanUp = qScopeGuard([&] {
            m_audio->waitForDecodes();
            m_audio->decodeDone = {};
        });
        QVERIFY(m_audio->open(1, write(QStringLiteral("long.mp3"), mp3), AudioOut::Kind::Mpeg));
        m_audio->waitForDecodes();
        m_audio->close(1);
        const double expected =
            double(source.samples.size()) * rate * channels / (double(source.rate) * source.channels);
        QVERIFY2(qAbs(converted.load() - expected) < expected * 0.01,
                 qPrintable(QStringLiteral("%1 of %2").arg(converted.load()).arg(expected)));
    }

    void anMp3OverItsLimitIsRefused()
    {
        // Five minutes of MP3 take some 12 MB; a bigger file is not even read.
        const QString path = write(QStringLiteral("huge.mp3"), QByteArray("ID3\x04\x00", 5));
        QVERIFY(QFile::resize(path, Mp3Decoder::MaxFileBytes + 1));
        QString error;
        QVERIFY(!m_audio->open(1, path, AudioOut::Kind::Mpeg, &error));
        QCOMPARE(error, QStringLiteral("file too large"));
    }
};

QTEST_MAIN(tst_SdlAudioOut)
#include "tst_SdlAudioOut.moc"
