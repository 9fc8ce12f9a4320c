#pragma once
// Member names of enumerations, for stored layouts and messages. Each enumeration that a
// layout can hold specialises EnumNames with its members' names in declaration order.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace kurvex {

template <typename E>
struct EnumNames;  // static constexpr std::array<std::string_view, N> names; type_name

#define KX_ENUM_NAMES(Type, ...)                                                     \
  template <>                                                                         \
  struct EnumNames<Type> {                                                            \
    static constexpr std::string_view type_name = #Type;                              \
    static constexpr auto names = std::to_array<std::string_view>({__VA_ARGS__});     \
  }

template <typename E>
constexpr std::string_view EnumName(E value) {
  const auto& names = EnumNames<E>::names;
  const auto index = static_cast<std::size_t>(value);
  return index < names.size() ? names[index] : std::string_view{};
}

template <typename E>
constexpr bool EnumFromName(std::string_view name, E& value) {
  const auto& names = EnumNames<E>::names;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) {
      value = static_cast<E>(i);
      return true;
    }
  }
  return false;
}

template <typename E>
constexpr std::span<const std::string_view> EnumMemberNames() {
  return EnumNames<E>::names;
}

}  // namespace kurvex
