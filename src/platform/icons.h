// Icon resources by id (128 application, 132 all users, 133 shared folder, 134 user), shipped
// as Qt resources. The folder icons are SVG, so they stay sharp at 16, 24, 32 and 48 pixels;
// the application icon comes in the PNG sizes the desktop installs as well, so that setting
// it on the main window needs no SVG support. Icons are read when first drawn.
//
//   setWindowIcon(LoadIconResource(IDR_MAINFRAME));
//   label->setPixmap(IconPixmap(IDI_SHARED_FOLDER, 32, devicePixelRatioF()));
#pragma once

#include <QIcon>
#include <QPixmap>

// An empty icon for an id that has no resource.
QIcon LoadIconResource(int id);
// The icon at size x size device-independent pixels.
QPixmap IconPixmap(int id, int size, qreal devicePixelRatio = 1.0);
