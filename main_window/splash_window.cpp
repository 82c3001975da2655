#include "main_window/splash_window.h"

Form9::Form9(QWidget* parent) : QWidget(parent, Qt::Window) { setWindowTitle(QStringLiteral("")); }
