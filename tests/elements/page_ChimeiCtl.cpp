// A page to look at the stop-name strip: a one-cell name, a six-cell name and
// a long name that scrolls, with the defaults. Built, not run by ctest:
//   page_ChimeiCtl [--seconds N]   (quits after N seconds; runs on without)

#include "ChimeiCtl_E.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--seconds"));
    if (at >= 0 && at + 1 < args.size())
        QTimer::singleShot(int(args[at + 1].toDouble() * 1000), &app, &QApplication::quit);

    QWidget page;
    page.setWindowTitle(QStringLiteral("ChimeiCtl_E"));
    auto *row = new QHBoxLayout(&page);
    const QStringList names{QStringLiteral("駅"), QStringLiteral("県立総合公園"),
                            QStringLiteral("県立総合運動公園前（北口）→市民病院")};
    for (const QString &name : names) {
        auto *element = new ChimeiCtl_E(nullptr, &page);
        element->setFixedSize(ChimeiCtl_E::DesignedWidth, ChimeiCtl_E::DesignedWindowHeight);
        row->addWidget(element);
        element->SetChimei(name);
    }
    page.show();
    return app.exec();
}
