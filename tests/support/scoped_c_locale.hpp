// SPDX-License-Identifier: GPL-3.0-or-later
// Sets the C library's locale for one test and puts the previous one back
// when it goes out of scope, also when an assertion ends the test early.
#pragma once

#include <clocale>
#include <string>

namespace korvath::test {

class ScopedCLocale {
  public:
    // Sets category (LC_ALL, LC_NUMERIC, ...) to name. active() tells whether
    // the C library has that locale; when it has not, nothing is changed.
    ScopedCLocale(int category, const char* name)
        : category_(category), previous_(std::setlocale(category, nullptr)) {
        active_ = std::setlocale(category, name) != nullptr;
    }
    ~ScopedCLocale() { std::setlocale(category_, previous_.c_str()); }
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

    bool active() const { return active_; }

  private:
    int category_;
    // A copy: the string setlocale returns is overwritten by the next call.
    std::string previous_;
    bool active_ = false;
};

}  // namespace korvath::test
