// SPDX-License-Identifier: GPL-3.0-or-later
// Port: shows a fault to the user without blocking the program.
#pragma once

#include "fault.hpp"

namespace korvath {

class FaultReporter {
  public:
    virtual ~FaultReporter() = default;
    virtual void report(const Fault& fault) = 0;
};

}  // namespace korvath
