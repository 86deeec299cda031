// Main: the first routine of the program, in every mode.
#pragma once

namespace Kovaro_B {

void Main();

}  // namespace Kovaro_B
