#include "mdlM_Tape.h"

#include "Cp932.h"
#include "FakeAudioOut.h"
#include "FakeSpeechEngine.h"
#include "FakeWaits.h"
#include "ProgramInfo.h"
#include "TapeWriter.h"
#include "mdlSndAPI.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace {

// The panel's tape frame as it stands at design: captioned 音合使用不可, buttons off.
struct Panel
{
    QWidget window;
    QGroupBox *grpM_Tape = new QGroupBox(QStringLiteral("音合使用不可"), &window);
    QPushButton *cmdTapeSet = new QPushButton(QStringLiteral("調整"), grpM_Tape);
    QPushButton *cmdTapeBack = new QPushButton(QStringLiteral("戻し"), grpM_Tape);
    QPushButton *cmdTapeNext = new QPushButton(QStringLiteral("送り"), grpM_Tape);
    QPushButton *cmdTapeStop = new QPushButton(QStringLiteral("■"), grpM_Tape);

    Panel()
    {
        for (QPushButton *b : buttons())
            b->setEnabled(false);
    }
    QList<QPushButton *> buttons() const { return {cmdTapeNext, cmdTapeBack, cmdTapeStop, cmdTapeSet}; }
    TapeControls controls() const { return {grpM_Tape, cmdTapeNext, cmdTapeBack, cmdTapeStop, cmdTapeSet}; }
    bool buttonsEnabled() const
    {
        for (QPushButton *b : buttons()) {
            if (!b->isEnabled())
                return false;
        }
        return true;
    }
};

QList<TapeEntry> entries(int n)
{
    QList<TapeEntry> list;
    for (int i = 1; i <= n; ++i)
        list.append({QStringLiteral("次は、停留所%1です。").arg(i), qint16(i % 2), qint16(i % 4)});
    return list;
}

} // namespace

