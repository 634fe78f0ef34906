#pragma once

#include <QString>

#include <string>

namespace ui {

// Core strings are UTF-8; widgets hold QString.
inline QString toQt(const std::string &text)
{
    return QString::fromStdString(text);
}

inline std::string fromQt(const QString &text)
{
    return text.toStdString();
}

} // namespace ui
