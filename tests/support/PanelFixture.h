#pragma once

#include "ChimeiCtl_E.h"
#include "Form1.h"
#include "M_DegitEm.h"
#include "WrappingButtons.h"
#include "frmCtl.h"
#include "frmOption.h"

#include "Hy3Writer.h"
#include "TapeWriter.h"
#include "TestApp.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// A started App whose fare and tape folders are its program folder, driven
// through the panel's real controls.
struct PanelFixture : TestApp
{
    frmCtl &panel;
    frmOption &option;
    Form1 &board;

    explicit PanelFixture(bool withSpeech = false, const QString &remoteSocket = QString())
        : TestApp(QString(), remoteSocket, withSpeech)
        , panel(*app->panel)
        , option(*app->options)
        , board(*app->form1)
    {
        app->startUp();
        option.Text2[0]->setText(folder.path());
        option.Text2[1]->setText(folder.path());
    }

    QString path(const QString &name) const { return QDir(folder.path()).filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A sound file the sound module will open: only its name matters to the fake mixer.
    QString sound(const QString &name) const
    {
        write(name, "RIFF");
        return path(name);
    }

    static void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    // A control of the options dialog clicked as a user reaches it: the dialog
    // shown and the control's page brought up with its page button.
    void clickOption(QAbstractButton *control)
    {
        option.show();
        for (int i = 0; i < frmOption::PageCount; ++i) {
            if (option.Frame1[i]->isAncestorOf(control))
                click(option.Option1[i]);
        }
        // A page just brought up lays itself out from posted events.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QVERIFY(control->isVisible());
        // Near the left edge: a check box takes clicks on its box and caption only.
        QTest::mouseClick(control, Qt::LeftButton, {},
                          QPoint(qMin(8, control->width() / 2), control->height() / 2));
    }

    // Keys on the keypad, as written on them: "系統 0 0 0 1 2 区間 5".
    void keys(const QString &sequence)
    {
        for (const QString &key : sequence.split(u' ', Qt::SkipEmptyParts))
            click(panel.CommandButton1[key == u"系統" ? 10 : key == u"区間" ? 11 : key.toInt()]);
    }
    // Route and section keyed in, then リセット on the keypad page.
    void setRoute(const QString &route, const QString &section)
    {
        const auto spaced = [](const QString &digits) {
            return digits.split(QString(), Qt::SkipEmptyParts).join(u' ');
        };
        keys(QStringLiteral("系統 %1 区間 %2").arg(spaced(route), spaced(section)));
        click(panel.Command1[1]);
    }

    QVariant cell(int k) const { return board.Degit[k]->Value(); }
    QString stopName() const { return board.ChimeiCtl->shownName(); }
};

// Rows named "S<n>" with ticket number n and fare column c = 10 * n + c.
inline QByteArray fareRows(int count)
{
    Hy3Writer w;
    for (int n = 1; n <= count; ++n) {
        Hy3Writer::Row r{"S" + QByteArray::number(n), qint16(n), {}};
        for (int c = 1; c <= 150; ++c)
            r.cols[c] = qint16(10 * n + c);
        w.row(std::move(r));
    }
    return w.bytes();
}
