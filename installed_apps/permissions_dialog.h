#pragma once
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "runner/dos_outputs.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

// "Manage permissions": one row per runtime permission of the selected app, with a box that
// grants the permission on the headset when ticked and revokes it when cleared. Filled from the
// shared hand-over; "Done" hides it for the next opening, the close box discards it.
class Form8 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kRows = 14;
  static constexpr int kDesignHeight = 11325;  // twips, title bar included

  // selectedPackage reads the installed-apps window's selected package at the moment of a click.
  explicit Form8(std::function<QString()> selectedPackage, QWidget* parent = nullptr);

  void Form_Load();
  void Check1_Click(int Index);
  void Command1_Click();

  // The window's height in twips as the design counts it (title bar included).
  int WindowHeight() const { return height_; }

  QPushButton* Command1 = nullptr;
  std::array<QGroupBox*, kRows + 1> Frame1{};  // rows 1 to 14; element 0 stays empty
  std::array<QLabel*, kRows + 1> Label1{};
  std::array<QCheckBox*, kRows + 1> Check1{};

  std::unique_ptr<DOSOutputs> objDOS;
  QString LastChangeOutput;  // what the last grant or revoke printed

 private:
  void SetWindowHeight(int twips);
  // Runs the grant or revoke; false when it did not run or the headset refused it (the user
  // has been told, unless the fill sent it).
  bool ChangePermission(int Index, bool grant);

  std::function<QString()> selectedPackage_;
  bool filling_ = false;
  int height_ = kDesignHeight;
};
