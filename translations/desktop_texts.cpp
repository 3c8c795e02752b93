// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the desktop entry and the AppStream metadata, for lupdate
// only (nothing compiles this file). The build writes each text's
// translations from the .ts files beside the English text in the installed
// files (cmake/InstallData.cmake); a text here must read exactly as it does
// in resources/korvath.desktop.in or resources/korvath.metainfo.xml.in.
static const char* const kDesktopTexts[] = {
    QT_TRANSLATE_NOOP("Desktop", "Korvath simulation"),
    QT_TRANSLATE_NOOP("Desktop", "Gravity and light demonstration"),
    QT_TRANSLATE_NOOP("Desktop",
                      "Pick a body, scale its radius and mass, and see its Schwarzschild radius "
                      "and a light ray bending towards it"),
    QT_TRANSLATE_NOOP("Desktop",
                      "gravity;mass;radius;Schwarzschild;black hole;light;relativity;physics;"
                      "simulation;"),
    QT_TRANSLATE_NOOP("Desktop", "See how mass bends space and light"),
    QT_TRANSLATE_NOOP(
        "Desktop",
        "A physics demonstration for the classroom. The student picks a spherical body, the "
        "Earth or the Sun, scales its radius and its mass by powers of two and by percents, and "
        "reads its density, its Schwarzschild radius and the curvature of space at 1, 1.5, 2 and "
        "2.5 body radii."),
    QT_TRANSLATE_NOOP("Desktop",
                      "A light ray sent past the body is traced step by step: with the real Earth "
                      "or Sun it goes straight; make the body a few hundred million times heavier "
                      "and it bends, swings round or falls in."),
    QT_TRANSLATE_NOOP("Desktop", "Everything works from the keyboard and with a screen reader."),
    QT_TRANSLATE_NOOP("Desktop", "gravity"),
    QT_TRANSLATE_NOOP("Desktop", "Schwarzschild radius"),
    QT_TRANSLATE_NOOP("Desktop", "black hole"),
    QT_TRANSLATE_NOOP("Desktop", "light"),
    QT_TRANSLATE_NOOP("Desktop", "relativity"),
};
