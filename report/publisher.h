#pragma once
#include <string_view>

namespace sbc {
// The publisher's web address: it ends the window caption and the printed report.
inline constexpr std::string_view kPublisherAddress = "www.example.org";
} // namespace sbc
