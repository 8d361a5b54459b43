#include "OpenJTalkSpeech.h"

#include "FakeAudioOut.h"
#include "WavWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ThreePieces = QStringLiteral("次は、北口です。お降りの方は、お知らせください。");
const QStringList Voices{"/v/a.htsvoice", "/v/b.htsvoice"};

} // namespace

class tst_OpenJTalkSpeech : public QObject
{
    Q_OBJECT

    // Stand-ins for open_jtalk, in the build tree as a temporary folder may be mounted noexec.
    QTemporaryDir m_dir{QCoreApplication::applicationDirPath() + QStringLiteral("/scripts-XXXXXX")};

    OpenJTalkSetup setup(const char *n) const
    {
        return {m_dir.filePath(n), "/d", Voices, m_dir.filePath("ini")};
    }

private slots:
    // Settings bounded and kept; a program that cannot run fails; the next piece made while one sounds,
    // one unplayable skipped; a stop drops what was being made; without the mixer speech fails at once.
    void speaking()
    {
        const auto write = [this](const char *name, const QByteArray &bytes) {
            QFile f(m_dir.filePath(name));
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()
                && f.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        };
        const QByteArray wav = toneWav(50).toBase64();
        QVERIFY(write("broken", "#!/nonexistent/interpreter\n")
                && write("writes_wav", "#!/bin/sh\ncat >/dev/null\nbase64 -d <<E\n" + wav + "\nE\n"));
        auto audio = std::make_unique<FakeAudioOut>();
        OpenJTalkSpeech broken(setup("broken"), *audio), engine(setup("writes_wav"), *audio);
        const VoiceSettings wild{"/gone.htsvoice", 9, -99, 0.1, 500}, chosen{Voices[1], 1.5, 3, 0.6, 70};
        QCOMPARE(engine.arguments(wild),
                 (QStringList{"-x", "/d", "-m", Voices[0], "-r", "2.000", "-fm", "-12.000", "-a", "0.450",
                              "-ow", "/dev/stdout"}));
        engine.setVoiceSettings(chosen);
        QCOMPARE(OpenJTalkSpeech(setup("x"), *audio).voiceSettings(), chosen);
        broken.Speak(ThreePieces);
        QTRY_COMPARE(broken.Status(), SpeechEngine::StatusFailed);
        QTRY_VERIFY(broken.findChildren<QProcess *>().isEmpty());
        QCOMPARE(broken.Status(), SpeechEngine::StatusFailed);
        QCOMPARE(audio->wavs.size(), 0);
        engine.Speak(ThreePieces);
        QTRY_COMPARE(audio->wavs.size(), 1);
        QTRY_VERIFY(engine.findChildren<QProcess *>().isEmpty());
        QCOMPARE(audio->wavs.size(), 1);
        audio->failingWavs = 1;
        audio->ended(AudioOut::SpeechChannel);
        QCOMPARE(audio->wavs.size(), 2);
        QTRY_COMPARE(audio->wavs.size(), 3);
        QCOMPARE(engine.Status(), SpeechEngine::StatusSpeaking);
        audio->ended(AudioOut::SpeechChannel);
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
        engine.Speak(ThreePieces);
        QTRY_COMPARE(audio->wavs.size(), 4);
        audio->take();
        engine.StopSpeaking();
        QCOMPARE(audio->take(), QStringList{"stop 4"});
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
        audio->ended(AudioOut::SpeechChannel);
        QTRY_VERIFY(engine.findChildren<QProcess *>().isEmpty());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(audio->wavs.size(), 4);
        engine.Speak(ThreePieces);
        QTRY_COMPARE(audio->wavs.size(), 5);
        QTRY_VERIFY(engine.findChildren<QProcess *>().isEmpty());
        audio.reset();
        QCOMPARE(engine.Status(), SpeechEngine::StatusFailed);
        QVERIFY(engine.findChildren<QProcess *>().isEmpty());
        engine.Speak(QStringLiteral("終点です。"));
        QCOMPARE(engine.Status(), SpeechEngine::StatusFailed);
        QVERIFY(engine.findChildren<QProcess *>().isEmpty());
    }
};

QTEST_MAIN(tst_OpenJTalkSpeech)
#include "tst_OpenJTalkSpeech.moc"
