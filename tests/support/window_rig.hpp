// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the widget tests: a shown main window and its controls by name,
// and the fixtures built on it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <variant>
#include <vector>

#include "main_window.hpp"
#include "ray_commands.hpp"

namespace korvath::testing {

// The name of the control the layout has show `shown` (a value or a bar).
template <class Shown>
const char* nameShowing(Shown shown) {
    for (const ui::ControlSpec& item : ui::mainWindowLayout())
        if (const auto* s = std::get_if<Shown>(&item.shows); s && *s == shown)
            return item.objectName.data();
    ADD_FAILURE() << "no control shows value or bar " << static_cast<int>(shown);
    return "";
}

// The twelve wide value fields of the results (radius, mass, density, the
// Schwarzschild radius and the eight curvature values): those of the values
// before the bars' positions.
inline std::vector<const char*> resultFields() {
    std::vector<const char*> names;
    for (int i = 0; i < static_cast<int>(ShownValue::RadiusCoarsePosition); ++i)
        names.push_back(nameShowing(static_cast<ShownValue>(i)));
    return names;
}

struct WindowRig {
    std::unique_ptr<ui::MainWindow> window = std::make_unique<ui::MainWindow>();

    enum class Start { Shown, ShownAndTicked, NotShown };

    // Shows the window and, unless told otherwise, waits for the first tick;
    // a window that does not appear or start counts as a test failure.
    explicit WindowRig(bool waitForFirstTick = true)
        : WindowRig(waitForFirstTick ? Start::ShownAndTicked : Start::Shown) {}
    // Beam draws the whole ray at once, unless a test lets it travel.
    explicit WindowRig(Start start) {
        window->rayCommands().animateAction()->setChecked(false);
        if (start == Start::NotShown) return;
        if (!show()) ADD_FAILURE() << "the main window was not exposed";
        if (start == Start::ShownAndTicked && !waitForFirstTick())
            ADD_FAILURE() << "the main window's first tick did not come";
    }

    [[nodiscard]] bool show() {
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    [[nodiscard]] bool waitForFirstTick() {
        return QTest::qWaitFor([this] { return window->session().state().ready; }, 2000);
    }

    template <typename T = QWidget>
    T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    QScrollBar* bar(const char* name) const { return find<QScrollBar>(name); }
    void click(const char* button) const {
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    }
    long recomputations() const { return window->session().computeCount(); }
};

// A shown main window before its first timer tick.
class ShownWindow : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(rig.show()); }
    WindowRig rig{WindowRig::Start::NotShown};
};

// A shown main window after its first tick: the Earth on display.
class StartedWindow : public ShownWindow {
  protected:
    void SetUp() override {
        ShownWindow::SetUp();
        ASSERT_TRUE(rig.waitForFirstTick());
    }
};

}  // namespace korvath::testing
