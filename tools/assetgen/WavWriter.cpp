#include "WavWriter.h"

#include <QFile>
#include <stdexcept>

namespace ag {
namespace {

void put32(QByteArray& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
}
void put16(QByteArray& b, std::uint16_t v)
{
    b.append(char(v & 0xff));
    b.append(char(v >> 8));
}

}  // namespace

void writeWav(const QString& path, const std::vector<std::int16_t>& samples)
{
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    QByteArray b;
    b.append("RIFF");
    put32(b, 36 + dataBytes);
    b.append("WAVE");
    b.append("fmt ");
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, SampleRate);
    put32(b, SampleRate * 2);
    put16(b, 2);
    put16(b, 16);
    b.append("data");
    put32(b, dataBytes);
    for (std::int16_t s : samples) put16(b, std::uint16_t(s));

    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(b) != b.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace ag
