#pragma once

// Keeps the passwords in this process's memory to itself: other processes
// of the same user may not attach to it, and a crash leaves no core file.
// Does nothing where the platform has no such switch.
void hardenProcess();
