#pragma once

// Keeps the passwords in this process's memory to itself: other processes
// of the same user may not attach to it, and a crash leaves no core file.
// Does nothing where the platform has no such switch. A switch that fails
// is told on standard error under the program's name, and the program runs
// on: it is no worse off than without.
void hardenProcess(const char *program);
