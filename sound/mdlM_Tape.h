#pragma once

#include "IniData.h"
#include "TapeFile.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QAbstractButton;
class QGroupBox;
class SpeechEngine;
class mdlSndAPI;

// The operating panel's tape frame and its four buttons, as the tape drives them.
struct TapeControls
{
    QGroupBox *grpM_Tape = nullptr;
    QAbstractButton *cmdTapeNext = nullptr; // 送り
    QAbstractButton *cmdTapeBack = nullptr; // 戻し
    QAbstractButton *cmdTapeStop = nullptr; // ■
    QAbstractButton *cmdTapeSet = nullptr;  // 調整
};

// The announcement tape: a route's announcement texts, stepped through
// forward and back, each spoken after an optional sound.
class mdlM_Tape
{
public:
    using SpeechFactory = std::function<std::unique_ptr<SpeechEngine>()>;
    // The sound settings as they stand at the moment of playing.
    using SoundSettings = std::function<SoundInfo()>;
    using OsName = std::function<QString()>;

    // The system on which speech is never tried and the tape never loaded.
    static QString vista() { return QStringLiteral("Windows Vista"); }
    static QString readyCaption() { return QStringLiteral("音合使用可"); }
    static QString unavailableCaption() { return QStringLiteral("音合使用不可"); }
    static QString voiceDialogTitle() { return QStringLiteral("音声の調節"); }

    mdlM_Tape(mdlSndAPI &sound, SoundSettings soundSettings, SpeechFactory createSpeech, OsName osName);
    ~mdlM_Tape();

    void InitSpeech(const TapeControls &controls);
    void LoadTape(const QString &folder, const QString &routeText);
    void TapeNext();
    void TapeBack();
    void TapeStop();
    void ShowVoiceSettings();
    void ReleaseSpeech();
    void SpeakTapeEntry(int position);

    // Runs whenever the position or the loaded file has changed.
    std::function<void()> changed;

    bool SpeechReady() const { return m_speechReady; }
    // The last LoadTape read its whole file.
    bool TapeLoaded() const { return m_tapeLoaded; }
    int TapeCount() const { return m_tapeCount; }
    int TapePosition() const { return m_tapePosition; }
    // Entries 1..TapeCount; element 0 is not used.
    const QList<TapeEntry> &TapeEntries() const { return m_tapeEntries; }
    qint16 TapeAdvanceFlag(int position) const;
    qint16 TapeSoundFlag(int position) const;

    // The engine, while there is one (for the version box and tests).
    SpeechEngine *speechEngine() const { return m_speech.get(); }

private:
    bool isEntry(int position) const { return position >= 1 && position <= m_tapeCount; }
    QString soundOfFlag(const SoundInfo &s, int position) const;
    void loadFile(const QString &folder, const QString &routeText);
    void loadReadings(const QString &folder);
    void setFrame(bool enabled, const QString *caption = nullptr);
    void tellChanged() const;

    mdlSndAPI &m_sound;
    SoundSettings m_soundSettings;
    SpeechFactory m_createSpeech;
    OsName m_osName;
    std::unique_ptr<SpeechEngine> m_speech;

    QPointer<QGroupBox> m_grpM_Tape;
    QList<QPointer<QAbstractButton>> m_buttons;

    bool m_speechReady = false;
    bool m_tapeLoaded = false;
    QList<TapeEntry> m_tapeEntries{TapeEntry{}};
    int m_tapeCount = 0;
    int m_tapePosition = 0; // 0: before the first entry
};
