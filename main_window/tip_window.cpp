#include "main_window/tip_window.h"

Form7::Form7(QWidget* parent) : QWidget(parent, Qt::Window) { setWindowTitle(QStringLiteral("Tip")); }
