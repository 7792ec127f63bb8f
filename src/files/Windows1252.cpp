#include "Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace quenra {

namespace {

constexpr char kCodecName[] = "windows-1252";
constexpr char16_t kSubstitute = u'?';

} // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
    QStringDecoder decoder(kCodecName);
    if (!decoder.isValid()) {
        return QString::fromLatin1(bytes);
    }
    return decoder.decode(bytes);
}

QByteArray EncodeWindows1252(const QString& text, int* replaced) {
    QStringEncoder encoder(kCodecName);
    int substitutes = 0;
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            out.append(static_cast<char>(c.unicode()));
            continue;
        }
        if (c.isHighSurrogate() || c.isLowSurrogate()) {
            // Nothing outside the Basic Multilingual Plane is in Windows-1252; a pair of
            // surrogates is one character and becomes one "?".
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                ++i;
            }
            out.append(static_cast<char>(kSubstitute));
            ++substitutes;
            continue;
        }
        // ICU writes its own substitution byte for characters the code page lacks; ask for
        // one character at a time so that such a character can be told from a real one.
        const QByteArray encoded =
            encoder.isValid() ? QByteArray(encoder.encode(QString(c))) : QByteArray();
        if (encoded.size() == 1 && static_cast<unsigned char>(encoded.at(0)) >= 0x80) {
            out.append(encoded);
        } else {
            out.append(static_cast<char>(kSubstitute));
            ++substitutes;
        }
    }
    if (replaced) {
        *replaced = substitutes;
    }
    return out;
}

int UnstorableCharacters(const QString& text) {
    // Most values are plain ASCII, which the code page holds as it is.
    const bool ascii =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        return 0;
    }
    int replaced = 0;
    EncodeWindows1252(text, &replaced);
    return replaced;
}

QStringList SplitFileLines(const QString& text) {
    QStringList lines;
    lines.reserve(text.count(QLatin1Char('\n')) + 1);
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype lf = text.indexOf(QLatin1Char('\n'), start);
        if (lf < 0) {
            lines.append(text.mid(start));
            break;
        }
        qsizetype end = lf;
        if (end > start && text.at(end - 1) == QLatin1Char('\r')) {
            --end;
        }
        lines.append(text.mid(start, end - start));
        start = lf + 1;
    }
    return lines;
}

} // namespace quenra
