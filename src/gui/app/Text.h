#pragma once

// The core works on bytes, as the game's files do; the windows convert with
// the platform's 8-bit encoding.

#include <QString>

#include <string>
#include <string_view>

namespace tesk {

inline QString ToQ(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQ(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace tesk
