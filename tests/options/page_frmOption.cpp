// The options dialog to look at, with Qt's standard buttons beside it.
//   page_frmOption     shows it (run under Xvfb; click the page buttons at the left)
#include "Fonts.h"
#include "Form1.h"
#include "QtJapanese.h"
#include "frmCtl.h"
#include "frmOption.h"

#include "TestApp.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    installFontSubstitutions();
    installQtJapanese();
    TestApp t;
    t.app->startUp();
    t.app->form1->hide();
    t.app->panel->hide();
    frmOption &option = *t.app->options;
    option.move(10, 10);
    option.show();

    // Standard buttons as Qt gives them, to see that they are translated.
    QMessageBox box(QMessageBox::Question, QStringLiteral("ルクシオの終了確認"),
                    QStringLiteral("ルクシオを終了しますか？"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setWindowModality(Qt::NonModal);
    box.move(900, 600);
    box.show();
    return qapp.exec();
}
