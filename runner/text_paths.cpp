#include "runner/text_paths.h"

#include <array>
#include <filesystem>

QString GetFileName(const QString& path) {
  const qsizetype last = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
  return path.mid(last + 1);
}

QString GetFolderPath(const QString& path) {
  const qsizetype last = path.lastIndexOf(u'/');
  return last < 0 ? QString() : path.left(last + 1);
}

QString JoinPath(const QString& folder, const QString& name) {
  return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

bool FolderExists(const QString& sFolder) {
  if (sFolder.isEmpty()) return false;
  std::error_code error;
  return std::filesystem::is_directory(std::filesystem::path(sFolder.toStdString()), error);
}

QString TrimBlanks(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text[begin] == u' ') ++begin;
  while (end > begin && text[end - 1] == u' ') --end;
  return text.mid(begin, end - begin);
}

QString DigitsOnly(const QString& text) {
  QString digits;
  for (const QChar c : text)
    if (c >= u'0' && c <= u'9') digits += c;
  return digits;
}

QString CTrim(QString S1) {
  static constexpr std::array<char16_t, 6> kHighCodes{127, 129, 141, 143, 144, 157};
  S1.removeIf([](QChar c) {
    const char16_t code = c.unicode();
    return code <= 32 || std::find(kHighCodes.begin(), kHighCodes.end(), code) != kHighCodes.end();
  });
  return S1;  // the blank is among the codes, so nothing is left to trim
}

namespace {
bool IsAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
}  // namespace

bool IsPackageName(const QString& name) {
  if (name.isEmpty()) return false;
  bool segmentStart = true;
  for (const QChar c : name) {
    if (segmentStart) {
      if (!IsAsciiLetter(c)) return false;
      segmentStart = false;
    } else if (c == u'.') {
      segmentStart = true;
    } else if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != u'_') {
      return false;
    }
  }
  return !segmentStart;
}

QString QuoteLocalPath(const QString& path) {
  // The splitter's rules: 2n backslashes before a quote give n, 2n+1 give n and a literal quote;
  // backslashes elsewhere are plain characters.
  QString quoted(u'"');
  qsizetype backslashes = 0;
  for (const QChar c : path) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    if (c == u'"') {
      quoted += QString(backslashes * 2 + 1, u'\\');
    } else {
      quoted += QString(backslashes, u'\\');
    }
    backslashes = 0;
    quoted += c;
  }
  quoted += QString(backslashes * 2, u'\\');
  return quoted + u'"';
}
