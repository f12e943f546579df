#pragma once
// What store_saver writes as generation `gen`: Gen, a long blob whose every
// byte follows from gen, and End, so a file cut short or mixed shows.

#include <string>

namespace rp::test {

inline std::string saverBlob(long gen) {
    std::string blob(200000 + static_cast<std::size_t>(gen % 977), ' ');
    for (std::size_t i = 0; i < blob.size(); ++i) blob[i] = static_cast<char>('a' + (gen + i) % 26);
    return blob;
}

}  // namespace rp::test
