#include "runner/utf8_chunk_decoder.h"

namespace {

// Length of the sequence that a lead byte starts; 0 for a continuation byte, 1 for anything
// that cannot start a longer sequence.
int SequenceLength(unsigned char c) {
  if ((c & 0xC0) == 0x80) return 0;
  if ((c & 0xE0) == 0xC0) return 2;
  if ((c & 0xF0) == 0xE0) return 3;
  if ((c & 0xF8) == 0xF0) return 4;
  return 1;
}

// Where the complete part of the bytes ends: before a trailing lead byte whose sequence is
// still missing bytes.
qsizetype CompleteLength(const char* bytes, qsizetype size) {
  for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
    int length = SequenceLength(static_cast<unsigned char>(bytes[size - back]));
    if (length == 0) continue;
    return length > back ? size - back : size;
  }
  return size;
}

}  // namespace

void Utf8ChunkDecoder::Convert(const char* data, qsizetype size, QString& out) {
  out.resize(size);  // UTF-8 never takes fewer bytes than UTF-16 takes code units
  QChar* end = utf8_.appendToBuffer(out.data(), QByteArrayView(data, size));
  out.truncate(end - out.constData());
}

void Utf8ChunkDecoder::DecodeInto(const char* data, long size, QString& out) {
  if (pending_.isEmpty()) {
    qsizetype complete = CompleteLength(data, size);
    if (complete < size) pending_.append(data + complete, size - complete);
    Convert(data, complete, out);
    return;
  }
  pending_.append(data, size);
  qsizetype complete = CompleteLength(pending_.constData(), pending_.size());
  Convert(pending_.constData(), complete, out);
  pending_.remove(0, complete);
}

QString Utf8ChunkDecoder::Finish() {
  QString text = QString::fromUtf8(pending_);
  pending_.clear();
  return text;
}
