#include "platform/os/VersionInfo.h"

#include "platform/os/SystemErrors.h"
#include "platform/rtl/Paths.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <elf.h>

namespace os {

namespace {

template <typename T> bool ReadAt(QFile& file, qint64 offset, T& out)
{
    return file.seek(offset) && file.read(reinterpret_cast<char*>(&out), sizeof out) == qint64(sizeof out);
}

// The bytes of the named section of an ELF file of the host's byte order.
template <typename Ehdr, typename Shdr> bool SectionBytes(QFile& file, const char* wanted, QByteArray& bytes)
{
    Ehdr eh;
    if (!ReadAt(file, 0, eh) || eh.e_shentsize != sizeof(Shdr) || eh.e_shstrndx == SHN_UNDEF ||
        eh.e_shstrndx >= eh.e_shnum)
        return false;
    Shdr names;
    if (!ReadAt(file, qint64(eh.e_shoff + eh.e_shstrndx * sizeof(Shdr)), names) ||
        !file.seek(qint64(names.sh_offset)))
        return false;
    const QByteArray table = file.read(qint64(names.sh_size));
    for (unsigned i = 0; i < eh.e_shnum; ++i) {
        Shdr sh;
        if (!ReadAt(file, qint64(eh.e_shoff + i * sizeof(Shdr)), sh))
            return false;
        if (sh.sh_name >= unsigned(table.size()) || sh.sh_type == SHT_NOBITS)
            continue;
        if (std::strncmp(table.constData() + sh.sh_name, wanted, size_t(table.size()) - sh.sh_name) != 0)
            continue;
        if (!file.seek(qint64(sh.sh_offset)))
            return false;
        bytes = file.read(qint64(sh.sh_size));
        return bytes.size() == qint64(sh.sh_size);
    }
    return false;
}

bool VersionSection(const QString& path, QByteArray& bytes)
{
    QFile file(HostPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    unsigned char ident[EI_NIDENT];
    if (file.read(reinterpret_cast<char*>(ident), EI_NIDENT) != EI_NIDENT ||
        std::memcmp(ident, ELFMAG, SELFMAG) != 0)
        return false;
    const bool little = ident[EI_DATA] == ELFDATA2LSB;
    if (little != (Q_BYTE_ORDER == Q_LITTLE_ENDIAN))
        return false;
    if (ident[EI_CLASS] == ELFCLASS64)
        return SectionBytes<Elf64_Ehdr, Elf64_Shdr>(file, ".kvr_version", bytes);
    if (ident[EI_CLASS] == ELFCLASS32)
        return SectionBytes<Elf32_Ehdr, Elf32_Shdr>(file, ".kvr_version", bytes);
    return false;
}

} // namespace

bool QueryVersionString(const QString& path, const QString& key, QString& value)
{
    QByteArray bytes;
    if (!VersionSection(path, bytes)) {
        SetLastError(ENODATA);
        return false;
    }
    const QByteArray wanted = key.toUtf8();
    const QList<QByteArray> parts = bytes.split('\0');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        if (parts[i] == wanted) {
            value = QString::fromUtf8(parts[i + 1]);
            return true;
        }
    SetLastError(ENODATA);
    return false;
}

} // namespace os
