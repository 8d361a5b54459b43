#include "mdlM_Tape.h"

#include "TapeWriter.h"
#include "TestServices.h"
#include "mdlSndAPI.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTest>

class tst_mdlM_Tape : public QObject
{
    Q_OBJECT

    TestServices m_fakes; // the audio log also has each "speak <text> after <ms waited>"
    mdlSndAPI m_snd{m_fakes.audio, m_fakes.waits, m_fakes.program};
    SoundInfo m_sounds;
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(m_fakes.folder.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }

private slots:
    void initTestCase()
    {
        m_sounds.TapeSoundFile = write("always.wav", "RIFF");
        m_sounds.TapeSound1 = write("t1.wav", "RIFF");
        m_sounds.TapeSound2 = write("t2.wav", "RIFF");
        write("7tp.csv", tapeFile({{"一", 0, 0}}));
    }

    void steps_data()
    {
        QTest::addColumn<bool>("speech");     // an engine to speak
        QTest::addColumn<QByteArray>("file"); // route 12's; null: none
        QTest::addColumn<QString>("setting"); // always: one sound for each forward step; sync
        QTest::addColumn<QString>("moves");   // n: forward, b: back
        QTest::addColumn<QList<int>>("tape"); // entries, position, frame on
        QTest::addColumn<QString>("log");     // of the last move
        const auto row = [](const char *name, bool speech, const QByteArray &file, const char *setting,
                            const char *moves, QList<int> tape, const char *log = "") {
            QTest::newRow(name) << speech << file << setting << moves << tape << log;
        };
        const auto flags = [](const QList<int> &soundFlags) { // entry i says 停留所i
            QList<TapeEntry> entries;
            for (int i = 1; i <= soundFlags.size(); ++i)
                entries.append({QStringLiteral("停留所%1").arg(i), 0, qint16(soundFlags[i - 1])});
            return tapeFile(entries);
        };
        const QByteArray bad("a,1,1\nb,1,1\nc,99999,1\nd,1,1\ne,1,1\n");
        row("no engine: read all the same", false, flags({1, 0, 2}), "", "", {3, 0, 0});
        row("missing file: empty, where it was", true, QByteArray(), "", "", {0, 1, 0});
        row("bad third line of five: off, silently", true, bad, "", "", {5, 3, 0});
        row("forward: always", true, flags({0}), "always", "n", {1, 1, 1},
            "close 2|open 2 Wave always.wav|play 2|speak 停留所1 after 0");
        row("sync waits for the sound", true, flags({2}), "sync", "n", {1, 1, 1},
            "close 2|open 2 Wave t2.wav|play 2|speak 停留所1 after 1000");
        row("back ignores always", true, flags({0, 1, 0}), "always", "nnnb", {3, 2, 1},
            "close 1|open 1 Wave t1.wav|play 1|speak 停留所2 after 0");
        row("stops at both ends", true, flags({1, 1}), "", "nnnbb", {2, 1, 1});
    }

    // Route 7 read and stepped onto its entry, then route 12, from a folder ended as in a Windows
    // setting. The frame and buttons start off as designed; a flag's sound is the panel rules' test.
    void steps()
    {
        QFETCH(bool, speech);
        QFETCH(QByteArray, file);
        QFETCH(QString, setting);
        QFETCH(QString, moves);
        QFETCH(QList<int>, tape);
        QFETCH(QString, log);
        TestServices &f = m_fakes;
        file.isNull() ? void(QFile::remove(f.folder.filePath("12TP.CSV"))) : void(write("12TP.CSV", file));
        m_sounds.TapeSoundAlways = setting == "always" ? -1 : 0;
        m_sounds.TapeSoundSync = setting == "sync" ? -1 : 0;
        QGroupBox frame(mdlM_Tape::unavailableCaption());
        QPushButton buttons[4];
        for (QPushButton &b : buttons)
            b.setEnabled(false);
        const SessionServices services = f.services(speech);
        mdlM_Tape t(
            m_snd, [this] { return m_sounds; }, services.createSpeech, services.osName);
        t.InitSpeech({&frame, &buttons[0], &buttons[1], &buttons[2], &buttons[3]});
        if (speech)
            f.speech->onSpeak = [&f] {
                f.audio.log << f.speech->log.last() + " after " + QString::number(f.waits.elapsedMs);
            };
        t.LoadTape(f.folder.path(), "7");
        t.TapeNext();
        t.LoadTape(f.folder.path() + u'\\', "12");
        for (QChar move : moves) {
            f.audio.log.clear();
            f.waits.elapsedMs = 0;
            move == u'n' ? t.TapeNext() : t.TapeBack();
        }
        QCOMPARE((QList<int>{t.TapeCount(), t.TapePosition(), frame.isEnabled()}), tape);
        QCOMPARE(moves.isEmpty() ? QString() : f.audio.log.join(u'|'), log);
        QCOMPARE(t.SpeechReady(), speech);
        QCOMPARE(frame.title(), speech ? mdlM_Tape::readyCaption() : mdlM_Tape::unavailableCaption());
        for (const QPushButton &b : buttons)
            QCOMPARE(b.isEnabled(), speech);
    }
};

QTEST_MAIN(tst_mdlM_Tape)
#include "tst_mdlM_Tape.moc"
