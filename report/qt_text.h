#pragma once
// Text from the Qt-free code, as Qt takes it.

#include <QString>

#include <string_view>

namespace sbc {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace sbc
