#pragma once

// Reads the word list on a low-priority thread so that the first
// passphrase does not wait for the file. Never awaited: a passphrase asked
// for sooner waits for this same one load.
void startWordlistPreload();
