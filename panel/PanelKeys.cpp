// The keys of the panel's actions, and the filter that takes them.
#include "PanelKeys.h"

#include "Form1.h"
#include "Session.h"
#include "frmCtl.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

QList<PanelAction> buildActions()
{
    using Button = QAbstractButton *;
    const auto keypad = PanelAction::KeypadPage;
    const auto front = PanelAction::FrontPage;
    const auto any = PanelAction::AnyPage;
    QList<PanelAction> table;
    for (int d = 0; d <= 9; ++d) {
        table.append({QStringLiteral("digit %1").arg(d),
                      {Qt::Key_0 + d},
                      QString::number(d),
                      keypad,
                      [d](const frmCtl &p) -> Button { return p.CommandButton1[d]; }});
    }
    table.append({QStringLiteral("keito"),
                  {Qt::Key_K, Qt::Key_Asterisk},
                  QStringLiteral("K, *"),
                  keypad,
                  [](const frmCtl &p) -> Button { return p.CommandButton1[10]; }});
    table.append({QStringLiteral("kukan"),
                  {Qt::Key_S, Qt::Key_Slash},
                  QStringLiteral("S, /"),
                  keypad,
                  [](const frmCtl &p) -> Button { return p.CommandButton1[11]; }});
    table.append({QStringLiteral("reset"),
                  {Qt::Key_Return, Qt::Key_Enter},
                  QStringLiteral("Enter"),
                  front,
                  [](const frmCtl &p) -> Button { return p.Command1[p.frontPage()]; }});
    table.append({QStringLiteral("next"),
                  {Qt::Key_Right, Qt::Key_PageDown},
                  QStringLiteral("→, PageDown"),
                  any,
                  [](const frmCtl &p) -> Button { return p.Command2[1]; }});
    table.append({QStringLiteral("back"),
                  {Qt::Key_Left, Qt::Key_PageUp},
                  QStringLiteral("←, PageUp"),
                  any,
                  [](const frmCtl &p) -> Button { return p.Command2[0]; }});
    table.append({QStringLiteral("tape-next"),
                  {Qt::Key_N, Qt::Key_MediaNext},
                  QStringLiteral("N"),
                  any,
                  [](const frmCtl &p) -> Button { return p.cmdTapeNext; }});
    table.append({QStringLiteral("tape-back"),
                  {Qt::Key_B, Qt::Key_MediaPrevious},
                  QStringLiteral("B"),
                  any,
                  [](const frmCtl &p) -> Button { return p.cmdTapeBack; }});
    table.append({QStringLiteral("tape-stop"),
                  {Qt::Key_Period, Qt::Key_MediaStop},
                  QStringLiteral("."),
                  any,
                  [](const frmCtl &p) -> Button { return p.cmdTapeStop; }});
    table.append(
        {QStringLiteral("late-night"), {Qt::Key_L}, QStringLiteral("L"), any, [](const frmCtl &p) -> Button {
             return p.Check2;
         }});
    table.append(
        {QStringLiteral("erase"), {Qt::Key_E}, QStringLiteral("E"), any, [](const frmCtl &p) -> Button {
             return p.Check1;
         }});
    const char *const states[3] = {"off", "on1", "on2"};
    for (int i = 0; i < 3; ++i) {
        table.append({QStringLiteral("backlight ") + QLatin1String(states[i]),
                      {Qt::Key_F2 + i},
                      QStringLiteral("F%1").arg(2 + i),
                      any,
                      [i](const frmCtl &p) -> Button { return p.Option4[i]; }});
    }
    table.append(
        {QStringLiteral("preview"), {Qt::Key_P}, QStringLiteral("P"), any, [](const frmCtl &p) -> Button {
             return p.Check4;
         }});
    return table;
}

} // namespace

const QList<PanelAction> &panelActions()
{
    static const QList<PanelAction> table = buildActions();
    return table;
}

const PanelAction *actionForKey(int key)
{
    for (const PanelAction &action : panelActions()) {
        if (action.keys.contains(key))
            return &action;
    }
    return nullptr;
}

const PanelAction *actionForCommand(const QString &command)
{
    for (const PanelAction &action : panelActions()) {
        if (action.command == command)
            return &action;
    }
    return nullptr;
}

PanelKeys::PanelKeys(frmCtl &panel)
    : QObject(&panel)
    , m_panel(panel)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool PanelKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const QWidget *window = static_cast<QWidget *>(watched)->window();
    if (window != &m_panel && window != m_panel.boardWindow())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    // Shortcuts with Ctrl, Alt or the logo key belong to the windows themselves.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const PanelAction *action = actionForKey(key->key());
    if (!action)
        return false;
    // A key held down clicks once, as a finger on a button does.
    if (!key->isAutoRepeat())
        m_panel.perform(*action);
    return true;
}

int frmCtl::frontPage() const
{
    // The frame raised last lies on top: it is later among its siblings.
    const QObjectList &order = Frame1[0]->parentWidget()->children();
    return order.indexOf(static_cast<QObject *>(Frame1[0])) > order.indexOf(static_cast<QObject *>(Frame1[1]))
        ? 0
        : 1;
}

bool frmCtl::perform(const PanelAction &action)
{
    QAbstractButton *button = action.control ? action.control(*this) : nullptr;
    // A control in a disabled frame or window is disabled itself.
    if (!button || !button->isEnabled())
        return false;
    if (action.page == PanelAction::KeypadPage && frontPage() != 1)
        return false;
    button->click();
    return true;
}

QWidget *frmCtl::boardWindow() const
{
    return m_session.form1;
}

QString frmCtl::withKeys(const QString &text, const QString &command)
{
    const PanelAction *action = actionForCommand(command);
    return action ? QStringLiteral("%1 (%2)").arg(text, action->keyNames) : text;
}

void frmCtl::showKeysInTips()
{
    for (const PanelAction &action : panelActions()) {
        if (action.page == PanelAction::FrontPage) {
            for (QPushButton *reset : Command1)
                reset->setToolTip(withKeys(reset->text(), action.command));
            continue;
        }
        QAbstractButton *button = action.control(*this);
        // The preview's own tip says what it will do, and the tape's where it stands.
        if (button != Check4 && button != cmdTapeNext && button != cmdTapeBack)
            button->setToolTip(withKeys(button->text(), action.command));
    }
    showPreviewTip();
}
