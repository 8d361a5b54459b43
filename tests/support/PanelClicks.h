#pragma once

#include "frmCtl.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

// The panel's buttons, check boxes and radio buttons by the names the system
// gives them, and a log of which of them were clicked.
struct PanelClicks
{
    QStringList clicked;

    explicit PanelClicks(frmCtl &panel)
    {
        for (const auto &[name, button] : controls(panel))
            QObject::connect(button, &QAbstractButton::clicked, [this, name = name] { clicked << name; });
    }

    static QList<std::pair<QString, QAbstractButton *>> controls(const frmCtl &p)
    {
        QList<std::pair<QString, QAbstractButton *>> all;
        for (int i = 0; i < 12; ++i)
            all.append({QStringLiteral("CommandButton1(%1)").arg(i), p.CommandButton1[i]});
        for (int i = 0; i < 2; ++i) {
            all.append({QStringLiteral("Command1(%1)").arg(i), p.Command1[i]});
            all.append({QStringLiteral("Command2(%1)").arg(i), p.Command2[i]});
        }
        for (int i = 0; i < 3; ++i)
            all.append({QStringLiteral("Option4(%1)").arg(i), p.Option4[i]});
        all.append({QStringLiteral("Check1"), p.Check1});
        all.append({QStringLiteral("Check2"), p.Check2});
        all.append({QStringLiteral("Check4"), p.Check4});
        all.append({QStringLiteral("cmdTapeNext"), p.cmdTapeNext});
        all.append({QStringLiteral("cmdTapeBack"), p.cmdTapeBack});
        all.append({QStringLiteral("cmdTapeStop"), p.cmdTapeStop});
        all.append({QStringLiteral("cmdTapeSet"), p.cmdTapeSet});
        all.append({QStringLiteral("Command4"), p.Command4});
        all.append({QStringLiteral("Command8"), p.Command8});
        return all;
    }

    // What a stray key could change on the panel, in one line.
    static QString state(const frmCtl &p)
    {
        QString backlight;
        for (int i = 0; i < 3; ++i) {
            if (p.Option4[i]->isChecked())
                backlight = QString::number(i);
        }
        return QStringLiteral("keyed %1-%2 lists %3/%4 erase %5 late %6 light %7 preview %8 company %9")
            .arg(p.Label2[0]->text(), p.Label2[2]->text())
            .arg(p.List2[0]->currentRow())
            .arg(p.List3[0]->currentRow())
            .arg(p.Check1->isChecked())
            .arg(p.Check2->isChecked())
            .arg(backlight)
            .arg(p.Check4->isChecked())
            .arg(p.Combo1->currentIndex());
    }
};
