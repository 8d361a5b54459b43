#pragma once

#include "VoiceSettings.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

// Adjusting the voice: voice file, speed, pitch, timbre and volume, with a
// 試聴 button that lets the user hear the values before keeping them.
class VoiceDialog : public QDialog
{
    Q_OBJECT

public:
    VoiceDialog(QWidget *owner, const QString &title, const QStringList &voices,
                const VoiceSettings &current);

    VoiceSettings settings() const;

    QComboBox *voice = nullptr;
    QDoubleSpinBox *speed = nullptr;
    QDoubleSpinBox *pitch = nullptr;
    QDoubleSpinBox *timbre = nullptr;
    QSpinBox *volume = nullptr;
    QPushButton *listen = nullptr;

signals:
    void listenRequested(const VoiceSettings &settings);
};
