#include "platform/Text.h"

#include <QByteArray>

namespace plevo {

QString toQString(std::string_view bytes) {
#ifdef _WIN32
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
#else
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
#endif
}

std::string fromQString(const QString& text) {
#ifdef _WIN32
    const QByteArray bytes = text.toLocal8Bit();
#else
    // Characters beyond Latin-1 (only typed or pasted ones can be) become "?", as an 8-bit box
    // would show them.
    const QByteArray bytes = text.toLatin1();
#endif
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString displayText(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    const QString text = toQString(bytes);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r') {
            // "\n\r" and "\r\n" are one break; any other lone break is one too.
            if (i + 1 < text.size() && (text[i + 1] == u'\n' || text[i + 1] == u'\r') &&
                text[i + 1] != c)
                ++i;
            out += u'\n';
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace plevo
