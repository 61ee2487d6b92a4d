#include "common/core/ansi.h"

#include <array>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pellar {

namespace {

// Bytes 0x80-0x9F of the code page; the rest of the byte range is Latin-1 as it stands.
// The five bytes the code page leaves undefined map to the control characters of the same
// value, so any byte string survives a decode and an encode unchanged.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

constexpr std::array<char16_t, 256> makeDecodeTable() {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = char16_t(b);
    for (int i = 0; i < 32; ++i)
        table[0x80 + i] = kHighControls[i];
    return table;
}

constexpr std::array<char16_t, 256> kDecode = makeDecodeTable();

char encodeOne(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

QByteArray toAnsi(QStringView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    const char16_t* src = text.utf16();
    const char16_t* const end = src + text.size();
    while (src != end) {
        const char16_t c = *src++;
        if (c < 0x80) {
            *dst++ = char(c);
        } else if (isHighSurrogate(c) && src != end && isLowSurrogate(*src)) {
            // One character outside the code page, however many code units it took.
            ++src;
            *dst++ = '?';
        } else {
            *dst++ = encodeOne(c);
        }
    }
    out.truncate(dst - out.constData());
    return out;
}

QString fromAnsi(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    fromAnsi(bytes, reinterpret_cast<char16_t*>(out.data()));
    return out;
}

void fromAnsi(QByteArrayView bytes, char16_t* dst) {
    const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    // Whole files are decoded at once: widen 16 bytes at a time as Latin-1, then correct
    // the few bytes at 0x80 and above through the table.
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 8), _mm_unpackhi_epi8(chunk, zero));
        for (unsigned high = unsigned(_mm_movemask_epi8(chunk)); high != 0; high &= high - 1) {
            const int k = __builtin_ctz(high);
            dst[i + k] = kDecode[src[i + k]];
        }
    }
#endif
    for (; i < n; ++i)
        dst[i] = kDecode[src[i]];
}

QString storableText(QStringView text, QString* dropped) {
    QString kept;
    kept.reserve(text.size());
    const char16_t* src = text.utf16();
    const char16_t* const end = src + text.size();
    while (src != end) {
        const char16_t c = *src++;
        if (isHighSurrogate(c) && src != end && isLowSurrogate(*src)) {
            if (dropped)
                dropped->append(QChar(c)).append(QChar(*src));
            ++src;
            continue;
        }
        const bool storable = c >= 0x20 && c != 0x7F && (c == u'?' || encodeOne(c) != '?');
        if (storable)
            kept.append(QChar(c));
        else if (dropped)
            dropped->append(QChar(c));
    }
    return kept;
}

} // namespace pellar
