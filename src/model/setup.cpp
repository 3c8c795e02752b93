// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup.hpp"

#include <charconv>

#include "session.hpp"

namespace korvath {

namespace {

constexpr std::array<std::string_view, kSetupOptions.size()> kNames{
    "body", "radius-bars", "mass-bars", "rays", "beam", "trace"};

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A whole number in decimal, with an optional sign and spaces around it.
std::optional<int> wholeNumber(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// One to kMostRaysKept reachable beam starts, separated by commas.
std::optional<std::vector<int>> rayStarts(std::string_view text) {
    std::vector<int> starts;
    for (;;) {
        const size_t comma = text.find(',');
        const auto start = wholeNumber(text.substr(0, comma));
        if (!start || !reachableBeamStart(*start) || starts.size() == size_t{kMostRaysKept})
            return std::nullopt;
        starts.push_back(*start);
        if (comma == std::string_view::npos) return starts;
        text.remove_prefix(comma + 1);
    }
}

std::optional<std::pair<int, int>> barPositions(std::string_view text) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto coarse = wholeNumber(text.substr(0, comma));
    const auto fine = wholeNumber(text.substr(comma + 1));
    const auto onBar = [](std::optional<int> p) {
        return p && *p >= kBarMinimum && *p <= kBarMaximum;
    };
    if (!onBar(coarse) || !onBar(fine)) return std::nullopt;
    return std::pair{*coarse, *fine};
}

bool sameLetters(std::string_view text, std::string_view lowerCase) {
    if (text.size() != lowerCase.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c =
            text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != lowerCase[i]) return false;
    }
    return true;
}

// The bar positions a bar option sets.
template <class S>
auto& barsOf(S& setup, SetupOption option) {
    return option == SetupOption::RadiusBars ? setup.radiusBars : setup.massBars;
}

}  // namespace

std::string_view setupOptionName(SetupOption option) {
    return kNames[static_cast<size_t>(option)];
}

std::optional<SetupOption> setupOptionNamed(std::string_view name) {
    for (SetupOption option : kSetupOptions)
        if (setupOptionName(option) == name) return option;
    return std::nullopt;
}

bool takesValue(SetupOption option) {
    return option != SetupOption::Trace;
}

bool readSetupValue(Setup& setup, SetupOption option, std::string_view value) {
    switch (option) {
        case SetupOption::Body:
            if (!sameLetters(value, "earth") && !sameLetters(value, "sun")) return false;
            setup.sun = sameLetters(value, "sun");
            return true;
        case SetupOption::RadiusBars:
        case SetupOption::MassBars: {
            const auto positions = barPositions(value);
            if (!positions) return false;
            barsOf(setup, option) = positions;
            return true;
        }
        case SetupOption::Rays: {
            auto starts = rayStarts(value);
            if (!starts) return false;
            setup.rays = std::move(*starts);
            return true;
        }
        case SetupOption::BeamStart: {
            const auto height = wholeNumber(value);
            if (!height || !reachableBeamStart(*height)) return false;
            setup.beamStart = height;
            return true;
        }
        case SetupOption::Trace:
            if (!value.empty()) return false;
            setup.trace = true;
            return true;
    }
    return false;
}

std::optional<SetupOption> applySetup(Session& session, const Setup& setup) {
    for (SetupOption option : kSetupOptions) {
        switch (option) {
            case SetupOption::Body:
                if (setup.sun && !session.choose(kSun)) return option;
                break;
            case SetupOption::RadiusBars:
            case SetupOption::MassBars: {
                const auto& positions = barsOf(setup, option);
                if (!positions) break;
                const bool radius = option == SetupOption::RadiusBars;
                const Bar coarse = radius ? Bar::RadiusCoarse : Bar::MassCoarse;
                const Bar fine = radius ? Bar::RadiusFine : Bar::MassFine;
                session.setBar(coarse, positions->first);
                session.setBar(fine, positions->second);
                if (session.bar(coarse) != positions->first ||
                    session.bar(fine) != positions->second)
                    return option;
                break;
            }
            case SetupOption::Rays:
                if (setup.rays.empty()) break;
                session.keepRays(true);
                for (int start : setup.rays) {
                    session.setBeamStart(start);
                    session.trace();
                }
                if (session.rays().size() != setup.rays.size()) return option;
                break;
            case SetupOption::BeamStart:
                if (setup.beamStart) session.setBeamStart(*setup.beamStart);
                break;
            case SetupOption::Trace:
                if (setup.trace) session.trace();
                break;
        }
    }
    return std::nullopt;
}

Setup setupOf(const Session& session) {
    Setup setup;
    setup.sun = session.state().presetRadius == kSun.radius;
    setup.radiusBars =
        std::pair<int, int>{session.bar(Bar::RadiusCoarse), session.bar(Bar::RadiusFine)};
    setup.massBars = std::pair<int, int>{session.bar(Bar::MassCoarse), session.bar(Bar::MassFine)};
    if (session.keepsRays()) {
        for (const TracedRay& ray : session.rays())
            setup.rays.push_back(ray.start);
    } else {
        setup.trace = !session.rays().empty();
    }
    setup.beamStart = session.state().beamY.value();
    return setup;
}

std::string setupValueText(const Setup& setup, SetupOption option) {
    switch (option) {
        case SetupOption::Body:
            return setup.sun ? "sun" : "earth";
        case SetupOption::RadiusBars:
        case SetupOption::MassBars: {
            const auto& positions = barsOf(setup, option);
            if (!positions) return {};
            return std::to_string(positions->first) + ',' + std::to_string(positions->second);
        }
        case SetupOption::Rays: {
            std::string text;
            for (int start : setup.rays)
                text += (text.empty() ? "" : ",") + std::to_string(start);
            return text;
        }
        case SetupOption::BeamStart:
            return setup.beamStart ? std::to_string(*setup.beamStart) : std::string();
        case SetupOption::Trace:
            return {};
    }
    return {};
}

std::vector<std::pair<SetupOption, std::string>> givenOptions(const Setup& setup) {
    std::vector<std::pair<SetupOption, std::string>> given;
    for (SetupOption option : kSetupOptions) {
        std::string value = setupValueText(setup, option);
        if (takesValue(option) ? !value.empty() : setup.trace)
            given.emplace_back(option, std::move(value));
    }
    return given;
}

}  // namespace korvath
