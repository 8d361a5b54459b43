#pragma once

#include "Shell.h"

#include <QStringList>

class FakeShell : public Shell
{
public:
    QStringList opened;
    void open(const QString &path) override { opened << path; }
};
