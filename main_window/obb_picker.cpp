#include "main_window/obb_picker.h"

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) { setWindowTitle(QStringLiteral("Found OBB Files (Click to Skip)")); }
