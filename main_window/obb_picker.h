#pragma once
#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

// The OBB picker: one row per candidate (17 at most) with a toggle that marks it to skip.
// Its install button hides it and keeps its rows; its close box unloads it.
class Form3 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kRows = 17;  // rows 0..16 show candidates; row 17 is never shown
  static constexpr int kTopBand = 18;

  // The parent is the main window: the picker shows the APK's file name from its Label5.
  explicit Form3(QWidget* parent = nullptr);

  void Form_Load();
  void Check1_Click(int Index);
  void Command1_Click();
  void Timer1_Timer();

  int HeightTwips() const;

  // ---- Controls (objectName = member name; array members also carry the property "Index")
  std::array<QGroupBox*, 19> Frame1{};   // index 18: the top band with the APK's file name
  std::array<QLabel*, 19> Label1{};      // index 18: the APK's file name
  std::array<QPushButton*, 18> Check1{};  // checkable: down (value 1) means skip
  QPushButton* Command1 = nullptr;
  QLabel* Label2 = nullptr;
  QTimer* Timer1 = nullptr;

 private:
  void CreateControls();
};
