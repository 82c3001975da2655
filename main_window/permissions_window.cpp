#include "main_window/permissions_window.h"

Form1::Form1(QWidget* parent) : QWidget(parent, Qt::Window) { setWindowTitle(QStringLiteral("Permissions in Manifest")); }
