#pragma once
// Measurements of rendered or decoded sounds: what the spectrogram pictures draw and what the
// tests check (spectral balance, seams, steps).
#include <complex>
#include <vector>

#include "soundgen/synth/sound.h"

namespace soundgen {

// In place, radix 2; size a power of two.
void fft(std::vector<std::complex<double>>& data);

// Power spectrum of a Hann-windowed frame of `size` samples starting at `start` (zero past the end).
std::vector<double> frame_power(const std::vector<float>& mono, size_t start, size_t size);

std::vector<float> mono_mix(const Sound& sound);

// Mean power spectrum over the whole signal (bins of kSampleRate / size Hz).
std::vector<double> average_spectrum(const std::vector<float>& mono, size_t size = 4096);

// Share of the power between lo and hi Hz.
double band_share(const std::vector<double>& spectrum, double lo_hz, double hi_hz);
// Frequency of the strongest bin between lo and hi Hz.
double peak_frequency(const std::vector<double>& spectrum, double lo_hz, double hi_hz);

// The largest step between consecutive samples across the loop's seam (last frame to first).
float seam_step(const Sound& sound);
// The given quantile (0..1) of the steps between consecutive samples within the sound.
float step_quantile(const Sound& sound, double quantile);
// RMS of both channels over [from, to) seconds.
double rms(const Sound& sound, double from_seconds, double to_seconds);

}  // namespace soundgen
