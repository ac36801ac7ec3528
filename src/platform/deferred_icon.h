// An icon whose images are read when it is first drawn or measured, not when it is made.
// Reading any image in Qt loads every image format plugin (and the SVG library with one of
// them); an icon that is only set on a window, or shown only in a later dialog, should not
// make the program pay for that before its first frame.
//
//   QIcon icon = DeferredIcon([] { return QIcon(QStringLiteral(":/icons/128/32.png")); });
#pragma once

#include <functional>

#include <QIcon>

// The factory runs at most once, on first use of the icon or of any copy of it. It must make
// an icon that is not null: until then the icon says it is not null without reading it.
QIcon DeferredIcon(std::function<QIcon()> factory);
