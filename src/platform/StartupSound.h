#pragma once
#include <QByteArray>

namespace dorv::platform {

// A short two-note chime as a mono 8-bit PCM WAV file.
QByteArray MakeChimeWav();

// Plays the chime without waiting, through the desktop's command-line player (paplay,
// pw-play or aplay, whichever is found). Returns false when none could be started.
bool PlayStartupSound();

}  // namespace dorv::platform
