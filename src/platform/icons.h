// Icon resources by id (128 application, 132 all users, 133 shared folder, 134 user), drawn
// as SVG and shipped as Qt resources, so they stay sharp at 16, 24, 32 and 48 pixels.
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
