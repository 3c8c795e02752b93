// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a session of the web page's simulation natively and prints what the
// window would show after each action, in the same form as the WebAssembly
// build's trace (tests/web/digits_test.mjs), so the two can be compared
// character by character.
//
// Reads one action a line from standard input:
//   load | tick | earth | sun | bar <index 0-3> <value> | move <index 0-3> | beam
// and prints for each:
//   > <the action>
//   = <value texts joined by '|'> ; <four bar positions> ; <Schwarzschild mark>
//   ! <fault kind> <arithmetic fault> <value> <segments> <pass>   (one per fault)
//   <every drawing call, one a line>
#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>

#include "number_text.hpp"
#include "page_view.hpp"

namespace {

using korvath::Bar;
using korvath::BeamMove;
using korvath::Session;
using korvath::ShownValue;
using korvath::web::PageView;

void printState(Session& s, PageView& view, std::ostream& out) {
    out << '=';
    for (int i = 0; i < korvath::kShownValueCount; ++i)
        out << (i ? "|" : " ") << s.text(static_cast<ShownValue>(i));
    out << " ;";
    for (Bar b : korvath::kAllBars)
        out << ' ' << s.bar(b);
    out << " ; " << static_cast<int>(s.schwarzschildMark()) << '\n';
    for (const korvath::Fault& f : view.takeChange().faults)
        out << "! " << static_cast<int>(f.kind) << ' ' << static_cast<int>(f.arithmetic) << ' '
            << korvath::numberText(f.value) << ' ' << f.segments << ' ' << f.pass << '\n';
    out << view.surface().takeJournal();
}

bool run(Session& s, const std::string& line) {
    std::istringstream in(line);
    std::string action;
    in >> action;
    int a = 0, b = 0;
    if (action == "load")
        ;  // the session starts loaded
    else if (action == "tick")
        s.start();
    else if (action == "earth")
        s.choose(korvath::kEarth);
    else if (action == "sun")
        s.choose(korvath::kSun);
    else if (action == "bar" && in >> a >> b && a >= 0 && a < 4)
        s.setBar(static_cast<Bar>(a), std::clamp(b, 0, 100));
    else if (action == "move" && in >> a && a >= 0 && a < 4)
        s.moveBeam(static_cast<BeamMove>(a));
    else if (action == "beam")
        s.trace();
    else
        return false;
    return true;
}

}  // namespace

int main() {
    Session session;
    PageView view;
    session.addView(view);
    view.surface().keepJournal(true);
    std::ostringstream out;
    std::string line;
    int lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (line.empty()) continue;
        out << "> " << line << '\n';
        if (!run(session, line)) {
            std::cerr << "line " << lineNumber << ": unknown action: " << line << '\n';
            return 2;
        }
        printState(session, view, out);
    }
    std::cout << out.str();
    return 0;
}
