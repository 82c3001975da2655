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
qsizetype CompleteLength(const QByteArray& bytes) {
  qsizetype size = bytes.size();
  for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
    int length = SequenceLength(static_cast<unsigned char>(bytes[size - back]));
    if (length == 0) continue;
    return length > back ? size - back : size;
  }
  return size;
}

}  // namespace

QString Utf8ChunkDecoder::Decode(const char* data, long size) {
  pending_.append(data, size);
  qsizetype complete = CompleteLength(pending_);
  QString text = QString::fromUtf8(pending_.constData(), complete);
  pending_.remove(0, complete);
  return text;
}

QString Utf8ChunkDecoder::Finish() {
  QString text = QString::fromUtf8(pending_);
  pending_.clear();
  return text;
}
