#pragma once
// The program's file and folder services. A window makes a local object, uses it and
// lets it go; the folder-tree operations leave what they did and failed in four lists.
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StringList.h"

#include <QString>

class CFileSystemUtility
{
public:
    CFileSystemUtility();
    CFileSystemUtility(const CFileSystemUtility&) = delete;
    CFileSystemUtility& operator=(const CFileSystemUtility&) = delete;

    virtual void Initialize();
    // Copies the other object's four lists into this one's.
    virtual void Assign(const CFileSystemUtility& other);
    virtual ~CFileSystemUtility();

    virtual QString GetTempFolder();
    virtual QString GetCommonAppDataPath();
    virtual QString GetLocalAppDataPath();
    virtual bool ExistFile(const QString& path);
    virtual bool ExistDirectory(const QString& path);
    virtual bool CopyOneFile(const QString& source, const QString& destination);
    virtual bool DeleteOneFile(const QString& path);
    virtual bool MoveOneFile(const QString& source, const QString& destination);
    virtual bool RenameOneFile(const QString& oldPath, const QString& newPath);
    virtual int GetAttributes(const QString& path);
    virtual bool SetAttributes(const QString& path, int attributes);
    virtual bool MakeDirectory(const QString& path);
    virtual bool RemoveEmptyDirectory(const QString& path);
    virtual bool ListFiles(const QString& folder, TStrings* list);
    virtual bool ListFilesByExtension(const QString& folder, TStrings* list, const QString& extension);
    virtual bool ListDirectories(const QString& folder, TStrings* list);
    virtual bool ListFilesRecursive(const QString& folder, TStrings* list);
    virtual bool ListDirectoriesRecursive(const QString& folder, TStrings* list);
    virtual bool CopyDirectoryTree(const QString& source, const QString& destination);
    virtual bool RemoveSubdirectories(const QString& folder);
    virtual bool CopyDirectory(const QString& source, const QString& destination);
    virtual bool EmptyDirectory(const QString& folder);
    virtual bool DeleteDirectory(const QString& folder);
    virtual bool MoveDirectoryContents(const QString& source, const QString& destination);
    virtual TStrings* GetDoneDirectories();
    virtual TStrings* GetFailedDirectories();
    virtual TStrings* GetDoneFiles();
    virtual TStrings* GetFailedFiles();
    virtual QString GetUpperFolder(const QString& path);
    virtual long long GetFileLength(const QString& path);
    // The number of bytes copied; -1 no such file, -2 no memory, -3 cannot open, -4 nothing read.
    virtual int ReadFileToBuffer(const QString& path, char* buffer, int capacity);
    // The number of bytes written; -1 cannot open, -2 nothing written.
    virtual int WriteBufferToFile(const QString& path, const char* data, int length);
    virtual long long GetFreeDiskBytes(QChar drive);
    // 0 when the file cannot be read or its file system does not keep the time.
    virtual TDateTime GetLastWriteDateTime(const QString& path);
    virtual TDateTime GetCreationDateTime(const QString& path);
    virtual TDateTime GetLastAccessDateTime(const QString& path);
    // An encoding code of CheckEncoding; -1 for a missing or empty file.
    virtual int DetectFileEncoding(const QString& path);
    // Over the text up to its terminating zero.
    virtual int DetectTextEncoding(const char* text);

protected:
    TStringList* pDoneDirectories = nullptr;
    TStringList* pFailedDirectories = nullptr;
    TStringList* pDoneFiles = nullptr;
    TStringList* pFailedFiles = nullptr;

private:
    bool ListEntries(const QString& pattern, const QString& folder, TStrings* list, bool directories);
};
