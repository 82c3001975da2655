#pragma once
#include <QByteArray>
#include <QString>

// Decodes output read in pieces: an incomplete UTF-8 sequence at the end of a piece is kept
// and completed by the next one, so no character is ever split into two broken halves.
class Utf8ChunkDecoder {
 public:
  QString Decode(const char* data, long size);
  // What is left when the output ends: an incomplete sequence, as replacement characters.
  QString Finish();

 private:
  QByteArray pending_;
};
