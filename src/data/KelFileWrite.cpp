#include "data/KelFileWrite.h"

KelFileWrite::KelFileWrite(const char* name, bool append) : bOkay(false)
{
    std::ios::openmode mode = std::ios::out | std::ios::binary;
    mode |= append ? std::ios::app : std::ios::trunc;
    if (name)
        file.open(name, mode);
    // Report the open honestly, so a caller can tell its data will be lost.
    bOkay = file.is_open();
}

KelFileWrite::~KelFileWrite()
{
    close();
}

bool KelFileWrite::isOkay() const
{
    return bOkay;
}

void KelFileWrite::putIntInFile(int value, const std::string& key)
{
    if (!bOkay)
        return;
    file << key << '=' << value << '\n';
    file.flush();
}

void KelFileWrite::putStringInFile(const std::string& value, const std::string& key)
{
    if (!bOkay)
        return;
    file << key << '=' << value << '\n';
    file.flush();
}

void KelFileWrite::close()
{
    if (file.is_open())
        file.close();
    bOkay = false;
}
