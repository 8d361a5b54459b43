#pragma once

#include "Readings.h"
#include "SpeechEngine.h"
#include "VoiceSettings.h"

#include <QPointer>
#include <QProcess>
#include <QStringList>

#include <memory>
#include <optional>

class AudioOut;

// Where Open JTalk and its data are looked for.
struct OpenJTalkPlaces
{
    QString program = QStringLiteral("open_jtalk");
    QStringList programFolders; // empty: the PATH
    QString dictionary = QStringLiteral("/var/lib/mecab/dic/open-jtalk/naist-jdic");
    QStringList voiceFolders{QStringLiteral("/usr/share/hts-voice")};
    QString settingsFile;

    // The system's places, a voices/ folder beside the program, and the
    // settings file under the user's configuration folder.
    static OpenJTalkPlaces standard(const QString &programFolder);
};

// What a found installation consists of.
struct OpenJTalkSetup
{
    QString program;    // full path of open_jtalk
    QString dictionary; // folder holding sys.dic
    QStringList voices; // every *.htsvoice, sorted
    QString settingsFile;

    // Nothing when the program, the dictionary or every voice is missing.
    static std::optional<OpenJTalkSetup> find(const OpenJTalkPlaces &places);
};

// Japanese speech with Open JTalk: each piece of the text is synthesised by a
// child process writing a WAV to its output, and played on the mixer's
// speech channel; the next piece is made while one sounds. The engine may
// outlive the mixer; it is then silent.
class OpenJTalkSpeech : public SpeechEngine
{
    Q_OBJECT

public:
    // The sentence 試聴 speaks.
    static QString sampleSentence();

    // Nothing when Open JTalk cannot be used; the program goes on without speech.
    static std::unique_ptr<SpeechEngine> create(AudioOut &audio, const OpenJTalkPlaces &places);

    OpenJTalkSpeech(OpenJTalkSetup setup, AudioOut &audio, QObject *parent = nullptr);
    ~OpenJTalkSpeech() override;

    void Speak(const QString &text) override;
    void StopSpeaking() override;
    qint32 Status() const override { return m_status; }
    void ShowVoiceDialog(QWidget *owner, const QString &title) override;
    void setUserReadings(const QList<Readings::Entry> &entries) override;

    const OpenJTalkSetup &setup() const { return m_setup; }
    VoiceSettings voiceSettings() const { return m_settings; }
    // Takes the settings (within their ranges) and writes them to the engine's file.
    void setVoiceSettings(const VoiceSettings &settings);

    // The text as it is given to the synthesiser: the readings applied.
    QString prepared(const QString &text) const { return m_readings.apply(text); }
    QStringList arguments(const VoiceSettings &settings) const;
    // One piece synthesised while the caller waits; empty on failure.
    QByteArray synthesize(const QString &piece, int timeoutMs = 30000) const;

signals:
    // The voice of a piece has been handed to the mixer.
    void pieceStarted();

private:
    void speakWith(const VoiceSettings &settings, const QString &text);
    void startSynthesis();
    void synthesised(quint64 generation, QProcess *process);
    void failedToStart(quint64 generation, QProcess *process);
    // Ends the speech at once, as failed: the mixer is gone.
    void lostTheMixer();
    void playReady();
    void audioFinished(int channel);
    void voiceEnded();
    void finishIfDone();

    OpenJTalkSetup m_setup;
    QPointer<AudioOut> m_audio;
    Readings m_readings;
    VoiceSettings m_settings; // the kept voice
    VoiceSettings m_speaking; // the voice of the text being said (the dialog's while listening)
    QStringList m_queue;      // pieces not yet synthesised
    QByteArray m_ready;       // a synthesised piece waiting for the channel
    QProcess *m_process = nullptr;
    bool m_playing = false;
    qint32 m_status = StatusIdle;
    quint64 m_generation = 0; // tells the results of a stopped text from the current one
};
