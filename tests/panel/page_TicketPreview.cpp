// The panel with its ticket preview open, to look at a ticket plug-in.
//   page_TicketPreview PLUGIN [STEPS]
// sets the sample route 12 from section 1 and steps forward STEPS stops.
#include "Fonts.h"
#include "Form1.h"
#include "QtJapanese.h"
#include "frmCtl.h"
#include "frmOption.h"

#include "TestApp.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    if (argc < 2)
        return 2;
    installFontSubstitutions();
    installQtJapanese();
    TestApp t;
    t.app->startUp();
    frmOption &option = *t.app->options;
    frmCtl &panel = *t.app->panel;
    option.Text2[0]->setText(QStringLiteral(SAMPLE_DATA_DIR));
    option.Text2[1]->setText(QStringLiteral(SAMPLE_DATA_DIR));
    option.chkUseSeiriPrev->setChecked(true);
    const QString plugin = QString::fromLocal8Bit(argv[1]);
    qint16 ok = 0;
    option.SetPlgin(plugin, ok);
    if (ok == 0)
        return 1;
    option.txtSeiriPlgDir->setText(plugin);
    panel.Check4->click();
    for (int key : {10, 1, 2, 11, 1})
        panel.CommandButton1[key]->click();
    panel.Command1[1]->click();
    const int steps = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    for (int i = 0; i < steps; ++i)
        panel.Command2[1]->click();
    panel.move(20, 300);
    return qapp.exec();
}
