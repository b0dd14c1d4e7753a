#include "core/util/C_file_system_utility.h"

#include "core/util/EncodeDetect.h"
#include "platform/os/Disks.h"
#include "platform/os/Files.h"
#include "platform/os/Folders.h"
#include "platform/rtl/Paths.h"

#include <QBuffer>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace {

QString WithoutTrailingBackslash(const QString& path)
{
    return path.endsWith('\\') ? path.left(path.size() - 1) : path;
}

// The place of `path` (below `from`) below `to`.
QString Rebase(const QString& path, const QString& from, const QString& to)
{
    return to + path.mid(from.size());
}

TDateTime FileTimeOf(const QString& path, os::FileTime which)
{
    TDateTime value;
    return os::GetFileTime(path, which, value) ? value : TDateTime(0);
}

} // namespace

CFileSystemUtility::CFileSystemUtility()
{
    Initialize();
}

void CFileSystemUtility::Initialize()
{
    pDoneDirectories = new TStringList;
    pFailedDirectories = new TStringList;
    pDoneFiles = new TStringList;
    pFailedFiles = new TStringList;
}

void CFileSystemUtility::Assign(const CFileSystemUtility& other)
{
    if (&other == this)
        return;
    *pDoneDirectories = *other.pDoneDirectories;
    *pFailedDirectories = *other.pFailedDirectories;
    *pDoneFiles = *other.pDoneFiles;
    *pFailedFiles = *other.pFailedFiles;
}

CFileSystemUtility::~CFileSystemUtility()
{
    delete pDoneDirectories;
    delete pFailedDirectories;
    delete pDoneFiles;
    delete pFailedFiles;
}

QString CFileSystemUtility::GetTempFolder()
{
    return os::GetTempPath();
}

QString CFileSystemUtility::GetCommonAppDataPath()
{
    return os::GetSpecialFolderPath(os::CSIDL_COMMON_APPDATA);
}

QString CFileSystemUtility::GetLocalAppDataPath()
{
    return os::GetSpecialFolderPath(os::CSIDL_LOCAL_APPDATA);
}

bool CFileSystemUtility::ExistFile(const QString& path)
{
    return os::FileExists(path);
}

bool CFileSystemUtility::ExistDirectory(const QString& path)
{
    return os::DirectoryExists(WithoutTrailingBackslash(path));
}

bool CFileSystemUtility::CopyOneFile(const QString& source, const QString& destination)
{
    return os::CopyFile(source, destination, false);
}

bool CFileSystemUtility::DeleteOneFile(const QString& path)
{
    return os::DeleteFile(path);
}

bool CFileSystemUtility::MoveOneFile(const QString& source, const QString& destination)
{
    if (!CopyOneFile(source, destination))
        return false;
    return DeleteOneFile(source);
}

bool CFileSystemUtility::RenameOneFile(const QString& oldPath, const QString& newPath)
{
    return os::MoveFile(oldPath, newPath);
}

int CFileSystemUtility::GetAttributes(const QString& path)
{
    return os::GetFileAttributes(path);
}

bool CFileSystemUtility::SetAttributes(const QString& path, int attributes)
{
    return os::SetFileAttributes(path, attributes);
}

bool CFileSystemUtility::MakeDirectory(const QString& path)
{
    return os::CreateDirectory(WithoutTrailingBackslash(path));
}

bool CFileSystemUtility::RemoveEmptyDirectory(const QString& path)
{
    return os::RemoveDirectory(WithoutTrailingBackslash(path));
}

bool CFileSystemUtility::ListEntries(const QString& pattern, const QString& folder, TStrings* list,
                                     bool directories)
{
    for (const os::FindData& f : os::FindFiles(folder + pattern)) {
        if (f.Attributes & (os::FILE_ATTRIBUTE_HIDDEN | (directories ? os::FILE_ATTRIBUTE_SYSTEM : 0)))
            continue;
        if (bool(f.Attributes & os::FILE_ATTRIBUTE_DIRECTORY) == directories)
            list->Add(folder + "\\" + f.Name);
    }
    return true;
}

bool CFileSystemUtility::ListFiles(const QString& folder, TStrings* list)
{
    return ListEntries("\\*.*", folder, list, false);
}

bool CFileSystemUtility::ListFilesByExtension(const QString& folder, TStrings* list, const QString& extension)
{
    return ListEntries("\\*." + extension, folder, list, false);
}

bool CFileSystemUtility::ListDirectories(const QString& folder, TStrings* list)
{
    return ListEntries("\\*", folder, list, true);
}

bool CFileSystemUtility::ListFilesRecursive(const QString& folder, TStrings* list)
{
    ListFiles(folder, list);
    TStringList subfolders;
    ListDirectories(folder, &subfolders);
    for (const QString& sub : subfolders.List())
        ListFilesRecursive(sub, list);
    return true;
}

bool CFileSystemUtility::ListDirectoriesRecursive(const QString& folder, TStrings* list)
{
    TStringList subfolders;
    ListDirectories(folder, &subfolders);
    for (const QString& sub : subfolders.List()) {
        list->Add(sub);
        ListDirectoriesRecursive(sub, list);
    }
    return true;
}

bool CFileSystemUtility::CopyDirectoryTree(const QString& source, const QString& destination)
{
    TStringList folders;
    ListDirectoriesRecursive(source, &folders);
    pDoneDirectories->Clear();
    pFailedDirectories->Clear();
    bool ok = true;
    for (const QString& folder : folders.List()) {
        const QString target = Rebase(folder, source, destination);
        if (MakeDirectory(target)) {
            pDoneDirectories->Add(target);
        } else {
            pFailedDirectories->Add(target);
            ok = false;
        }
    }
    return ok;
}

