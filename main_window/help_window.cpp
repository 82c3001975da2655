#include "main_window/help_window.h"

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window) { setWindowTitle(QStringLiteral("Form2")); }
