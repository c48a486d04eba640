#pragma once

// The core works on bytes, as the game's files do, and the game reads one
// byte per character. The windows show such bytes as Latin-1, so every byte
// 0-255 of a file comes back as it was. Paths and program arguments are the
// operating system's and use its encoding instead, so that the file a dialog
// picked or a field names is the one opened.

#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringDecoder>

#include <string>
#include <string_view>

namespace tesk {

// Text of the game's files and of the profiles.
inline QString ToQ(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// One byte for each character; a character beyond Latin-1 is written as "?".
inline std::string FromQ(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t character : text.toUcs4())
        bytes += character <= 0xFF ? static_cast<char>(character) : '?';
    return bytes;
}

// Paths, names of files and directories, and program arguments.
inline QString PathToQ(std::string_view path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

inline std::string PathFromQ(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A message may name a path as well as quote a file's bytes: it is shown in
// the system's encoding when it is valid there, else one byte per character.
inline QString MessageToQ(std::string_view text)
{
    QStringDecoder decoder(QStringDecoder::System, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return decoder.hasError() ? ToQ(text) : decoded;
}

} // namespace tesk
