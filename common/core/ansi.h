#pragma once
// 8-bit text as the data files hold it: Windows-1252.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace pellar {

// Encodes text as Windows-1252. A character the code page cannot hold becomes '?'.
QByteArray toAnsi(QStringView text);

// Decodes Windows-1252 bytes. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) come back as the control characters of the same value.
QString fromAnsi(QByteArrayView bytes);
// The same into `out`, which has room for bytes.size() characters: for short fields read
// one after another without a string for each.
void fromAnsi(QByteArrayView bytes, char16_t* out);

// The text without what a one-line field of the data files cannot hold: characters outside
// the code page and control characters (a line break would end the record). What was left
// out goes to *dropped.
QString storableText(QStringView text, QString* dropped = nullptr);

} // namespace pellar
