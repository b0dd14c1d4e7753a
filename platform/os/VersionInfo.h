#pragma once
// Version information of a program file. Each edition's executable carries an ELF
// section ".kvr_version" holding UTF-8 pairs "key\0value\0", the keys being the query
// texts ("\StringFileInfo\040904E4\FileVersion", ...). It is read back from the file
// itself, so a program file without the section gives no values.
#include <QString>

namespace os {

// The value of `key` in the version information of the program file `path`; false
// when the file has no version information or not that key.
bool QueryVersionString(const QString& path, const QString& key, QString& value);

} // namespace os
