#pragma once

// The "<" and ">" rules of the History and Day boxes. Only the two wrap
// tests exist: other values, also outside the range, just move by one.
namespace stepper {

int history_down(int n);  // below 1: 32
int history_up(int n);    // above 32: 1
int day_down(int n);      // below 1: 32
int day_up(int n);        // above 32: 0

}  // namespace stepper
