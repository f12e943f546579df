#pragma once
// 16-bit PCM mono WAVE files.

#include <QString>
#include <cstdint>
#include <vector>

namespace ag {

constexpr int SampleRate = 44100;

// Throws std::runtime_error when the file cannot be written.
void writeWav(const QString& path, const std::vector<std::int16_t>& samples);

}  // namespace ag
