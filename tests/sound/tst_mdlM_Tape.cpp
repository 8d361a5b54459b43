#include "mdlM_Tape.h"

#include "FakeAudioOut.h"
#include "FakeSpeechEngine.h"
#include "FakeWaits.h"
#include "FixedProgramInfo.h"
#include "TapeWriter.h"
#include "mdlSndAPI.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class tst_mdlM_Tape : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeAudioOut m_audio; // its log also has each "speak <text> after <ms waited>"
    FakeWaits m_waits;
    FixedProgramInfo m_program{QString()};
    mdlSndAPI m_snd{m_audio, m_waits, m_program};
    SoundInfo m_sounds;
    QString m_os; // empty: no speech engine
    QGroupBox m_frame;
    QPushButton m_buttons[4];
    std::unique_ptr<mdlM_Tape> m_tape;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(m_dir->filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    std::unique_ptr<SpeechEngine> speech()
    {
        if (m_os.isEmpty())
            return nullptr;
        auto engine = std::make_unique<FakeSpeechEngine>();
        engine->onSpeak = [this, e = engine.get()] {
            m_audio.log << e->log.last() + " after " + QString::number(m_waits.elapsedMs);
        };
        return engine;
    }
    bool buttonsOn() const
    {
        return std::all_of(std::begin(m_buttons), std::end(m_buttons), [](auto &b) { return b.isEnabled(); });
    }
    // Route 12 loaded, named in other letters, its folder ended as in a Windows setting: entry i says
    // 停留所i with its sound flag.
    void ready(const QList<int> &soundFlags = {1, 0, 2})
    {
        QList<TapeEntry> entries;
        for (int i = 1; i <= soundFlags.size(); ++i)
            entries.append({QStringLiteral("停留所%1").arg(i), 0, qint16(soundFlags[i - 1])});
        write("12TP.CSV", tapeFile(entries));
        m_tape->InitSpeech({&m_frame, &m_buttons[0], &m_buttons[1], &m_buttons[2], &m_buttons[3]});
        m_tape->LoadTape(m_dir->path() + u'\\', "12");
        m_audio.log.clear();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_sounds.TapeSoundFile = write("always.wav", "RIFF");
        m_sounds.TapeSound1 = write("t1.wav", "RIFF");
        m_sounds.TapeSound2 = write("t2.wav", "RIFF");
        m_sounds.TapeSound3 = write("t3.mp3", "RIFF");
        m_waits.advance = [this](qint64 ms) { m_audio.advance(ms); };
        m_frame.setTitle(mdlM_Tape::unavailableCaption()); // and its buttons off, as the panel is designed
        for (QPushButton &b : m_buttons)
            b.setEnabled(false);
        m_tape = std::make_unique<mdlM_Tape>(
            m_snd, [this] { return m_sounds; }, [this] { return speech(); }, [this] { return m_os; });
    }

    void load_data()
    {
        QTest::addColumn<QString>("os");
        QTest::addColumn<QByteArray>("route7"); // empty: no file; "/": a folder of that name
        QTest::addColumn<bool>("speechReady");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("position"); // where the reading stopped, or where it was
        const QByteArray good = tapeFile({{"一", 0, 0}}), bad("a,1,1\nb,1,1\nc,99999,1\nd,1,1\ne,1,1\n");
        QTest::newRow("no engine: read all the same") << "" << good << false << 1 << 0;
        QTest::newRow("Vista neither speaks nor loads") << "Windows Vista" << good << false << 0 << 0;
        QTest::newRow("only that exact name") << "Windows Vista SP2" << good << true << 1 << 0;
        QTest::newRow("missing file") << "Debian" << QByteArray() << true << 0 << 2;
        QTest::newRow("a folder") << "Debian" << QByteArray("/") << true << 0 << 2;
        QTest::newRow("too large") << "Debian" << QByteArray(TapeFile::MaxFileBytes + 1, 'x') << true << 0
                                   << 2;
        QTest::newRow("bad third line of five") << "Debian" << bad << true << 5 << 3;
    }

    void load()
    {
        QFETCH(QString, os);
        QFETCH(QByteArray, route7);
        QFETCH(bool, speechReady);
        QFETCH(int, count);
        QFETCH(int, position);
        m_os = os;
        ready(); // route 12 first, stepped onto its second entry
        m_tape->TapeNext();
        m_tape->TapeNext();
        QCOMPARE(m_tape->SpeechReady(), speechReady);
        QCOMPARE(buttonsOn(), speechReady);
        if (route7 == "/")
            QDir(m_dir->path()).mkdir("7tp.csv");
        else if (!route7.isEmpty())
            write("7tp.csv", route7);
        m_tape->LoadTape(m_dir->path(), "7");
        QCOMPARE(m_tape->TapeCount(), count);
        QCOMPARE(m_tape->TapePosition(), position);
        QCOMPARE(m_frame.isEnabled(), speechReady && position == 0); // a bad file turns it off, silently
        QCOMPARE(m_frame.title(), speechReady ? mdlM_Tape::readyCaption() : mdlM_Tape::unavailableCaption());
    }

    void moves_data()
    {
        QTest::addColumn<QList<int>>("soundFlags"); // of the entries in turn
        QTest::addColumn<QString>("setting");       // always: one sound for each forward step; sync
        QTest::addColumn<QString>("moves");         // n: forward, b: back
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("log"); // of the last move
        const auto said = [](const char *sound, int entry, int after = 0) {
            const QString s = QString::fromUtf8(sound), c = s.left(1);
            return (s.isEmpty() ? QStringList() : QStringList{"close " + c, "open " + s, "play " + c})
                << QStringLiteral("speak 停留所%1 after %2").arg(entry).arg(after);
        };
        using F = QList<int>;
        QTest::newRow("forward: flag 1 on S3") << F{1} << ""
                                               << "n" << 1 << said("2 Wave t1.wav", 1);
        QTest::newRow("forward: flag 3") << F{3} << ""
                                         << "n" << 1 << said("2 Mpeg t3.mp3", 1);
        QTest::newRow("forward: flag 4") << F{4} << ""
                                         << "n" << 1 << said("", 1);
        QTest::newRow("forward: always") << F{0} << "always"
                                         << "n" << 1 << said("2 Wave always.wav", 1);
        QTest::newRow("sync waits for the sound") << F{2} << "sync"
                                                  << "n" << 1 << said("2 Wave t2.wav", 1, 1000);
        QTest::newRow("back: flag 2 on S2") << F{0, 2, 0} << ""
                                            << "nnnb" << 2 << said("1 Wave t2.wav", 2);
        QTest::newRow("back ignores always") << F{0, 1, 0} << "always"
                                             << "nnnb" << 2 << said("1 Wave t1.wav", 2);
        QTest::newRow("back, always, flag 0") << F{0, 0, 0} << "always"
                                              << "nnnb" << 2 << said("", 2);
        QTest::newRow("back stops at the first") << F{1, 1} << ""
                                                 << "nnbb" << 1 << QStringList();
        QTest::newRow("forward stops at the last") << F{1, 1} << ""
                                                   << "nnn" << 2 << QStringList();
        QTest::newRow("empty file, forward") << F{} << ""
                                             << "n" << 0 << QStringList();
        QTest::newRow("empty file, back") << F{} << ""
                                          << "b" << 1 << QStringList();
    }

    void moves()
    {
        QFETCH(QList<int>, soundFlags);
        QFETCH(QString, setting);
        QFETCH(QString, moves);
        QFETCH(int, position);
        QFETCH(QStringList, log);
        m_os = "Debian";
        m_sounds.TapeSoundAlways = setting == "always" ? -1 : 0;
        m_sounds.TapeSoundSync = setting == "sync" ? -1 : 0;
        ready(soundFlags);
        for (QChar move : moves) {
            m_audio.log.clear();
            m_waits.elapsedMs = 0;
            move == u'n' ? m_tape->TapeNext() : m_tape->TapeBack();
        }
        QCOMPARE(m_tape->TapePosition(), position);
        QCOMPARE(m_audio.log, log);
    }
};

QTEST_MAIN(tst_mdlM_Tape)
#include "tst_mdlM_Tape.moc"
