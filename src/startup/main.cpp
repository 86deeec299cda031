#include "startup/main.h"

namespace Kovaro_B {

// The mode dispatch comes with the run form; until then the program ends.
void Main() {}

}  // namespace Kovaro_B
