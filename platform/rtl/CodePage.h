#pragma once
// The system code page of the machines the program's files go to: CP932 (Windows-31J).
// Only bytes that leave the program for another one pass through it.
#include <QByteArray>
#include <QString>

// Characters CP932 cannot hold become "?".
QByteArray ToCodePage(const QString& text);
// Bytes that are not CP932 become "?".
QString FromCodePage(const QByteArray& bytes);