class tst_mdlM_Tape : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeAudioOut m_audio;
    FakeWaits m_waits;
    FixedProgramInfo m_program{QString()};
    std::unique_ptr<mdlSndAPI> m_snd;
    std::unique_ptr<mdlM_Tape> m_tape;
    std::unique_ptr<Panel> m_panel;
    FakeSpeechEngine *m_speech = nullptr; // owned by the tape
    bool m_engineAvailable = true;
    int m_created = 0;
    QString m_os;
    SoundInfo m_sounds;

    QString folder() const { return m_dir.path(); }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile f(QDir(folder()).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QString sound(const QString &name)
    {
        const QString path = QDir(folder()).filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("RIFF");
        return path;
    }

    // InitSpeech on a fresh panel, then the given route loaded.
    void ready(const QString &route = QStringLiteral("12"))
    {
        m_tape->InitSpeech(m_panel->controls());
        m_tape->LoadTape(folder(), route);
        m_audio.log.clear();
        if (m_speech)
            m_speech->log.clear();
    }

private slots:
    void init()
    {
        m_os = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
        m_engineAvailable = true;
        m_created = 0;
        m_speech = nullptr;
        m_sounds = SoundInfo{};
        m_sounds.TapeSoundFile = sound(QStringLiteral("always.wav"));
        m_sounds.TapeSound1 = sound(QStringLiteral("t1.wav"));
        m_sounds.TapeSound2 = sound(QStringLiteral("t2.wav"));
        m_sounds.TapeSound3 = sound(QStringLiteral("t3.mp3"));
        m_sounds.TapeSoundAsync = -1;
        m_audio.log.clear();
        m_waits.log.clear();
        m_waits.elapsedMs = 0;
        m_waits.advance = [this](qint64 ms) { m_audio.advance(ms); };
        m_snd = std::make_unique<mdlSndAPI>(m_audio, m_waits, m_program);
        m_tape = std::make_unique<mdlM_Tape>(
            *m_snd, [this] { return m_sounds; },
            [this]() -> std::unique_ptr<SpeechEngine> {
                ++m_created;
                if (!m_engineAvailable)
                    return nullptr;
                auto engine = std::make_unique<FakeSpeechEngine>();
                m_speech = engine.get();
                return engine;
            },
            [this] { return m_os; });
        m_panel = std::make_unique<Panel>();
        for (const QString &f : QDir(folder()).entryList({QStringLiteral("*.csv")}))
            QFile::remove(QDir(folder()).filePath(f));
        write(QStringLiteral("12tp.csv"), tapeFile(entries(5)));
    }

    void cleanup()
    {
        m_tape.reset();
        m_panel.reset();
    }

    void initSpeech_data()
    {
        QTest::addColumn<QString>("os");
        QTest::addColumn<bool>("engine");
        QTest::addColumn<bool>("speechReady");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("created");
        QTest::newRow("engine found")
            << "Debian GNU/Linux 12 (bookworm)" << true << true << "音合使用可" << 1;
        QTest::newRow("no engine") << "Debian GNU/Linux 12 (bookworm)" << false << false << "音合使用不可"
                                   << 1;
        QTest::newRow("Windows Vista") << "Windows Vista" << true << false << "音合使用不可" << 0;
        QTest::newRow("only that exact name") << "Windows Vista SP2" << true << true << "音合使用可" << 1;
    }

    void initSpeech()
    {
        QFETCH(QString, os);
        QFETCH(bool, engine);
        QFETCH(bool, speechReady);
        QFETCH(QString, caption);
        QFETCH(int, created);
        m_os = os;
        m_engineAvailable = engine;
        m_tape->InitSpeech(m_panel->controls());
        QCOMPARE(m_tape->SpeechReady(), speechReady);
        QCOMPARE(m_panel->grpM_Tape->title(), caption);
        QCOMPARE(m_panel->grpM_Tape->isEnabled(), speechReady);
        QCOMPARE(m_created, created);
        QVERIFY(!m_panel->buttonsEnabled()); // only a load enables them
    }

    void loadEnablesTheButtonsWhenSpeechIsReady_data()
    {
        QTest::addColumn<bool>("engine");
        QTest::newRow("speech") << true;
        QTest::newRow("no speech") << false;
    }

    void loadEnablesTheButtonsWhenSpeechIsReady()
    {
        QFETCH(bool, engine);
        m_engineAvailable = engine;
        ready();
        QCOMPARE(m_tape->TapeCount(), 5); // the file is read either way
        QCOMPARE(m_tape->TapePosition(), 0);
        QCOMPARE(m_tape->TapeEntries().value(3).Text, QStringLiteral("次は、停留所3です。"));
        QCOMPARE(m_panel->buttonsEnabled(), engine);
        QCOMPARE(m_panel->grpM_Tape->isEnabled(), engine);
    }

    void badFileDisablesTheFrame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("position");     // after the load
        QTest::addColumn<QStringList>("next"); // what a forward then says
        QTest::newRow("missing file") << QByteArray() << 0 << 2 << QStringList();
        // The entries after the bad one were never read: they say nothing.
        QTest::newRow("bad third line of five")
            << QByteArray("a,1,1\nb,1,1\nc,99999,1\nd,1,1\ne,1,1\n") << 5 << 3 << QStringList{QString()};
        QTest::newRow("bad last line") << QByteArray("a,1,1\nb,1,1\nc,1\n") << 3 << 3 << QStringList();
        QTest::newRow("too large") << QByteArray(TapeFile::MaxFileBytes + 1, 'x') << 0 << 2 << QStringList();
    }

    void badFileDisablesTheFrame()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(int, position);
        QFETCH(QStringList, next);
        ready(); // a good route first, stepped onto its second entry
        m_tape->TapeNext();
        m_tape->TapeNext();
        m_speech->log.clear();
        QVERIFY(m_panel->grpM_Tape->isEnabled());
        if (!bytes.isEmpty())
            write(QStringLiteral("7tp.csv"), bytes);
        m_tape->LoadTape(folder(), QStringLiteral("7"));
        QVERIFY(!m_panel->grpM_Tape->isEnabled());
        QCOMPARE(m_panel->grpM_Tape->title(), mdlM_Tape::readyCaption()); // no message, caption kept
        QCOMPARE(m_tape->TapeCount(), count);
        // The position stays where the reading stopped (or where it was, with no file).
        QCOMPARE(m_tape->TapePosition(), position);
        m_tape->TapeNext();
        QCOMPARE(m_speech->spoken(), next);
        // A later good route brings it back.
        m_tape->LoadTape(folder(), QStringLiteral("12"));
        QVERIFY(m_panel->grpM_Tape->isEnabled());
        QCOMPARE(m_tape->TapeCount(), 5);
    }

    void blankLinesAreNoSteps()
    {
        write(QStringLiteral("12tp.csv"), "\r\n" + tapeFile(entries(3)) + " \r\n\r\n");
        ready();
        QCOMPARE(m_tape->TapeCount(), 3);
        for (int i = 0; i < 4; ++i)
            m_tape->TapeNext();
        QCOMPARE(m_tape->TapePosition(), 3);
        QCOMPARE(m_speech->spoken(),
                 (QStringList{"次は、停留所1です。", "次は、停留所2です。", "次は、停留所3です。"}));
    }

    void folderNamedLikeTheFile()
    {
        ready();
        QDir(folder()).mkdir(QStringLiteral("8tp.csv"));
        m_tape->LoadTape(folder(), QStringLiteral("8"));
        QVERIFY(!m_panel->grpM_Tape->isEnabled());
        QCOMPARE(m_tape->TapeCount(), 0);
    }

    void fileNameInAnyCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folderEnd");
        QTest::newRow("12Tp.csv") << "12Tp.csv"
                                  << "";
        QTest::newRow("12TP.CSV") << "12TP.CSV"
                                  << "/";
        QTest::newRow("backslash after the folder") << "12tp.csv"
                                                    << "\\";
    }

    void fileNameInAnyCase()
    {
        QFETCH(QString, name);
        QFETCH(QString, folderEnd);
        QFile::remove(QDir(folder()).filePath(QStringLiteral("12tp.csv")));
        write(name, tapeFile(entries(3)));
        m_tape->InitSpeech(m_panel->controls());
        m_tape->LoadTape(folder() + folderEnd, QStringLiteral("12"));
        QCOMPARE(m_tape->TapeCount(), 3);
        QVERIFY(m_panel->buttonsEnabled());
    }

    void vistaSkipsLoading()
    {
        m_os = mdlM_Tape::vista();
        m_tape->InitSpeech(m_panel->controls());
        m_tape->LoadTape(folder(), QStringLiteral("12"));
        QCOMPARE(m_tape->TapeCount(), 0);
        QVERIFY(!m_panel->grpM_Tape->isEnabled());
        QVERIFY(!m_panel->buttonsEnabled());
    }

    void secondRouteReplacesTheList()
    {
        write(QStringLiteral("7tp.csv"),
              tapeFile({{QStringLiteral("七番"), 0, 0}, {QStringLiteral("終点"), 1, 0}}));
        ready();
        m_tape->TapeNext();
        m_tape->TapeNext();
        m_tape->LoadTape(folder(), QStringLiteral("7"));
        QCOMPARE(m_tape->TapeCount(), 2);
        QCOMPARE(m_tape->TapePosition(), 0);
        m_tape->TapeNext();
        m_tape->TapeNext();
        m_tape->TapeNext();
        QCOMPARE(m_speech->spoken().last(), QStringLiteral("終点"));
        QCOMPARE(m_tape->TapePosition(), 2);
    }

    void firstForwardSpeaksEntryOne()
    {
        ready();
        m_tape->TapeNext();
        QCOMPARE(m_tape->TapePosition(), 1);
        QCOMPARE(m_speech->log, (QStringList{"stop", "speak 次は、停留所1です。"}));
    }

    void forwardStopsAtTheLast()
    {
        ready();
        for (int i = 0; i < 5; ++i)
            m_tape->TapeNext();
        m_speech->log.clear();
        m_audio.log.clear();
        m_tape->TapeNext();
        QCOMPARE(m_tape->TapePosition(), 5);
        QCOMPARE(m_speech->log, QStringList());
        QCOMPARE(m_audio.log, QStringList());
        // The panel still moves the board by the last entry's flag.
        QCOMPARE(m_tape->TapeAdvanceFlag(m_tape->TapePosition()), qint16(1));
    }

    void backStopsAtTheFirst()
    {
        ready();
        m_tape->TapeNext();
        m_tape->TapeNext();
        m_tape->TapeBack();
        QCOMPARE(m_tape->TapePosition(), 1);
        QCOMPARE(m_speech->spoken().last(), QStringLiteral("次は、停留所1です。"));
        m_speech->log.clear();
        m_tape->TapeBack();
        QCOMPARE(m_tape->TapePosition(), 1);
        QCOMPARE(m_speech->log, QStringList());
    }

    void emptyFile()
    {
        write(QStringLiteral("12tp.csv"), QByteArray());
        ready();
        QVERIFY(m_panel->buttonsEnabled());
        m_tape->TapeNext();
        QCOMPARE(m_tape->TapePosition(), 0);
        m_tape->TapeBack();
        QCOMPARE(m_tape->TapePosition(), 1);
        QCOMPARE(m_tape->TapeAdvanceFlag(1), qint16(0));
        QCOMPARE(m_speech->log, QStringList());
        QCOMPARE(m_audio.log, QStringList());
    }

    void soundBeforeSpeaking_data()
    {
        QTest::addColumn<bool>("always");
        QTest::addColumn<int>("soundFlag");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QStringList>("audio");
        const QStringList none;
        QTest::newRow("forward, flag 1")
            << false << 1 << true << QStringList{"close 2", "open 2 Wave t1.wav", "play 2"};
        QTest::newRow("forward, flag 2")
            << false << 2 << true << QStringList{"close 2", "open 2 Wave t2.wav", "play 2"};
        QTest::newRow("forward, flag 3")
            << false << 3 << true << QStringList{"close 2", "open 2 Mpeg t3.mp3", "play 2"};
        QTest::newRow("forward, flag 0") << false << 0 << true << none;
        QTest::newRow("forward, flag 4") << false << 4 << true << none;
        QTest::newRow("forward, flag -1") << false << -1 << true << none;
        QTest::newRow("always, flag 0")
            << true << 0 << true << QStringList{"close 2", "open 2 Wave always.wav", "play 2"};
        QTest::newRow("always, flag 2")
            << true << 2 << true << QStringList{"close 2", "open 2 Wave always.wav", "play 2"};
        QTest::newRow("back, flag 2")
            << false << 2 << false << QStringList{"close 1", "open 1 Wave t2.wav", "play 1"};
        QTest::newRow("back ignores always")
            << true << 1 << false << QStringList{"close 1", "open 1 Wave t1.wav", "play 1"};
        QTest::newRow("back, always, flag 0") << true << 0 << false << none;
    }

    void soundBeforeSpeaking()
    {
        QFETCH(bool, always);
        QFETCH(int, soundFlag);
        QFETCH(bool, forward);
        QFETCH(QStringList, audio);
        m_sounds.TapeSoundAlways = always ? -1 : 0;
        m_sounds.TapeSoundByFlag = always ? 0 : -1;
        write(QStringLiteral("12tp.csv"),
              tapeFile({{QStringLiteral("一"), 0, qint16(soundFlag)},
                        {QStringLiteral("二"), 0, 0},
                        {QStringLiteral("三"), 0, qint16(soundFlag)}}));
        ready();
        if (forward) {
            m_tape->TapeNext();
        } else {
            m_tape->TapeNext();
            m_tape->TapeNext();
            m_tape->TapeNext();
            m_audio.log.clear();
            m_tape->TapeBack();
            m_tape->TapeBack();
        }
        QCOMPARE(m_audio.log, audio);
        QCOMPARE(m_speech->spoken().last(), QStringLiteral("一"));
    }

    void syncWaitsForTheSound_data()
    {
        QTest::addColumn<bool>("sync");
        QTest::newRow("sync") << true;
        QTest::newRow("async") << false;
    }

    void syncWaitsForTheSound()
    {
        QFETCH(bool, sync);
        m_sounds.TapeSoundSync = sync ? -1 : 0;
        m_sounds.TapeSoundAsync = sync ? 0 : -1;
        m_audio.lengthMs[QStringLiteral("t1.wav")] = 800;
        ready();
        bool soundingWhenSpoken = false;
        m_speech->onSpeak = [&] { soundingWhenSpoken = m_audio.isPlaying(2); };
        m_tape->TapeNext();
        QCOMPARE(m_speech->spoken(), QStringList{QStringLiteral("次は、停留所1です。")});
        QCOMPARE(soundingWhenSpoken, !sync);
        QCOMPARE(m_waits.elapsedMs, sync ? qint64(800) : qint64(0));
    }

    void failedStatusStopsAtOnce()
    {
        ready();
        m_speech->statusAfterSpeak = SpeechEngine::StatusFailed;
        m_tape->TapeNext();
        QCOMPARE(m_speech->log, (QStringList{"stop", "speak 次は、停留所1です。", "stop"}));
    }

    void stopLeavesTheSoundPlaying()
    {
        ready();
        m_tape->TapeNext(); // entry 1 has SoundFlag 1
        QVERIFY(m_audio.isPlaying(2));
        m_audio.log.clear();
        m_speech->log.clear();
        m_tape->TapeStop();
        QCOMPARE(m_speech->log, QStringList{"stop"});
        QCOMPARE(m_audio.log, QStringList());
        QVERIFY(m_audio.isPlaying(2));
    }

    void voiceSettingsDialog()
    {
        ready();
        m_tape->ShowVoiceSettings();
        QCOMPARE(m_speech->log, QStringList{"dialog 音声の調節"});
        QCOMPARE(m_speech->dialogOwner, &m_panel->window);
    }

    void flagsOutsideTheList_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("advance");
        QTest::addColumn<int>("sound");
        QTest::newRow("0") << 0 << 0 << 0;
        QTest::newRow("1") << 1 << 1 << 1;
        QTest::newRow("4") << 4 << 0 << 0;
        QTest::newRow("5") << 5 << 1 << 1;
        QTest::newRow("6") << 6 << 0 << 0;
        QTest::newRow("-1") << -1 << 0 << 0;
    }

    void flagsOutsideTheList()
    {
        QFETCH(int, position);
        QFETCH(int, advance);
        QFETCH(int, sound);
        ready();
        QCOMPARE(int(m_tape->TapeAdvanceFlag(position)), advance);
        QCOMPARE(int(m_tape->TapeSoundFlag(position)), sound);
        m_tape->SpeakTapeEntry(position);
        QCOMPARE(m_speech->spoken().size(), position >= 1 && position <= 5 ? 1 : 0);
    }

    void releaseSpeech()
    {
        ready();
        QPointer<SpeechEngine> engine(m_speech);
        m_tape->ReleaseSpeech();
        QVERIFY(engine.isNull());
        m_tape->TapeNext(); // nothing left to speak with, and no crash
        m_tape->TapeStop();
        m_tape->ShowVoiceSettings();
        QCOMPARE(m_tape->TapePosition(), 1);
    }

    void userReadingsFromTheAnnouncementFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::newRow("none") << QString() << QByteArray() << 0;
        QTest::newRow("UTF-8") << "yomi.csv" << QStringLiteral("新田橋,にったばし\n本町,ほんまち\n").toUtf8()
                               << 2;
        QTest::newRow("code page 932, other case")
            << "YOMI.CSV" << Cp932::encode(u"新田橋,にったばし\r\n") << 1;
    }

    void userReadingsFromTheAnnouncementFolder()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFile::remove(QDir(folder()).filePath(QStringLiteral("yomi.csv")));
        QFile::remove(QDir(folder()).filePath(QStringLiteral("YOMI.CSV")));
        if (!name.isEmpty())
            write(name, bytes);
        ready();
        QCOMPARE(m_speech->userReadings.size(), count);
        if (count)
            QCOMPARE(m_speech->userReadings[0],
                     (Readings::Entry{QStringLiteral("新田橋"), QStringLiteral("にったばし")}));
    }

    void sampleRoute()
    {
        ready(QStringLiteral("12"));
        m_tape->LoadTape(QStringLiteral(SAMPLE_DIR), QStringLiteral("12"));
        QCOMPARE(m_tape->TapeCount(), 20);
        m_tape->TapeNext();
        QVERIFY(m_speech->spoken().last().contains(QStringLiteral("1,000円札")));
        QCOMPARE(m_tape->TapeAdvanceFlag(1), qint16(0));
        QCOMPARE(m_tape->TapeAdvanceFlag(2), qint16(1));
    }

    void fileExists_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("exists");
        QTest::newRow("file") << "t1.wav" << true;
        QTest::newRow("missing") << "none.wav" << false;
        QTest::newRow("folder") << "." << false;
        QTest::newRow("empty") << "" << false;
    }

    void fileExists()
    {
        QFETCH(QString, path);
        QFETCH(bool, exists);
        QCOMPARE(mdlM_Tape::FileExists(path.isEmpty() ? path : QDir(folder()).filePath(path)), exists);
    }
};

QTEST_MAIN(tst_mdlM_Tape)
#include "tst_mdlM_Tape.moc"
