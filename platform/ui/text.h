#pragma once
// The text boundary between our 8-bit strings and Qt. Our code keeps every
// text as std::string bytes; Qt gets them through Latin-1, which maps each byte
// to the character of the same number, so any byte string round-trips. Only the
// layer's own .cpp files include this header.

#include <QString>
#include <string>

namespace ui {

inline QString ToQt(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A character above U+00FF (the user can type one) becomes '?'.
inline std::string FromQt(const QString& text) {
    QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace ui
