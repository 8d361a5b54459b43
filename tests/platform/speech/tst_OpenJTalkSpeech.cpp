#include "OpenJTalkSpeech.h"

#include "FakeAudioOut.h"
#include "WavWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ThreePieces =
    QStringLiteral("北口です。お降りの方は、お知らせください。本日も、ありがとうございます。");
const QStringList Voices{"/v/a.htsvoice", "/v/b.htsvoice"};
constexpr qint32 Failed = SpeechEngine::StatusFailed, Idle = SpeechEngine::StatusIdle;

} // namespace

class tst_OpenJTalkSpeech : public QObject
{
    Q_OBJECT

    // Stand-ins for open_jtalk, in the build tree as a temporary folder may be mounted noexec: writes_wav
    // reads its input and writes a short WAV; broken is an executable the system cannot run.
    QTemporaryDir m_dir{QCoreApplication::applicationDirPath() + QStringLiteral("/scripts-XXXXXX")};
    bool m_scriptsRun = false;

    OpenJTalkSetup setup(const QString &name) const
    {
        return {m_dir.filePath(name), "/dic", Voices, m_dir.filePath("speech.ini")};
    }
    static QList<QProcess *> processes(const OpenJTalkSpeech &e) { return e.findChildren<QProcess *>(); }

private slots:
    void initTestCase()
    {
        const auto write = [this](const char *name, const QByteArray &bytes) {
            QFile f(m_dir.filePath(name));
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()
                && f.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        };
        const QByteArray wav = m_dir.filePath("piece.wav").toUtf8();
        QVERIFY(write("piece.wav", toneWav(50)) && write("broken", "#!/nonexistent/interpreter\n")
                && write("writes_wav", "#!/bin/sh\ncat >/dev/null\ncat '" + wav + "'\n"));
        QProcess p;
        p.start(m_dir.filePath("writes_wav"));
        p.closeWriteChannel();
        m_scriptsRun =
            p.waitForFinished(10000) && p.exitCode() == 0 && p.readAllStandardOutput() == toneWav(50);
    }

    void init()
    {
        if (!m_scriptsRun && QByteArray(QTest::currentTestFunction()).startsWith("script"))
            QSKIP("shell scripts cannot be run here");
    }

    void argumentsAndKeptSettings()
    {
        FakeAudioOut audio;
        const VoiceSettings outOfRange{"/gone.htsvoice", 9, -99, 0.1, 500},
            chosen{Voices[1], 1.5, 3, 0.6, 70};
        QCOMPARE(OpenJTalkSpeech(setup("x"), audio).arguments(outOfRange),
                 (QStringList{"-x", "/dic", "-m", Voices[0], "-r", "2.000", "-fm", "-12.000", "-a", "0.450",
                              "-ow", "/dev/stdout"}));
        OpenJTalkSpeech(setup("x"), audio).setVoiceSettings(chosen);
        QCOMPARE(OpenJTalkSpeech(setup("x"), audio).voiceSettings(), chosen);
    }

    void failures()
    {
        FakeAudioOut audio;
        OpenJTalkSpeech none(setup("none"), audio), broken(setup("broken"), audio);
        none.Speak(ThreePieces);
        QCOMPARE(none.Status(), Failed); // at once, for the tape reads it straight after
        none.Speak("。、");
        QCOMPARE(none.Status(), Idle); // nothing to say
        broken.Speak(ThreePieces);     // a program the system cannot run
        QTRY_COMPARE(broken.Status(), Failed);
        QTRY_VERIFY(processes(broken).isEmpty()); // not one piece after another: the rest is given up
        QCOMPARE(broken.Status(), Failed);
        QCOMPARE(audio.wavs.size(), 0);
    }

    void scriptPieceThatCannotBePlayedIsSkipped()
    {
        FakeAudioOut audio;
        OpenJTalkSpeech engine(setup("writes_wav"), audio);
        engine.Speak(ThreePieces);
        QTRY_COMPARE(audio.wavs.size(), 1);
        QCOMPARE(audio.volume[AudioOut::SpeechChannel], engine.voiceSettings().volume);
        QTRY_VERIFY(processes(engine).isEmpty()); // the second is made while the first sounds, and waits
        QCOMPARE(audio.wavs.size(), 1);
        audio.failingWavs = 1;
        audio.ended(AudioOut::SpeechChannel);
        QCOMPARE(audio.wavs.size(), 2); // the second could not be opened
        QTRY_COMPARE(audio.wavs.size(), 3);
        QCOMPARE(engine.Status(), SpeechEngine::StatusSpeaking);
        audio.ended(AudioOut::SpeechChannel);
        QCOMPARE(engine.Status(), Idle);
    }

    void scriptStopSilencesTheVoice()
    {
        FakeAudioOut audio;
        OpenJTalkSpeech engine(setup("writes_wav"), audio);
        engine.Speak(ThreePieces);
        QTRY_COMPARE(audio.wavs.size(), 1);
        audio.take();
        engine.StopSpeaking();
        QCOMPARE(audio.take(), QStringList{"stop 4"});
        QCOMPARE(engine.Status(), Idle);
        audio.ended(AudioOut::SpeechChannel);
        // Whatever was still being made has ended and been delivered: nothing more sounds.
        QTRY_VERIFY(processes(engine).isEmpty());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(audio.wavs.size(), 1);
    }

    void scriptTheEngineOutlivesTheMixer()
    {
        auto audio = std::make_unique<FakeAudioOut>();
        OpenJTalkSpeech engine(setup("writes_wav"), *audio);
        engine.Speak(ThreePieces);
        QTRY_COMPARE(audio->wavs.size(), 1);
        QTRY_VERIFY(processes(engine).isEmpty());
        audio.reset();
        // The rest has nowhere to sound: it is not made, and the speech fails at once.
        QCOMPARE(engine.Status(), Failed);
        QVERIFY(processes(engine).isEmpty());
        engine.Speak(QStringLiteral("終点です。"));
        QCOMPARE(engine.Status(), Failed);
        QVERIFY(processes(engine).isEmpty());
    }
};

QTEST_MAIN(tst_OpenJTalkSpeech)
#include "tst_OpenJTalkSpeech.moc"
