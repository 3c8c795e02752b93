// Helpers for the widget tests: a shown main window and its controls by name.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "main_window.hpp"

namespace korvath::testing {

struct WindowRig {
    std::unique_ptr<ui::MainWindow> window = std::make_unique<ui::MainWindow>();

    // Shows the window and, unless told otherwise, waits for the first tick.
    explicit WindowRig(bool waitForFirstTick = true) {
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
        if (waitForFirstTick) firstTick();
    }
    void firstTick() { QTRY_COMPARE_WITH_TIMEOUT(window->simulation().state().ready, 1, 2000); }

    template <typename T = QWidget>
    T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    QScrollBar* bar(const char* name) const { return find<QScrollBar>(name); }
    void click(const char* button) const {
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    }
    long recomputations() const { return window->simulation().computeCount(); }
};

}  // namespace korvath::testing
