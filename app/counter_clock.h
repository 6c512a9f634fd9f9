// Milliseconds of the performance counter: the clock that stage times and
// the benchmark read, finer than GetTickCount.
#pragma once

double CounterMs();
