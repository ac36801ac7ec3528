// Builds the Qt widget of one template control, placed at its pixel rectangle on the
// dialog's client widget. Connections to the dialog's handlers are made by CDialog.
#pragma once

#include "platform/dialog_template.h"

class QWidget;

QWidget* CreateControl(const DialogControl& control, QWidget* client);
