// Code page 949 <-> Qt text, through glibc's iconv.
#include <QByteArray>
#include <QString>

#include <cerrno>
#include <cstring>
#include <iconv.h>

#include "win32/Window.h"

namespace win32 {

namespace {

// Length of the UTF-8 sequence that starts with lead (1 for a stray byte).
size_t Utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

// Length of the code page 949 character that starts with lead: a byte above
// 0x80 leads a two-byte character.
size_t Cp949SequenceLength(unsigned char lead)
{
    return lead > 0x80 && lead < 0xFF ? 2 : 1;
}

bool IsAscii(const char* text, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
    }
    return true;
}

// Converts the whole input; a character that cannot be converted, or a
// broken sequence, becomes '?' and the conversion goes on after it. The
// converter of each direction is opened once: texts cross the widgets often.
QByteArray Convert(iconv_t cd, const char* input, size_t length,
                   size_t (*sequenceLength)(unsigned char))
{
    QByteArray output;
    if (cd == (iconv_t)-1) return output;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);

    char* in = const_cast<char*>(input);
    size_t inLeft = length;
    char buffer[256];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        size_t done = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, out - buffer);
        if (done != (size_t)-1 || errno == E2BIG) continue;
        // EILSEQ or EINVAL (a sequence cut short at the end): skip it.
        output.append('?');
        size_t skip = sequenceLength(static_cast<unsigned char>(*in));
        if (skip > inLeft) skip = inLeft;
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
}

}  // namespace

QString FromCp949(const char* text, int length)
{
    if (!text) return QString();
    size_t size = length < 0 ? strlen(text) : static_cast<size_t>(length);
    // Plain ASCII is the same in both; numbers are most of the texts.
    if (IsAscii(text, size)) return QString::fromLatin1(text, static_cast<qsizetype>(size));
    static const iconv_t cd = iconv_open("UTF-8", "CP949");
    return QString::fromUtf8(Convert(cd, text, size, Cp949SequenceLength));
}

QByteArray ToCp949(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    if (IsAscii(utf8.constData(), static_cast<size_t>(utf8.size()))) return utf8;
    static const iconv_t cd = iconv_open("CP949", "UTF-8");
    return Convert(cd, utf8.constData(), utf8.size(), Utf8SequenceLength);
}

}  // namespace win32
