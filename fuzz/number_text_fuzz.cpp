// libFuzzer target for the number <-> text routines. Every input is read as a
// box's text, and its bytes are also taken as a double and as a single; each
// value is written, read back and checked. A violated property aborts, and
// libFuzzer keeps the input that caused it.

#include "comma_locale.h"
#include "number_text.h"
#include "text_checks.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace sbc;

void Require(const std::string& failure, const char* what)
{
    if (failure.empty())
        return;
    std::fprintf(stderr, "\n%s: %s\n", what, failure.c_str());
    std::abort();
}

void CheckDouble(double value, const char* what)
{
    Require(fuzz::CheckDoubleText(value, TextFromNumber(value)), what);
    Require(fuzz::CheckRounded(value, RoundToInt32(value), INT32_MIN, INT32_MAX), what);
    Require(fuzz::CheckRounded(value, RoundToInt16(value), INT16_MIN, INT16_MAX), what);
    const auto single = ToSingle(value);
    Require(fuzz::CheckStoredSingle(value, single), what);
    if (single)
        Require(fuzz::CheckSingleText(*single, TextFromSingle(*single)), what);
}

template <typename T>
T FromBytes(const std::uint8_t* data)
{
    T value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::fprintf(stderr, "locale: %s\n", fuzz::UseCommaDecimalLocale().c_str());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const double read = NumberFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    Require(fuzz::CheckReadValue(read), "NumberFromText");
    CheckDouble(read, "text read and written again");

    if (size >= sizeof(double))
        CheckDouble(FromBytes<double>(data), "bytes as a double");
    if (size >= sizeof(float)) {
        const float single = FromBytes<float>(data);
        Require(fuzz::CheckSingleText(single, TextFromSingle(single)), "bytes as a single");
    }
    return 0;
}
