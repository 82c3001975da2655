#include "main_window/permissions_window.h"

#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

#include "runner/form_building.h"

Form1::Form1(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Permissions in Manifest"));
  setFixedSize(Pixels(9105), Pixels(6015));

  Permissions = MakeControl<QGroupBox>(this, QStringLiteral("Permissions"));
  Permissions->setTitle(QStringLiteral("Permissions"));
  Permissions->setGeometry(TwipsRect(240, 120, 8415, 5295));

  Label1 = MakeControl<QLabel>(Permissions, QStringLiteral("Label1"));
  Label1->setTextFormat(Qt::PlainText);
  Label1->setGeometry(TwipsRect(120, 240, 8175, 4935));
  Label1->setFont(DesignFont(QStringLiteral("Arial"), 9.75));
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setWordWrap(true);
  Label1->installEventFilter(this);
}

void Form1::SetLabel1Caption(const QString& caption) {
  // A label breaks lines only at line feeds; the list's lines end in carriage returns.
  QString shown = caption;
  shown.replace(u'\r', u'\n');
  Label1->setText(shown);
}

void Form1::Label1_Click() { hide(); }

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label1 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && Label1->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
    Label1_Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
