#pragma once
// Integer texts of the run-time library: decimal only.
#include <QString>

QString IntToStr(long long value);
// The value of a decimal text with an optional sign, or `fallback` when it is not one.
int StrToIntDef(const QString& text, int fallback);
// The same, raising EConvertError when the text is not a decimal number.
int StrToInt(const QString& text);
