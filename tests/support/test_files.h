#pragma once
#include <QByteArray>
#include <QString>

// Writes the file whole, creating its folders; false when it cannot.
bool WriteTestFile(const QString& path, const QByteArray& content = {});
// The file's bytes; a null array when it cannot be read.
QByteArray ReadTestFile(const QString& path);