bool CFileSystemUtility::RemoveSubdirectories(const QString& folder)
{
    TStringList folders;
    ListDirectoriesRecursive(folder, &folders);
    pDoneDirectories->Clear();
    pFailedDirectories->Clear();
    bool ok = true;
    for (int i = folders.Count() - 1; i >= 0; --i) {
        if (RemoveEmptyDirectory(folders[i])) {
            pDoneDirectories->Add(folders[i]);
        } else {
            pFailedDirectories->Add(folders[i]);
            ok = false;
        }
    }
    return ok;
}

bool CFileSystemUtility::CopyDirectory(const QString& source, const QString& destination)
{
    TStringList files;
    ListFilesRecursive(source, &files);
    CopyDirectoryTree(source, destination);
    pDoneFiles->Clear();
    pFailedFiles->Clear();
    bool ok = true;
    for (const QString& file : files.List()) {
        if (CopyOneFile(file, Rebase(file, source, destination))) {
            pDoneFiles->Add(file);
        } else {
            pFailedFiles->Add(file);
            ok = false;
        }
    }
    return ok;
}

bool CFileSystemUtility::EmptyDirectory(const QString& folder)
{
    TStringList files;
    ListFilesRecursive(folder, &files);
    for (const QString& file : files.List())
        DeleteOneFile(file);
    return RemoveSubdirectories(folder);
}

bool CFileSystemUtility::DeleteDirectory(const QString& folder)
{
    if (!EmptyDirectory(folder))
        return false;
    return RemoveEmptyDirectory(folder);
}

bool CFileSystemUtility::MoveDirectoryContents(const QString& source, const QString& destination)
{
    CopyDirectory(source, destination);
    TStringList files;
    ListFilesRecursive(source, &files);
    for (const QString& file : files.List())
        if (!pFailedFiles->List().contains(file))
            DeleteOneFile(file);
    return RemoveSubdirectories(source);
}

TStrings* CFileSystemUtility::GetDoneDirectories()
{
    return pDoneDirectories;
}

TStrings* CFileSystemUtility::GetFailedDirectories()
{
    return pFailedDirectories;
}

TStrings* CFileSystemUtility::GetDoneFiles()
{
    return pDoneFiles;
}

TStrings* CFileSystemUtility::GetFailedFiles()
{
    return pFailedFiles;
}

QString CFileSystemUtility::GetUpperFolder(const QString& path)
{
    const int cut = int(path.lastIndexOf('\\'));
    const QString folder = path.left(cut + 1);
    const QString name = path.mid(cut + 1);
    if (!name.contains('.'))
        return folder;
    if (folder.size() <= 3)
        return folder;
    const int parent = int(folder.lastIndexOf('\\', folder.size() - 2));
    if (parent + 1 > 3)
        return folder.left(parent + 1);
    return QString();
}

long long CFileSystemUtility::GetFileLength(const QString& path)
{
    const std::vector<os::FindData> found = os::FindFiles(path);
    return found.empty() ? -1 : found.front().Size;
}

int CFileSystemUtility::ReadFileToBuffer(const QString& path, char* buffer, int capacity)
{
    const int size = int(GetFileLength(path));
    if (size < 0)
        return size;
    std::unique_ptr<char[]> work(new (std::nothrow) char[size_t(size) + 1]);
    if (!work)
        return -2;
    FILE* file = std::fopen(QFile::encodeName(HostPath(path)).constData(), "rb");
    if (!file)
        return -3;
    const size_t got = std::fread(work.get(), 1, size_t(size), file);
    std::fclose(file);
    if (got == 0)
        return -4;
    const int n = std::min(capacity, int(got));
    if (n > 0)
        std::memcpy(buffer, work.get(), size_t(n));
    return n;
}

int CFileSystemUtility::WriteBufferToFile(const QString& path, const char* data, int length)
{
    FILE* file = std::fopen(QFile::encodeName(HostPath(path)).constData(), "wb");
    if (!file)
        return -1;
    const size_t written = length > 0 ? std::fwrite(data, 1, size_t(length), file) : 0;
    std::fclose(file);
    return written == 0 ? -2 : int(written);
}

long long CFileSystemUtility::GetFreeDiskBytes(QChar drive)
{
    return os::GetDiskFreeBytes(QString(drive) + ":\\");
}

TDateTime CFileSystemUtility::GetLastWriteDateTime(const QString& path)
{
    return FileTimeOf(path, os::FileTime::LastWrite);
}

TDateTime CFileSystemUtility::GetCreationDateTime(const QString& path)
{
    return FileTimeOf(path, os::FileTime::Creation);
}

TDateTime CFileSystemUtility::GetLastAccessDateTime(const QString& path)
{
    return FileTimeOf(path, os::FileTime::LastAccess);
}

int CFileSystemUtility::DetectFileEncoding(const QString& path)
{
    const int size = int(GetFileLength(path));
    if (size <= 0)
        return -1;
    QByteArray bytes(size, '\0');
    const int got = ReadFileToBuffer(path, bytes.data(), size);
    if (got <= 0)
        return -1;
    // The file's own length bounds the text: a zero byte (UTF-16, say) does not end it.
    bytes.truncate(got);
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    return CheckEncoding(stream, 1024);
}

int CFileSystemUtility::DetectTextEncoding(const char* text)
{
    QByteArray bytes(text ? text : "", text ? qsizetype(std::strlen(text)) : 0);
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    return CheckEncoding(stream, 1024);
}
