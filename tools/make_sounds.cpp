// Writes the game sounds of ZENPA as WAV files (16-bit PCM, mono):
// "pi.wav", a short high beep when a game starts; "po.wav", a low falling
// buzz on a mistake; "pp.wav", a rising three-note chime at the goal.
//
// Usage: make_sounds OUTPUT_DIR
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Note {
  double startHz;
  double endHz; // the pitch glides from startHz to endHz
  double seconds;
};

// A note with a 5 ms attack and a decay to silence, so it never clicks.
void AppendNote(std::vector<std::int16_t> &samples, const Note &note, double volume) {
  const int count = static_cast<int>(note.seconds * kRate);
  double phase = 0;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / count;
    const double hz = note.startHz + (note.endHz - note.startHz) * t;
    phase += 2 * kPi * hz / kRate;
    const double attack = std::min(1.0, i / (0.005 * kRate));
    const double envelope = attack * (1 - t) * (1 - t);
    // A little of the octave above makes the tone less bare.
    const double wave = 0.8 * std::sin(phase) + 0.2 * std::sin(2 * phase);
    samples.push_back(static_cast<std::int16_t>(32767 * volume * envelope * wave));
  }
}

void PutLe(std::ofstream &out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteWav(const std::string &path, const std::vector<std::int16_t> &samples) {
  std::ofstream out(path, std::ios::binary);
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out << "RIFF";
  PutLe(out, 36 + dataBytes, 4);
  out << "WAVEfmt ";
  PutLe(out, 16, 4);        // size of the format chunk
  PutLe(out, 1, 2);         // PCM
  PutLe(out, 1, 2);         // mono
  PutLe(out, kRate, 4);     // samples per second
  PutLe(out, kRate * 2, 4); // bytes per second
  PutLe(out, 2, 2);         // bytes per frame
  PutLe(out, 16, 2);        // bits per sample
  out << "data";
  PutLe(out, dataBytes, 4);
  for (std::int16_t s : samples)
    PutLe(out, static_cast<std::uint16_t>(s), 2);
  return static_cast<bool>(out);
}

bool WriteSound(const std::string &path, const std::vector<Note> &notes) {
  std::vector<std::int16_t> samples;
  for (const Note &note : notes)
    AppendNote(samples, note, 0.5);
  return WriteWav(path, samples);
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds OUTPUT_DIR\n");
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  const bool ok =
      WriteSound(dir + "pi.wav", {{1760, 1760, 0.12}}) &&
      WriteSound(dir + "po.wav", {{220, 150, 0.35}}) &&
      WriteSound(dir + "pp.wav", {{1047, 1047, 0.14}, {1319, 1319, 0.14}, {1568, 1568, 0.4}});
  if (!ok) {
    std::fprintf(stderr, "make_sounds: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
