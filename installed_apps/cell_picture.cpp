#include "installed_apps/cell_picture.h"

#include <QPainter>

#include "installed_apps/msflexgrid.h"
#include "runner/form_building.h"
#include "runner/picture_box.h"
#include "runner/vb_color.h"

void SetCellPicture(QWidget* Window, MSFlexGrid* Grid, const QImage& Picture, int Row, int Col, int Width,
                    int Height, qint32 BackColour) {
  if (!Window || !Grid) return;
  const QString name = QStringLiteral("tmpPictureBox");
  auto* box = Window->findChild<PictureBox*>(name);
  if (!box) {
    box = MakeControl<PictureBox>(Window, name);
    box->hide();
    box->SetBorder(false);
  }

  if (Row < 0 || Row >= Grid->Rows() || Col < 0 || Col >= Grid->Cols()) return;
  Grid->Row(Row);
  Grid->Col(Col);
  if (Picture.isNull() || Width <= 0 || Height <= 0) return;

  vbcolor::SetBackColor(box, BackColour);
  box->resize(Width, Height);
  QImage image(box->size(), QImage::Format_RGB32);
  image.fill(vbcolor::ToQColor(BackColour));
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), box->size()), Picture);
  }
  box->SetPicture(image);
  Grid->CellPicture(box->Picture());
  delete box;
}
