#pragma once
#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// Decodes output read in pieces: an incomplete UTF-8 sequence at the end of a piece is kept
// and completed by the next one, so no character is ever split into two broken halves.
class Utf8ChunkDecoder {
 public:
  QString Decode(const char* data, long size);
  // The same, into `out`, whose storage is reused when nobody else holds it.
  void DecodeInto(const char* data, long size, QString& out);
  // What is left when the output ends: an incomplete sequence, as replacement characters.
  QString Finish();

 private:
  void Convert(const char* data, qsizetype size, QString& out);

  QByteArray pending_;
  // Stateless, as the incomplete tail is kept here; ConvertInitialBom, because a stateless decoder
  // would otherwise drop EF BB BF at the start of every piece, not only of the output.
  QStringDecoder utf8_{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom};
};
