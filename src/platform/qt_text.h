// The one crossing between our wide strings and Qt's strings.
#pragma once

#include <QString>

#include "shared/cstring.h"

inline QString ToQString(const CString& text) {
    return QString::fromStdWString(text);
}

inline CString FromQString(const QString& text) {
    return text.toStdWString();
}
