#pragma once
// Enums written once as a list, each enumerator with its name kept as data
// for object names, screenshots and messages. A list entry is X(id), or
// X(id, "name") where the name is no C++ name ("Label(3)").

#include <array>
#include <cstddef>
#include <string_view>

namespace sbc {

constexpr std::string_view FirstOf(std::string_view name, std::string_view = {}) { return name; }

#define SBC_ENUMERATOR(id, ...) id,
#define SBC_ENUMERATOR_NAME(id, ...) ::sbc::FirstOf(__VA_OPT__(__VA_ARGS__, ) #id),
// enum class Enum of the list's ids, and NamesOf(Enum) their names.
#define SBC_NAMED_ENUM(Enum, LIST)                                                                                     \
    enum class Enum { LIST(SBC_ENUMERATOR) };                                                                          \
    inline constexpr std::array k##Enum##Names = {LIST(SBC_ENUMERATOR_NAME)};                                          \
    constexpr const auto& NamesOf(Enum) { return k##Enum##Names; }

template <typename Enum>
inline constexpr std::size_t kCountOf = NamesOf(Enum{}).size();

template <typename Enum>
constexpr std::string_view NameOf(Enum id)
{
    return NamesOf(id)[static_cast<std::size_t>(id)];
}

// Every enumerator, in the list's order.
template <typename Enum>
inline constexpr auto kAll = [] {
    std::array<Enum, kCountOf<Enum>> all{};
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<Enum>(i);
    return all;
}();

// A value for each enumerator, reached by the enumerator itself.
template <typename Enum, typename T>
struct PerId {
    std::array<T, kCountOf<Enum>> values{};
    constexpr T& operator[](Enum id) { return values[static_cast<std::size_t>(id)]; }
    constexpr const T& operator[](Enum id) const { return values[static_cast<std::size_t>(id)]; }
};

// True when `rows` holds exactly one row for each id, in the order of the
// enum: a table keyed by the ids can then be indexed by them.
template <typename Row, typename Enum>
using MemberOf = Enum Row::*;

template <typename Rows, typename Row, typename Enum>
constexpr bool OneRowPerId(const Rows& rows, MemberOf<Row, Enum> id)
{
    if (rows.size() != kCountOf<Enum>)
        return false;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].*id != static_cast<Enum>(i))
            return false;
    return true;
}

} // namespace sbc
