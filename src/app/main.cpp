// Korvath simulation: opens the main window and runs until it is closed.
#include <QApplication>

#include "main_window.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvath simulation");
    QApplication::setApplicationVersion("1.00");
    QApplication::setOrganizationName("Korvath");

    korvath::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
