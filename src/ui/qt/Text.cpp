#include "ui/qt/Text.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

#include "ui/MessageText.h"

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

QString pathToQString(std::string_view path) {
#ifdef _WIN32
    return toQString(path);
#else
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
#endif
}

std::string pathFromQString(const QString& path) {
#ifdef _WIN32
    return fromQString(path);
#else
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
#endif
}

namespace {

QString messageText(std::string_view bytes) {
#ifndef _WIN32
    bool ascii = true;
    for (const char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (!ascii) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded =
            utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
        if (!utf8.hasError()) return decoded;
    }
#endif
    return toQString(bytes);
}

}  // namespace

QString displayText(std::string_view bytes) {
    // The breaks are ASCII, never part of a UTF-8 letter: they are set before the decoding.
    return messageText(ui::withLineBreaks(bytes, "\n"));
}

}  // namespace plevo
