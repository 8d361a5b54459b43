#pragma once

#include <QString>

// The desktop's own handling of a path: a folder opens in the file manager.
class Shell
{
public:
    virtual ~Shell() = default;
    // Opens path as the desktop does; never a command line. Failures are the desktop's.
    virtual void open(const QString &path) = 0;
};

class DesktopShell : public Shell
{
public:
    void open(const QString &path) override;
};
