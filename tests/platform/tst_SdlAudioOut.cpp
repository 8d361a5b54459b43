// The real mixer on SDL's dummy driver, which plays in real time: the only
// test that takes seconds of the clock.

#include "SdlAudioOut.h"

#include "MidiWriter.h"
#include "Mp3Decoder.h"
#include "WavWriter.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
        QFile::resize(m_dir.filePath("huge.mp3"), Mp3Decoder::MaxFileBytes + 1);
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
        QTest::qWait(300);
        QCOMPARE(ended.size(), 1);
        QVERIFY(!m_audio.isPlaying(3));
    }
};

QTEST_MAIN(tst_SdlAudioOut)
#include "tst_SdlAudioOut.moc"
