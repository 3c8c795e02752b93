// SPDX-License-Identifier: GPL-3.0-or-later
// A setup: the state a new session is asked to start in, by the command line
// (--body sun --mass-bars 79,50) or by a link (?body=sun&mass-bars=79,50).
// Both read the same options by the same rules here, and bring a session into
// the state by its own intents, in the order the options are listed.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvath {

class Session;

struct Setup {
    bool sun = false;                               // the Sun instead of the Earth
    std::optional<std::pair<int, int>> radiusBars;  // coarse, fine: 0 to 100
    std::optional<std::pair<int, int>> massBars;
    std::vector<int> rays;         // rays kept, traced from these beam starts in order
    std::optional<int> beamStart;  // a height the move buttons reach
    bool trace = false;            // trace the light ray last

    bool operator==(const Setup&) const = default;
};

// The options of a setup, in the order they are applied.
enum class SetupOption { Body, RadiusBars, MassBars, Rays, BeamStart, Trace };
inline constexpr std::array kSetupOptions{SetupOption::Body,      SetupOption::RadiusBars,
                                          SetupOption::MassBars,  SetupOption::Rays,
                                          SetupOption::BeamStart, SetupOption::Trace};

// An option's name on the command line (after "--") and in a link:
// "body", "radius-bars", "mass-bars", "rays", "beam", "trace".
std::string_view setupOptionName(SetupOption option);
std::optional<SetupOption> setupOptionNamed(std::string_view name);
// Trace is a switch; the others take a value.
bool takesValue(SetupOption option);

// Reads an option's value into `setup`: a body "earth" or "sun" (any case),
// two bar positions 0 to 100 such as "79,50", one to six reachable beam
// starts for the rays ("1500,800,300"), or a reachable beam start; numbers
// may have spaces around them. False, with `setup` unchanged, for
// any other value (a switch takes only the empty one).
bool readSetupValue(Setup& setup, SetupOption option, std::string_view value);

// Brings a started session into the setup's state. Returns the first option
// whose state the session did not reach (a body it cannot compute), or
// nothing when every option holds.
std::optional<SetupOption> applySetup(Session& session, const Setup& setup);

// The setup that brings a new session into the state `session` shows: the
// body, all four bars, the rays while it keeps them, the beam start, and
// otherwise trace when a ray is drawn.
Setup setupOf(const Session& session);

// An option's value in `setup` as readSetupValue reads it back ("sun",
// "79,50", "1500,800", "2500"); empty for a switch or an option the setup leaves out.
std::string setupValueText(const Setup& setup, SetupOption option);

// The options `setup` gives, in order, each with its value text (empty for
// a switch): what a command line or a link writes to set it up again.
std::vector<std::pair<SetupOption, std::string>> givenOptions(const Setup& setup);

}  // namespace korvath
