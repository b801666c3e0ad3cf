// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Synthesises the game's five sound effects as 16-bit mono PCM wave files.
// Everything is computed from fixed numbers and fixed seeds, so the same
// program always writes the same bytes.
//
//   soundgen DIR          writes shuffle.wav, open.wav, bonus.wav, movesw.wav, beep.wav into DIR
//   soundgen --check DIR  exits 1 unless the files in DIR are what it would write (every
//                         sample within one step)

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
// Every effect peaks at -3 dBFS.
const double kPeak = std::pow(10.0, -3.0 / 20.0);

using Signal = std::vector<double>;

int Samples(double ms) { return static_cast<int>(std::lround(ms * kRate / 1000.0)); }

// A small generator of our own, so that the noise is the same on every machine.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
    double Next() {  // uniform in [-1, 1)
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    uint32_t state_;
};

// A second-order filter (the usual audio cookbook forms).
class Biquad {
public:
    enum class Kind { LowPass, HighPass, BandPass };
    Biquad(Kind kind, double frequency, double q) { Set(kind, frequency, q); }

    void Set(Kind kind, double frequency, double q) {
        const double w = 2 * kPi * frequency / kRate;
        const double alpha = std::sin(w) / (2 * q), c = std::cos(w);
        double b0 = 0, b1 = 0, b2 = 0;
        switch (kind) {
            case Kind::LowPass:
                b0 = (1 - c) / 2, b1 = 1 - c, b2 = (1 - c) / 2;
                break;
            case Kind::HighPass:
                b0 = (1 + c) / 2, b1 = -(1 + c), b2 = (1 + c) / 2;
                break;
            case Kind::BandPass:
                b0 = alpha, b1 = 0, b2 = -alpha;
                break;
        }
        const double a0 = 1 + alpha;
        b0_ = b0 / a0, b1_ = b1 / a0, b2_ = b2 / a0;
        a1_ = -2 * c / a0, a2_ = (1 - alpha) / a0;
    }

    double Step(double x) {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
        return y;
    }

private:
    double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A soft start (raised cosine over `attackMs`) and an exponential fall with time constant `tauMs`.
double Strike(double tMs, double attackMs, double tauMs) {
    if (tMs < 0) return 0;
    const double rise = tMs < attackMs ? 0.5 - 0.5 * std::cos(kPi * tMs / attackMs) : 1.0;
    const double fall = tMs < attackMs ? 1.0 : std::exp(-(tMs - attackMs) / tauMs);
    return rise * fall;
}

// Brings the sound to silence over its first and last moments so that it never clicks,
// then scales it to the common peak.
void Finish(Signal& s, double fadeInMs, double fadeOutMs) {
    const int in = Samples(fadeInMs), out = Samples(fadeOutMs), n = static_cast<int>(s.size());
    for (int i = 0; i < in && i < n; ++i) s[i] *= 0.5 - 0.5 * std::cos(kPi * i / in);
    for (int i = 0; i < out && i < n; ++i) s[n - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * i / out);
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    if (peak > 0)
        for (double& v : s) v *= kPeak / peak;
}

// The riffle of a deck: a quick run of card edges flicking past, with a little air.
// Short, because the deal waits for it 26 times.
Signal Shuffle() {
    const int n = Samples(50);
    Signal s(n, 0.0);
    Noise noise(0x5A17u);
    Biquad air(Biquad::Kind::BandPass, 1800, 0.7);
    for (int i = 0; i < n; ++i) {
        const double t = i * 1000.0 / kRate;
        s[i] = 0.18 * air.Step(noise.Next()) * Strike(t, 6, 30);
    }
    // Edges at irregular spacing, each one a little brighter and softer than the last.
    const double ticks[] = {1.5, 7.0, 11.5, 17.5, 22.0, 27.5, 32.0, 37.5};
    for (int k = 0; k < 8; ++k) {
        Biquad edge(Biquad::Kind::BandPass, 2600 + 300 * k, 1.4);
        const double level = 1.0 - 0.07 * k;
        const int start = Samples(ticks[k]);
        for (int i = start; i < n && i < start + Samples(9); ++i) {
            const double t = (i - start) * 1000.0 / kRate;
            s[i] += level * edge.Step(noise.Next()) * Strike(t, 0.4, 1.3);
        }
    }
    Finish(s, 0.5, 6);
    return s;
}

// A card turning over: a soft papery brush that rises in pitch, on a faint tap of the card.
Signal Open() {
    const int n = Samples(120);
    Signal s(n, 0.0);
    Noise noise(0x0BE7u);
    Biquad paper(Biquad::Kind::BandPass, 1500, 1.1);
    Biquad soften(Biquad::Kind::LowPass, 7000, 0.7);
    for (int i = 0; i < n; ++i) {
        const double t = i * 1000.0 / kRate;
        paper.Set(Biquad::Kind::BandPass, 1400 + 3200 * std::min(t / 70.0, 1.0), 1.1);
        const double brush = paper.Step(noise.Next()) * Strike(t, 12, 28);
        const double tap = 0.35 * std::sin(2 * kPi * 190 * t / 1000.0) * Strike(t, 1.5, 9);
        s[i] = soften.Step(brush) + tap;
    }
    Finish(s, 1, 15);
    return s;
}

// A bright chime for a taken pair: a rising major arpeggio of small bells.
Signal Bonus() {
    const int n = Samples(750);
    Signal s(n, 0.0);
    const double notes[] = {1046.50, 1318.51, 1567.98, 2093.00};  // C6 E6 G6 C7
    for (int k = 0; k < 4; ++k) {
        const double onset = 55.0 * k;
        for (int i = 0; i < n; ++i) {
            const double t = i * 1000.0 / kRate - onset;
            if (t < 0) continue;
            const double f = notes[k], sec = t / 1000.0;
            // A bell: the fundamental, an octave, and a faint inharmonic shimmer that fades first.
            const double tone = std::sin(2 * kPi * f * sec) * Strike(t, 2, 260) +
                                0.30 * std::sin(2 * kPi * 2 * f * sec) * Strike(t, 2, 120) +
                                0.10 * std::sin(2 * kPi * 2.76 * f * sec) * Strike(t, 2, 60);
            s[i] += (k == 3 ? 1.0 : 0.8) * tone;
        }
    }
    Finish(s, 0.5, 60);
    return s;
}

// One step of the opponents' hand marker: a soft, low, short pat.
Signal MoveStep() {
    const int n = Samples(45);
    Signal s(n, 0.0);
    Noise noise(0x57E9u);
    Biquad felt(Biquad::Kind::LowPass, 1200, 0.7);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = i * 1000.0 / kRate;
        const double f = 420 + 180 * std::exp(-t / 6.0);  // a slight drop in pitch
        phase += 2 * kPi * f / kRate;
        const double body = (std::sin(phase) + 0.2 * std::sin(2 * phase)) * Strike(t, 2, 9);
        s[i] = body + 0.5 * felt.Step(noise.Next()) * Strike(t, 0.8, 4);
    }
    Finish(s, 0.5, 10);
    return s;
}

