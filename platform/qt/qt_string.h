#pragma once
// The core speaks UTF-8 std::string; Qt speaks QString. Text crosses here.
#include <QString>
#include <string>

namespace tarvenel::qt {

inline QString ToQt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) {
    return text.toUtf8().toStdString();
}

// Message and tip texts use Windows line ends; Qt wants plain line feeds.
inline QString ToQtLines(const std::string& text) {
    return ToQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace tarvenel::qt
