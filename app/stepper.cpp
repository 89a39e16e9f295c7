#include "app/stepper.h"

namespace stepper {

// Written as comparisons on n so that the extremes of int cannot overflow.
int history_down(int n) { return n > 1 ? n - 1 : 32; }
int history_up(int n) { return n < 32 ? n + 1 : 1; }
int day_down(int n) { return n > 1 ? n - 1 : 32; }
int day_up(int n) { return n < 32 ? n + 1 : 0; }

}  // namespace stepper