// A button beep: a clear, rounded tone with a gentle start and end.
Signal Beep() {
    const int n = Samples(110);
    Signal s(n, 0.0);
    const double f = 1318.51;  // E6
    for (int i = 0; i < n; ++i) {
        const double sec = static_cast<double>(i) / kRate;
        s[i] = std::sin(2 * kPi * f * sec) + 0.18 * std::sin(2 * kPi * 2 * f * sec) +
               0.06 * std::sin(2 * kPi * 3 * f * sec);
        s[i] *= Strike(i * 1000.0 / kRate, 4, 80);
    }
    Finish(s, 0, 35);
    return s;
}

void PutLE(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string WaveBytes(const Signal& s) {
    const uint32_t dataBytes = static_cast<uint32_t>(s.size() * 2);
    std::string out = "RIFF";
    PutLE(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLE(out, 16, 4);         // size of the format chunk
    PutLE(out, 1, 2);          // PCM
    PutLE(out, 1, 2);          // mono
    PutLE(out, kRate, 4);      // samples per second
    PutLE(out, kRate * 2, 4);  // bytes per second
    PutLE(out, 2, 2);          // bytes per sample frame
    PutLE(out, 16, 2);         // bits per sample
    out += "data";
    PutLE(out, dataBytes, 4);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        PutLE(out, static_cast<uint32_t>(static_cast<int16_t>(q)) & 0xFFFF, 2);
    }
    return out;
}

struct Effect {
    const char* name;
    std::function<Signal()> make;
};

// Whether a stored file is what the generator makes: the same header and
// length, and every sample within one step, since the maths library may round
// a last bit differently on another processor while a changed sound moves far more.
bool SameSound(const std::string& stored, const std::string& made) {
    constexpr size_t kHeader = 44;
    if (stored.size() != made.size() || stored.compare(0, kHeader, made, 0, kHeader) != 0)
        return false;
    for (size_t i = kHeader; i + 1 < made.size(); i += 2) {
        const auto sample = [i](const std::string& b) {
            return static_cast<int16_t>(static_cast<uint8_t>(b[i]) |
                                        (static_cast<uint8_t>(b[i + 1]) << 8));
        };
        if (std::abs(sample(stored) - sample(made)) > 1) return false;
    }
    return true;
}

const Effect kEffects[] = {
    {"shuffle.wav", Shuffle}, {"open.wav", Open}, {"bonus.wav", Bonus},
    {"movesw.wav", MoveStep}, {"beep.wav", Beep},
};

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (!(argc == 2 || check)) {
        std::fprintf(stderr, "usage: soundgen DIR | soundgen --check DIR\n");
        return 2;
    }
    const std::string dir = argv[argc - 1];
    int failures = 0;
    for (const Effect& effect : kEffects) {
        const std::string bytes = WaveBytes(effect.make());
        const std::string path = dir + "/" + effect.name;
        if (check) {
            std::ifstream in(path, std::ios::binary);
            const std::string stored{std::istreambuf_iterator<char>(in), {}};
            if (!in.good() && stored.empty()) {
                std::fprintf(stderr, "%s: missing\n", path.c_str());
                ++failures;
            } else if (!SameSound(stored, bytes)) {
                std::fprintf(stderr, "%s: differs from what soundgen makes\n", path.c_str());
                ++failures;
            }
        } else {
            std::ofstream out(path, std::ios::binary);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            if (!out) {
                std::fprintf(stderr, "%s: cannot write\n", path.c_str());
                ++failures;
            }
        }
    }
    return failures ? 1 : 0;
}
