#pragma once
// std::from_chars for floating point, also where the standard library lacks
// it (libc++ before LLVM 20, which emscripten uses). There the C library's
// strtod and strtof stand in; they read the same text while the C locale's
// decimal point is the point, as it always is in a web page.

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>
#include <type_traits>

namespace sbc {

template <typename Float>
std::from_chars_result FromChars(const char* first, const char* last, Float& value)
{
    static_assert(std::is_floating_point_v<Float>);
#ifdef __cpp_lib_to_chars
    return std::from_chars(first, last, value);
#else
    const std::string text(first, last);
    char* end = nullptr;
    errno = 0;
    Float read{};
    if constexpr (std::is_same_v<Float, float>)
        read = std::strtof(text.c_str(), &end);
    else
        read = std::strtod(text.c_str(), &end);
    const auto ptr = first + (end - text.c_str());
    if (ptr == first)
        return {first, std::errc::invalid_argument};
    // Out of range as from_chars says it: the value is left as it was.
    if (errno == ERANGE && (std::isinf(read) || read == 0))
        return {ptr, std::errc::result_out_of_range};
    value = read;
    return {ptr, std::errc{}};
#endif
}

} // namespace sbc
