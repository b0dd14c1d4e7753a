#pragma once
// The database session: the network control folder that every program sharing the
// database names, and the open database files of its datasets.
#include <QString>

class TSession
{
public:
    QString SessionName;
    bool KeepConnections = false;
    QString NetFileDir;

    bool Active() const { return active; }
    // Activating raises EDatabaseError naming the network control folder when it does not exist.
    void SetActive(bool value);

private:
    bool active = false;
};
