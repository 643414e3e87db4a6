#pragma once

#include <cstdint>

// The sixteen colours of the classic desktop palette. The pictures keep to them so they look
// at home beside the platform's own toolbar and window art.
namespace tavelin::editor::classic {

inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kMaroon = 0x800000;
inline constexpr std::uint32_t kGreen = 0x008000;
inline constexpr std::uint32_t kOlive = 0x808000;
inline constexpr std::uint32_t kNavy = 0x000080;
inline constexpr std::uint32_t kPurple = 0x800080;
inline constexpr std::uint32_t kTeal = 0x008080;
inline constexpr std::uint32_t kSilver = 0xC0C0C0;
inline constexpr std::uint32_t kGrey = 0x808080;
inline constexpr std::uint32_t kRed = 0xFF0000;
inline constexpr std::uint32_t kLime = 0x00FF00;
inline constexpr std::uint32_t kYellow = 0xFFFF00;
inline constexpr std::uint32_t kBlue = 0x0000FF;
inline constexpr std::uint32_t kFuchsia = 0xFF00FF;
inline constexpr std::uint32_t kAqua = 0x00FFFF;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace tavelin::editor::classic
