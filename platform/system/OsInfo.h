#pragma once

#include <QString>

// The operating system's name, e.g. "Debian GNU/Linux 12 (bookworm)".
QString GetOsInfo();
