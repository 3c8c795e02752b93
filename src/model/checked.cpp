// SPDX-License-Identifier: GPL-3.0-or-later
#include "checked.hpp"

namespace korvath {

const char* faultName(ArithmeticFault fault) {
    switch (fault) {
        case ArithmeticFault::Overflow:
            return "overflow";
        case ArithmeticFault::DivisionByZero:
            return "division by zero";
        case ArithmeticFault::InvalidOperation:
            return "invalid operation";
    }
    return "arithmetic fault";
}

namespace checked {

void fail(ArithmeticFault fault) {
    throw ArithmeticError(fault);
}

}  // namespace checked
}  // namespace korvath
