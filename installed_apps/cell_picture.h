#pragma once
#include <QImage>
#include <QtGlobal>

class MSFlexGrid;
class QWidget;

// Draws the picture scaled to Width x Height pixels on BackColour into the grid's cell (Row,
// Col), which becomes the current cell, through a picture box "tmpPictureBox" on the window
// that is removed again. A call that fails on the way leaves the box for the next call.
void SetCellPicture(QWidget* Window, MSFlexGrid* Grid, const QImage& Picture, int Row, int Col, int Width,
                    int Height, qint32 BackColour);
