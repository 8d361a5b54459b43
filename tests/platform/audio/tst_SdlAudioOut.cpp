// The real mixer on SDL's dummy driver, which plays in real time: the only
// test that takes seconds of the clock.

#include "SdlAudioOut.h"
#include "WavFormat.h"

#include "MidiWriter.h"
#include "Mp3Decoder.h"
#include "WavWriter.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <SDL_mixer.h>

namespace {

const QString Tune = QStringLiteral(SAMPLE_DIR "/sounds/tune.mid");
const QString Buzzer = QStringLiteral(SAMPLE_DIR "/sounds/buzzer.mp3");
using Kind = AudioOut::Kind;

} // namespace

class tst_SdlAudioOut : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    SdlAudioOut m_audio;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }

private slots:
    void initTestCase() { QVERIFY(m_audio.isReady()); }

    void play_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("opens");
        QFile mp3(Buzzer);
        mp3.open(QIODevice::ReadOnly);
        QTest::newRow("mid") << Tune << Kind::Midi << true;
        QTest::newRow("mp3") << Buzzer << Kind::Mpeg << true;
        QTest::newRow("wav") << QStringLiteral(SAMPLE_DIR "/sounds/chime.wav") << Kind::Wave << true;
        QTest::newRow("wav as mid") << write("tone.mid", toneWav(100)) << Kind::Midi << false;
        QTest::newRow("wav as mp3") << write("tone.mp3", toneWav(100)) << Kind::Mpeg << false;
        // The mixer would decode it as music, under its lock; a WAV must be a RIFF WAVE.
        QTest::newRow("mp3 as wav") << write("buzzer.wav", mp3.readAll()) << Kind::Wave << false;
        QTest::newRow("mp3 over its limit") << write("huge.mp3", "ID3\x04") << Kind::Mpeg << false;
        // The mixer's conversion from 1 Hz overflows its buffer size and writes past it.
        QTest::newRow("wav at 1 Hz") << write("1hz.wav", wavOf(1, 1, 1, 8, QByteArray(12174, '\x80')))
                                     << Kind::Wave << false;
        QTest::newRow("wav of 8-bit at 8 kHz")
            << write("8k.wav", wavOf(1, 1, 8000, 8, QByteArray(800, '\x80'))) << Kind::Wave << true;
        QFile::resize(m_dir.filePath("huge.mp3"), Mp3Decoder::MaxFileBytes + 1);
    }

    void wavFormat_data()
    {
        QTest::addColumn<QByteArray>("wav");
        QTest::addColumn<QString>("refusal"); // empty: accepted
        const QByteArray second(44100 * 4, '\0');
        QTest::newRow("CD stereo") << wavOf(1, 2, 44100, 16, second) << QString();
        QTest::newRow("nine channels") << wavOf(1, 9, 8000, 8, second) << "9 channels";
        QTest::newRow("12-bit") << wavOf(1, 1, 8000, 12, second) << "format 1 with 12-bit samples";
        // 32 MB at 8 kHz, 8-bit mono: about 12 minutes, 705 MB once converted.
        QTest::newRow("too long") << wavOf(1, 1, 8000, 8, QByteArray(32 << 20, '\x80')) << "too long to play";
        // The mixer reads the first format chunk; a later one must not hide it.
        QByteArray twoFormats = wavOf(1, 1, 1, 8, second);
        twoFormats.insert(36, wavOf(1, 2, 44100, 16, {}).mid(12, 24));
        QTest::newRow("a second format chunk") << twoFormats << "a rate of 1 Hz";
        QTest::newRow("header alone") << QByteArray("RIFF\0\0\0\0WAVE", 12) << "no format chunk";
    }

    void wavFormat()
    {
        QFETCH(QByteArray, wav);
        QFETCH(QString, refusal);
        const auto checked = WavFormat::check(wav, 44100, 2);
        QCOMPARE(std::holds_alternative<QString>(checked) ? std::get<QString>(checked) : QString(), refusal);
    }

    void play()
    {
        QFETCH(QString, file);
        QFETCH(Kind, kind);
        QFETCH(bool, opens);
        QSignalSpy ended(&m_audio, &AudioOut::finished);
        QString error;
        QVERIFY2(m_audio.open(2, file, kind, &error) == opens, qPrintable(error));
        m_audio.play(2);
        QCOMPARE(m_audio.isPlaying(2), opens);
        QCOMPARE(ended.wait(opens ? 10000 : 100), opens);
        QCOMPARE(ended, opens ? QList<QVariantList>{{2}} : QList<QVariantList>());
        QVERIFY(!m_audio.isPlaying(2));
    }

    // A long song sounds from its first second on, while the rest is made.
    void longMidiSoundsWhileItIsMade()
    {
        const QString song = write("long.mid", midiNotes(240, 500, 3)); // two minutes
        QVERIFY(m_audio.open(2, song, Kind::Midi));
        m_audio.play(2);
        QVERIFY(m_audio.isPlaying(2));
        QTRY_VERIFY(Mix_Playing(2));
        QVERIFY(m_audio.isDecoding(2));
        m_audio.close(2);
        m_audio.waitForDecodes();
        QVERIFY(!m_audio.isPlaying(2));
    }

    void replacingAMidiWhileItRenders()
    {
        // The first song's render has ended, and its result waits in the event queue, when the channel is
        // opened again: that result must not take the place of the second open's, a song with no notes.
        QSignalSpy ended(&m_audio, &AudioOut::finished);
        QVERIFY(m_audio.open(3, Tune, Kind::Midi));
        m_audio.play(3);
        m_audio.waitForDecodes();
        QVERIFY(m_audio.open(3, write("silent.mid", midiNotes(0, 0)), Kind::Midi));
        m_audio.play(3);
        QVERIFY(!ended.wait(3000)); // the first song lasts under 3 s
        // The same with a WAV opened over a song still rendering.
        QVERIFY(m_audio.open(3, Tune, Kind::Midi));
        m_audio.play(3);
        QVERIFY(m_audio.open(3, write("short.wav", toneWav(200)), Kind::Wave));
        m_audio.play(3);
        QVERIFY(ended.wait(5000));
        // The song's render has ended and its result has been delivered: it does not end the channel again.
        m_audio.waitForDecodes();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(ended.size(), 1);
        QVERIFY(!m_audio.isPlaying(3));
    }
};

QTEST_MAIN(tst_SdlAudioOut)
#include "tst_SdlAudioOut.moc"
