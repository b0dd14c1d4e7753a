#pragma once
// While one lives, this thread is held to the files' permission bits even when it runs as root:
// it lets go of the capabilities that override them (taken back at the end), so that a file or
// folder made read-only is read-only to the program under test, as it is to an operator.
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class HeldToPermissions
{
public:
    HeldToPermissions()
    {
        header.version = _LINUX_CAPABILITY_VERSION_3;
        header.pid = 0;
        if (syscall(SYS_capget, &header, saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            lowered[cap / 32].effective &= ~(1u << (cap % 32));
        lowered_ = syscall(SYS_capset, &header, lowered) == 0;
    }
    ~HeldToPermissions()
    {
        if (lowered_)
            syscall(SYS_capset, &header, saved);
    }
    HeldToPermissions(const HeldToPermissions&) = delete;
    HeldToPermissions& operator=(const HeldToPermissions&) = delete;

    // Whether a read-only file is now read-only to this thread.
    bool Held() const { return lowered_ || geteuid() != 0; }

    // Makes `path` (a file or folder) read-only, or writable again, for everyone.
    static bool SetReadOnly(const QString& path, bool readOnly)
    {
        const bool folder = QFileInfo(path).isDir();
        QFile::Permissions p = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        if (folder)
            p |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        if (!readOnly)
            p |= QFile::WriteOwner;
        return QFile::setPermissions(path, p);
    }

private:
    __user_cap_header_struct header{};
    __user_cap_data_struct saved[2]{};
    bool lowered_ = false;
};
