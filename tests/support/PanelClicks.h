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

// The panel's buttons by the names the system gives them, and a log of those clicked.
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
        QList<std::pair<QString, QAbstractButton *>> all{
            {"Check1", p.Check1},           {"Check2", p.Check2},           {"Check4", p.Check4},
            {"cmdTapeNext", p.cmdTapeNext}, {"cmdTapeBack", p.cmdTapeBack}, {"cmdTapeStop", p.cmdTapeStop},
            {"cmdTapeSet", p.cmdTapeSet},   {"Command4", p.Command4},       {"Command8", p.Command8}};
        for (int i = 0; i < 12; ++i)
            all.append({QStringLiteral("CommandButton1(%1)").arg(i), p.CommandButton1[i]});
        for (int i = 0; i < 3; ++i)
            all.append({QStringLiteral("Option4(%1)").arg(i), p.Option4[i]});
        for (int i = 0; i < 2; ++i) {
            all.append({QStringLiteral("Command1(%1)").arg(i), p.Command1[i]});
            all.append({QStringLiteral("Command2(%1)").arg(i), p.Command2[i]});
        }
        return all;
    }

    // What a stray key or command could change on the panel, in one line.
    static QString state(const frmCtl &p)
    {
        return QStringLiteral("%1-%2 lists %3/%4 checks %5%6%7 light %8%9%10 company %11")
            .arg(p.Label2[0]->text(), p.Label2[2]->text())
            .arg(p.List2[0]->currentRow())
            .arg(p.List3[0]->currentRow())
            .arg(p.Check1->isChecked())
            .arg(p.Check2->isChecked())
            .arg(p.Check4->isChecked())
            .arg(p.Option4[0]->isChecked())
            .arg(p.Option4[1]->isChecked())
            .arg(p.Option4[2]->isChecked())
            .arg(p.Combo1->currentIndex());
    }
};
