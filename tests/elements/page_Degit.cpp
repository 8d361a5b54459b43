// A test page of numeric cells in every typeface and size, to look at.
//   page_Degit            shows the page (run under Xvfb for a screenshot)
//   page_Degit OUT.png    renders it offscreen and saves it
//   page_Degit --dialog   shows the digit-settings dialog of a four-place cell
#include "Dialogs.h"
#include "Fonts.h"
#include "M_Degit.h"
#include "M_DegitEm.h"

#include "FakeDialogs.h"
#include <QApplication>
#include <QGridLayout>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutions();
    FakeDialogs dialogs;
    if (argc > 1 && QByteArray(argv[1]) == "--dialog") {
        qint16 zeroMode = 1, shift = 0, fillZero = 2;
        QtDialogs().Call_dlg100(nullptr, 4, zeroMode, shift, fillZero);
        return 0;
    }

    QWidget page;
    page.setWindowTitle(QStringLiteral("M_Degit / M_DegitEm"));
    page.setStyleSheet(QStringLiteral("background: #505050; color: white;"));
    auto *grid = new QGridLayout(&page);
    grid->setSpacing(10);
    const QStringList styles{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    for (int style = 0; style < 3; ++style) {
        grid->addWidget(new QLabel(QStringLiteral("M_Degit%1").arg(styles[style])), 0, 1 + style);
        for (int size = 0; size < 4; ++size) {
            if (style == 0)
                grid->addWidget(new QLabel(QStringLiteral("M_Degit size %1").arg(size)), 1 + size, 0);
            auto *cell = new M_Degit(dialogs);
            cell->setDegitStyle(style);
            cell->setDegitSize(size);
            cell->setKeta(4);
            cell->setValue(size == 3 ? QVariant(QStringLiteral("-1")) : QVariant(230 + size * 1011));
            cell->setFixedSize(cell->size());
            grid->addWidget(cell, 1 + size, 1 + style, Qt::AlignLeft);
        }
        const QList<QVariant> fares{150, 7, QStringLiteral("12345"), 0};
        for (int row = 0; row < 4; ++row) {
            if (style == 0)
                grid->addWidget(new QLabel(QStringLiteral("M_DegitEm %1").arg(row < 2 ? "52x20" : "104x40")),
                                5 + row, 0);
            auto *cell = new M_DegitEm(dialogs);
            cell->setDegitStyle(style);
            cell->setFixedSize(row < 2 ? QSize(52, 20) : QSize(104, 40));
            cell->setValue(fares[row]);
            grid->addWidget(cell, 5 + row, 1 + style, Qt::AlignLeft);
        }
    }
    auto *lamp = new M_DegitEm(dialogs);
    lamp->setFixedSize(78, 30);
    lamp->ResetDegit(true);
    grid->addWidget(new QLabel(QStringLiteral("ResetDegit(True)")), 9, 0);
    grid->addWidget(lamp, 9, 1, Qt::AlignLeft);
    auto *squeezed = new M_DegitEm(dialogs);
    squeezed->setFixedSize(156, 30);
    squeezed->setKeta(20);
    squeezed->setValue(QStringLiteral("12345678901234567890"));
    grid->addWidget(new QLabel(QStringLiteral("Keta 20")), 10, 0);
    grid->addWidget(squeezed, 10, 1, 1, 3, Qt::AlignLeft);

    if (argc > 1) {
        page.adjustSize();
        page.show();
        QApplication::processEvents();
        return page.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    page.show();
    return app.exec();
}
