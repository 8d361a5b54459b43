#include "OpenJTalkSpeech.h"

#include "FakeAudioOut.h"
#include "TapeFile.h"
#include "WavWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

void touch(const QString &path, QFileDevice::Permissions permissions = {})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/sh\n");
    f.close();
    if (permissions)
        f.setPermissions(permissions);
}

// The readings Open JTalk chose, one "word/pronunciation" a morpheme, from its -ot trace.
QStringList traceReadings(const QString &trace)
{
    QStringList out;
    for (const QString &line : trace.split(u'\n')) {
        if (line.startsWith(QLatin1String("[Output label]")))
            break;
        const QStringList f = line.split(u',');
        if (f.size() > 9)
            out << f[0] + u'/' + f[9];
    }
    return out;
}

} // namespace

class tst_OpenJTalkSpeech : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::optional<OpenJTalkSetup> m_real; // the installed Open JTalk, when there is one

    OpenJTalkSetup fakeSetup() const
    {
        OpenJTalkSetup s;
        s.program = QStringLiteral("/nonexistent/open_jtalk");
        s.dictionary = QStringLiteral("/dic");
        s.voices = {QStringLiteral("/v/a.htsvoice"), QStringLiteral("/v/b.htsvoice")};
        s.settingsFile = m_dir.filePath(QStringLiteral("config/speech.ini"));
        return s;
    }

    // Stand-ins for open_jtalk, so that the engine's queue can be driven without
    // the real synthesiser: one reads its input and writes a short WAV, the
    // other cannot be run. They live under the build tree, as a temporary folder
    // may be mounted noexec.
    QTemporaryDir m_scripts{QCoreApplication::applicationDirPath() + QStringLiteral("/scripts-XXXXXX")};
    OpenJTalkSetup m_wavWriter;
    OpenJTalkSetup m_broken;
    bool m_scriptsRun = false;

    static bool writeFile(const QString &path, const QByteArray &bytes,
                          QFileDevice::Permissions permissions = {})
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return false;
        f.close();
        return !permissions || f.setPermissions(permissions);
    }

    void writeScripts()
    {
        QVERIFY2(m_scripts.isValid(), qPrintable(m_scripts.errorString()));
        const auto exe = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        const QString wav = m_scripts.filePath(QStringLiteral("piece.wav"));
        QVERIFY(writeFile(wav, toneWav(50)));
        m_wavWriter = fakeSetup();
        m_wavWriter.program = m_scripts.filePath(QStringLiteral("writes_wav"));
        QVERIFY(
            writeFile(m_wavWriter.program, "#!/bin/sh\ncat >/dev/null\ncat '" + wav.toUtf8() + "'\n", exe));
        // Still an executable file, but the system cannot run it.
        m_broken = fakeSetup();
        m_broken.program = m_scripts.filePath(QStringLiteral("broken"));
        QVERIFY(writeFile(m_broken.program, "#!/nonexistent/interpreter\n", exe));

        // Where scripts cannot run, the tests that use them would wait in vain
        // or see the failure they look for for another reason.
        QProcess p;
        p.start(m_wavWriter.program);
        p.closeWriteChannel();
        m_scriptsRun = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0
            && p.readAllStandardOutput() == toneWav(50);
        if (!m_scriptsRun)
            qWarning() << "cannot run a shell script in" << m_scripts.path() << p.errorString();
    }

    // Runs the installed Open JTalk on one line with its trace on.
    QStringList readingsOf(const OpenJTalkSpeech &engine, const QString &text)
    {
        const QString trace = m_dir.filePath(QStringLiteral("trace.txt"));
        QProcess p;
        QStringList args = engine.arguments(engine.voiceSettings());
        args.replace(args.indexOf(QStringLiteral("/dev/stdout")), QStringLiteral("/dev/null"));
        p.start(engine.setup().program, args << QStringLiteral("-ot") << trace);
        p.write(engine.prepared(text).toUtf8() + '\n');
        p.closeWriteChannel();
        p.waitForFinished(30000);
        QFile f(trace);
        f.open(QIODevice::ReadOnly);
        return traceReadings(QString::fromUtf8(f.readAll()));
    }

    QStringList sampleAnnouncements()
    {
        QFile f(QStringLiteral(SAMPLE_DIR "/12tp.csv"));
        f.open(QIODevice::ReadOnly);
        QStringList texts;
        for (const TapeEntry &e : TapeFile::read(f.readAll()).entries)
            texts << e.Text;
        return texts;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        OpenJTalkPlaces places = OpenJTalkPlaces::standard(QString());
        places.settingsFile = m_dir.filePath(QStringLiteral("real.ini"));
        m_real = OpenJTalkSetup::find(places);
        writeScripts();
    }

    void find_data()
    {
        QTest::addColumn<bool>("program");
        QTest::addColumn<bool>("dictionary");
        QTest::addColumn<bool>("voice");
        QTest::newRow("all there") << true << true << true;
        QTest::newRow("no program") << false << true << true;
        QTest::newRow("no dictionary") << true << false << true;
        QTest::newRow("no voice") << true << true << false;
    }

    void find()
    {
        QFETCH(bool, program);
        QFETCH(bool, dictionary);
        QFETCH(bool, voice);
        QTemporaryDir root;
        OpenJTalkPlaces places;
        places.programFolders = {root.filePath(QStringLiteral("bin"))};
        places.dictionary = root.filePath(QStringLiteral("dic"));
        places.voiceFolders = {root.filePath(QStringLiteral("voices")),
                               root.filePath(QStringLiteral("more"))};
        QDir().mkpath(places.programFolders[0]);
        QDir().mkpath(places.voiceFolders[0]);
        if (program)
            touch(root.filePath(QStringLiteral("bin/open_jtalk")),
                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (dictionary)
            touch(root.filePath(QStringLiteral("dic/sys.dic")));
        if (voice) {
            touch(root.filePath(QStringLiteral("voices/m/b.htsvoice")));
            touch(root.filePath(QStringLiteral("more/a.htsvoice")));
            touch(root.filePath(QStringLiteral("voices/readme.txt")));
        }
        const std::optional<OpenJTalkSetup> s = OpenJTalkSetup::find(places);
        QCOMPARE(s.has_value(), program && dictionary && voice);
        if (s) {
            QCOMPARE(s->program, root.filePath(QStringLiteral("bin/open_jtalk")));
            QCOMPARE(s->voices,
                     (QStringList{root.filePath(QStringLiteral("more/a.htsvoice")),
                                  root.filePath(QStringLiteral("voices/m/b.htsvoice"))}));
        }
    }

    void arguments_data()
    {
        QTest::addColumn<VoiceSettings>("settings");
        QTest::addColumn<QStringList>("tail");
        QTest::newRow("defaults") << VoiceSettings{}
                                  << QStringList{"/v/a.htsvoice", "-r",  "1.000",      "-fm", "0.000", "-a",
                                                 "0.550",         "-ow", "/dev/stdout"};
        QTest::newRow("chosen") << VoiceSettings{"/v/b.htsvoice", 1.25, -2.5, 0.5, 80}
                                << QStringList{"/v/b.htsvoice", "-r",  "1.250",      "-fm", "-2.500", "-a",
                                               "0.500",         "-ow", "/dev/stdout"};
        QTest::newRow("out of range")
            << VoiceSettings{"/gone.htsvoice", 9, -99, 0.1, 500}
            << QStringList{"/v/a.htsvoice", "-r",  "2.000",      "-fm", "-12.000", "-a",
                           "0.450",         "-ow", "/dev/stdout"};
    }

    void arguments()
    {
        QFETCH(VoiceSettings, settings);
        QFETCH(QStringList, tail);
        FakeAudioOut audio;
        OpenJTalkSpeech engine(fakeSetup(), audio);
        QCOMPARE(engine.arguments(settings), QStringList({"-x", "/dic", "-m"}) + tail);
    }

    void voiceSettingsAreKeptInTheirOwnFile()
    {
        FakeAudioOut audio;
        const VoiceSettings chosen{QStringLiteral("/v/b.htsvoice"), 1.5, 3, 0.6, 70};
        {
            OpenJTalkSpeech engine(fakeSetup(), audio);
            QCOMPARE(engine.voiceSettings().voice, QStringLiteral("/v/a.htsvoice"));
            engine.setVoiceSettings(chosen);
        }
        QVERIFY(QFileInfo(fakeSetup().settingsFile).isFile());
        OpenJTalkSpeech again(fakeSetup(), audio);
        QCOMPARE(again.voiceSettings(), chosen);
        // A voice that has gone gives way to the first one.
        OpenJTalkSetup fewer = fakeSetup();
        fewer.voices = {QStringLiteral("/v/a.htsvoice")};
        QCOMPARE(OpenJTalkSpeech(fewer, audio).voiceSettings().voice, QStringLiteral("/v/a.htsvoice"));
    }

    void aProgramThatCannotStartFails()
    {
        FakeAudioOut audio;
        OpenJTalkSpeech engine(fakeSetup(), audio);
        engine.Speak(QStringLiteral("次は、北口です。"));
        QCOMPARE(engine.Status(), SpeechEngine::StatusFailed);
        engine.StopSpeaking();
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
        QCOMPARE(audio.wavs.size(), 0);
    }

    void aProgramThatNoLongerStartsFails()
    {
        if (!m_scriptsRun)
            QSKIP("shell scripts cannot be run here");
        FakeAudioOut audio;
        OpenJTalkSpeech engine(m_broken, audio);
        engine.Speak(
            QStringLiteral("次は、北口です。お降りの方は、お知らせください。本日も、ありがとうございます。"));
        QTRY_COMPARE(engine.Status(), SpeechEngine::StatusFailed);
        // Not one piece after another: the rest is given up.
        QTRY_VERIFY(engine.findChildren<QProcess *>().isEmpty());
        QCOMPARE(engine.Status(), SpeechEngine::StatusFailed);
        QCOMPARE(audio.wavs.size(), 0);
        engine.StopSpeaking();
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
    }

    void aPieceThatCannotBePlayedIsSkipped()
    {
        if (!m_scriptsRun)
            QSKIP("shell scripts cannot be run here");
        FakeAudioOut audio;
        OpenJTalkSpeech engine(m_wavWriter, audio);
        engine.Speak(
            QStringLiteral("次は、北口です。お降りの方は、お知らせください。本日も、ありがとうございます。"));
        QTRY_COMPARE(audio.wavs.size(), 1);
        // The second piece is made while the first sounds, and waits for it.
        QTRY_VERIFY(engine.findChildren<QProcess *>().isEmpty());
        QCOMPARE(audio.wavs.size(), 1);
        audio.failingWavs = 1;
        audio.ended(AudioOut::SpeechChannel);
        QCOMPARE(audio.wavs.size(), 2); // the second could not be opened
        QTRY_COMPARE(audio.wavs.size(), 3);
        QVERIFY(audio.isPlaying(AudioOut::SpeechChannel));
        QCOMPARE(engine.Status(), SpeechEngine::StatusSpeaking);
        audio.ended(AudioOut::SpeechChannel);
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
    }

    void theLastPieceThatCannotBePlayedEndsTheSpeech()
    {
        if (!m_scriptsRun)
            QSKIP("shell scripts cannot be run here");
        FakeAudioOut audio;
        OpenJTalkSpeech engine(m_wavWriter, audio);
        engine.Speak(QStringLiteral("次は、北口です。お降りの方は、お知らせください。"));
        QTRY_COMPARE(audio.wavs.size(), 1);
        QTRY_VERIFY(engine.findChildren<QProcess *>().isEmpty());
        audio.failingWavs = 1;
        audio.ended(AudioOut::SpeechChannel);
        QCOMPARE(audio.wavs.size(), 2);
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
    }

    void theEngineMayOutliveTheMixer()
    {
        if (!m_scriptsRun)
            QSKIP("shell scripts cannot be run here");
        auto audio = std::make_unique<FakeAudioOut>();
        OpenJTalkSpeech engine(m_wavWriter, *audio);
        engine.Speak(QStringLiteral("次は、北口です。お降りの方は、お知らせください。"));
        QTRY_COMPARE(audio->wavs.size(), 1);
        QTRY_VERIFY(engine.findChildren<QProcess *>().isEmpty());
        audio.reset();
        // The rest has nowhere to sound: it is not made, and the speech fails at once.
        QCOMPARE(engine.Status(), SpeechEngine::StatusFailed);
        QVERIFY(engine.findChildren<QProcess *>().isEmpty());
        engine.Speak(QStringLiteral("終点です。"));
        QCOMPARE(engine.Status(), SpeechEngine::StatusFailed);
        QVERIFY(engine.findChildren<QProcess *>().isEmpty());
        engine.StopSpeaking();
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
    }

    void theMixerGoingWhileAPieceIsMadeEndsTheSpeech()
    {
        if (!m_scriptsRun)
            QSKIP("shell scripts cannot be run here");
        auto audio = std::make_unique<FakeAudioOut>();
        OpenJTalkSpeech engine(m_wavWriter, *audio);
        engine.Speak(QStringLiteral("次は、北口です。お降りの方は、お知らせください。"));
        QCOMPARE(engine.findChildren<QProcess *>().size(), 1);
        audio.reset();
        QCOMPARE(engine.Status(), SpeechEngine::StatusFailed);
        QTRY_VERIFY(engine.findChildren<QProcess *>().isEmpty());
        QTest::qWait(100);
        QCOMPARE(engine.Status(), SpeechEngine::StatusFailed);
    }

    void nothingToSay()
    {
        FakeAudioOut audio;
        OpenJTalkSpeech engine(fakeSetup(), audio);
        engine.Speak(QStringLiteral("。、"));
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
    }

    void synthesisesASampleAnnouncement()
    {
        if (!m_real)
            QSKIP("Open JTalk, its dictionary or a voice is not installed");
        FakeAudioOut audio;
        OpenJTalkSpeech engine(*m_real, audio);
        const QByteArray wav = engine.synthesize(engine.prepared(sampleAnnouncements().value(1)));
        QVERIFY(wav.size() > 44);
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1)); // PCM
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 22), quint16(1)); // mono
        const quint32 rate = qFromLittleEndian<quint32>(wav.constData() + 24);
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 34), quint16(16));
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        const quint32 bytes = qFromLittleEndian<quint32>(wav.constData() + 40);
        QCOMPARE(qsizetype(bytes), wav.size() - 44);
        const double seconds = double(bytes) / 2 / rate;
        qInfo("%u Hz, %.2f s of speech", rate, seconds);
        QVERIFY2(seconds > 2 && seconds < 20, qPrintable(QString::number(seconds)));
        int peak = 0;
        for (qsizetype i = 44; i + 1 < wav.size(); i += 2)
            peak = qMax(peak, qAbs(int(qFromLittleEndian<qint16>(wav.constData() + i))));
        QVERIFY(peak > 3000);
    }

    void readingsCorrectTheSampleAnnouncements()
    {
        if (!m_real)
            QSKIP("Open JTalk, its dictionary or a voice is not installed");
        FakeAudioOut audio;
        OpenJTalkSpeech engine(*m_real, audio);
        QFile yomi(QStringLiteral(SAMPLE_DIR "/yomi.csv"));
        QVERIFY(yomi.open(QIODevice::ReadOnly));
        engine.setUserReadings(Readings::parseUserList(yomi.readAll()));
        for (const QString &text : sampleAnnouncements()) {
            const QStringList readings = readingsOf(engine, text);
            QVERIFY2(!readings.isEmpty(), qPrintable(text));
            const QString all = readings.join(u' ');
            QVERIFY2(!all.contains(QStringLiteral("降り/フリ")), qPrintable(all));
            QVERIFY2(!all.contains(QStringLiteral("行き/イキ")), qPrintable(all));
            QVERIFY2(!all.contains(QStringLiteral("橋/キョー")), qPrintable(all));
        }
        const QString first = readingsOf(engine, sampleAnnouncements().value(0)).join(u' ');
        QVERIFY2(first.contains(QStringLiteral("ゆき/ユキ")), qPrintable(first));
        const QString second = readingsOf(engine, sampleAnnouncements().value(1)).join(u' ');
        QVERIFY2(second.contains(QStringLiteral("お/オ おり/オリ")), qPrintable(second));
    }

    void speaksPieceAfterPiece()
    {
        if (!m_real)
            QSKIP("Open JTalk, its dictionary or a voice is not installed");
        FakeAudioOut audio;
        OpenJTalkSpeech engine(*m_real, audio);
        engine.Speak(QStringLiteral("次は、北口です。お降りの方は、お知らせください。"));
        QCOMPARE(engine.Status(), SpeechEngine::StatusSpeaking);
        QTRY_COMPARE_WITH_TIMEOUT(audio.wavs.size(), 1, 10000);
        QCOMPARE(audio.volume[AudioOut::SpeechChannel], engine.voiceSettings().volume);
        QVERIFY(audio.isPlaying(AudioOut::SpeechChannel));
        audio.ended(AudioOut::SpeechChannel); // the first sentence has been said
        QTRY_COMPARE_WITH_TIMEOUT(audio.wavs.size(), 2, 10000);
        QCOMPARE(engine.Status(), SpeechEngine::StatusSpeaking);
        audio.ended(AudioOut::SpeechChannel);
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
    }

    void stopSilencesTheVoice()
    {
        if (!m_real)
            QSKIP("Open JTalk, its dictionary or a voice is not installed");
        FakeAudioOut audio;
        OpenJTalkSpeech engine(*m_real, audio);
        engine.Speak(QStringLiteral(
            "次は、北口です。お降りの方は、お知らせください。本日も、ご乗車ありがとうございました。"));
        QTRY_COMPARE_WITH_TIMEOUT(audio.wavs.size(), 1, 10000);
        audio.take();
        engine.StopSpeaking();
        QCOMPARE(audio.take(), QStringList{QStringLiteral("stop 4")});
        QCOMPARE(engine.Status(), SpeechEngine::StatusIdle);
        audio.ended(AudioOut::SpeechChannel);
        QTest::qWait(200);
        QCOMPARE(audio.wavs.size(), 1);
    }
};

QTEST_MAIN(tst_OpenJTalkSpeech)
#include "tst_OpenJTalkSpeech.moc"
