// SPDX-License-Identifier: GPL-3.0-or-later
// Leaves the processor's vector registers in the clean state after Qt has
// drawn a figure.
//
// Qt's raster engine draws some figures (ellipse outlines above all) with AVX
// code that returns with the upper halves of the vector registers still in
// use. The model's arithmetic that runs next is plain SSE and then pays a
// transition penalty on every instruction. Measured with the benchmarks
// (release build, median of 5, 2-core EPYC): the longest recomputation with
// its drawing took 658 µs without this and 374 µs with it, the Schwarzschild
// search right after a drawn scene 496 µs against 208 µs. Clearing the state
// costs about a cycle, and nothing on a processor without AVX.
#pragma once

namespace korvath::ui {

void leaveVectorRegistersClean();

}  // namespace korvath::ui
