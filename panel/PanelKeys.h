#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAbstractButton;
class frmCtl;

// One thing the driver does on the panel, reachable from the keyboard and
// from other programs: the control it clicks, the keys that click it, and the
// name a command gives it.
struct PanelAction
{
    // Where the control must be for the action to count: anywhere on the
    // panel, or on the page in front (the keypad page, or either リセット).
    enum Page { AnyPage, KeypadPage, FrontPage };

    QString command;  // "digit 1", "keito", "tape-next" ...
    QList<int> keys;  // Qt::Key values; a keypad key gives the same value as its twin
    QString keyNames; // as the tooltip shows them: "K, *"
    Page page = AnyPage;
    std::function<QAbstractButton *(const frmCtl &panel)> control;
};

// Every action of the panel, in one table: the keys of the board and the
// panel, and the commands of the remote control, all read it.
const QList<PanelAction> &panelActions();

// The action of a key, or none.
const PanelAction *actionForKey(int key);
// The action of a command line, or none.
const PanelAction *actionForCommand(const QString &command);

// Takes the table's keys typed in the board or the panel before any control
// there sees them, and clicks the control instead. Keys typed in any other
// window, a dialog above all, are left alone.
class PanelKeys : public QObject
{
public:
    explicit PanelKeys(frmCtl &panel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    frmCtl &m_panel;
};
