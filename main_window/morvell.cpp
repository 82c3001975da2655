#include "main_window/morvell.h"

#include <QCloseEvent>

#include "main_window/help_window.h"
#include "main_window/log_box.h"
#include "main_window/obb_picker.h"
#include "main_window/permissions_window.h"
#include "main_window/splash_window.h"
#include "main_window/tip_window.h"

// Placeholder until the window is built.
morvell::morvell(QWidget* parent) : QWidget(parent) { CreateControls(); }
morvell::~morvell() = default;
void morvell::Show() { show(); }
void morvell::SetQuitHandler(std::function<void()>) {}
void morvell::closeEvent(QCloseEvent* event) { event->accept(); }
int morvell::WidthTwips() const { return width() * 15; }
int morvell::HeightTwips() const { return height() * 15; }
void morvell::SetWidthTwips(int twips) { resize(twips / 15, height()); }
void morvell::SetHeightTwips(int twips) { resize(width(), twips / 15); }
Form1* morvell::Form1Instance() { if (!form1_) form1_ = std::make_unique<Form1>(); return form1_.get(); }
Form2* morvell::Form2Instance() { if (!form2_) form2_ = std::make_unique<Form2>(); return form2_.get(); }
Form3* morvell::Form3Instance() { if (!form3_) form3_ = new Form3(this); return static_cast<Form3*>(form3_.data()); }
Form7* morvell::Form7Instance() { if (!form7_) form7_ = std::make_unique<Form7>(); return form7_.get(); }
