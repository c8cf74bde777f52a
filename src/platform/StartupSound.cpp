#include "platform/StartupSound.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <cstdint>

namespace dorv::platform {
namespace {

void PutLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

}  // namespace

QByteArray MakeChimeWav() {
  constexpr int kRate = 22050;
  constexpr double kNotes[2] = {880.0, 1318.5};  // A5 then E6
  constexpr int kNoteSamples = kRate / 5;
  QByteArray samples;
  for (double frequency : kNotes) {
    for (int i = 0; i < kNoteSamples; ++i) {
      double t = static_cast<double>(i) / kRate;
      double envelope = std::exp(-6.0 * t);
      double value = std::sin(2.0 * M_PI * frequency * t) * envelope * 0.6;
      samples.append(static_cast<char>(static_cast<std::uint8_t>(128 + value * 127)));
    }
  }
  QByteArray wav("RIFF");
  PutLittleEndian(wav, 36 + samples.size(), 4);
  wav.append("WAVEfmt ");
  PutLittleEndian(wav, 16, 4);
  PutLittleEndian(wav, 1, 2);      // PCM
  PutLittleEndian(wav, 1, 2);      // mono
  PutLittleEndian(wav, kRate, 4);
  PutLittleEndian(wav, kRate, 4);  // bytes per second
  PutLittleEndian(wav, 1, 2);      // block align
  PutLittleEndian(wav, 8, 2);      // bits per sample
  wav.append("data");
  PutLittleEndian(wav, samples.size(), 4);
  wav.append(samples);
  return wav;
}

bool PlayStartupSound() {
  QString player;
  for (const char* name : {"paplay", "pw-play", "aplay"}) {
    player = QStandardPaths::findExecutable(name);
    if (!player.isEmpty()) break;
  }
  if (player.isEmpty()) return false;
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  QString path = dir + "/dorv-startup.wav";
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  file.write(MakeChimeWav());
  file.close();
  QStringList arguments;
  if (player.endsWith("aplay")) arguments << "-q";
  arguments << path;
  return QProcess::startDetached(player, arguments);
}

}  // namespace dorv::platform
