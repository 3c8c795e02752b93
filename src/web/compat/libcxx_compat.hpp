// SPDX-License-Identifier: GPL-3.0-or-later
// Two pieces of C++20's library that the C++ library of the Debian
// Emscripten toolchain (libc++ before version 14) lacks:
// - std::to_chars for double with a format and a precision. It formats with
//   snprintf, which in that toolchain's C library converts exactly (correctly
//   rounded, like to_chars), and is never affected by a locale there: the
//   page sets none.
// - std::from_chars for double.
// - std::bit_cast, through the compiler's built-in.
//
// The WebAssembly build includes this header before every source file; the
// native build never sees it.
#pragma once

#include <bit>
#include <charconv>

#if defined(__EMSCRIPTEN__) && defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000

#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace std {

inline to_chars_result to_chars(char* first, char* last, double value, chars_format fmt,
                                int precision) {
    const char* format = "%.*g";
    if (fmt == chars_format::scientific)
        format = "%.*e";
    else if (fmt == chars_format::fixed)
        format = "%.*f";
    else if (fmt == chars_format::hex)
        format = "%.*a";
    const ptrdiff_t room = last - first;
    char buf[400];  // the longest fixed double with a small precision fits
    const int n = snprintf(buf, sizeof buf, format, precision, value);
    if (n < 0 || n >= static_cast<int>(sizeof buf) || n > room)
        return {last, errc::value_too_large};
    char* out = first;
    for (int i = 0; i < n; ++i)
        *out++ = buf[i];
    return {out, errc{}};
}

// std::from_chars for double, through strtod: the page sets no locale, so
// its decimal point is ".".
inline from_chars_result from_chars(const char* first, const char* last, double& value) {
    char buf[400];
    const ptrdiff_t n = last - first;
    if (n <= 0 || n >= static_cast<ptrdiff_t>(sizeof buf)) return {first, errc::invalid_argument};
    for (ptrdiff_t i = 0; i < n; ++i)
        buf[i] = first[i];
    buf[n] = '\0';
    char* end = nullptr;
    const double parsed = strtod(buf, &end);
    if (end == buf) return {first, errc::invalid_argument};
    value = parsed;
    return {first + (end - buf), errc{}};
}

#ifndef __cpp_lib_bit_cast
template <class To, class From>
constexpr To bit_cast(const From& from) noexcept {
    static_assert(sizeof(To) == sizeof(From));
    return __builtin_bit_cast(To, from);
}
#endif

}  // namespace std

#endif
