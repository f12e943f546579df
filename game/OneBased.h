#pragma once
// Arrays indexed from 1, as the rules count players, rows, columns and dice.
// Every access is checked: an index slip throws at once instead of
// silently reading a neighbour's box.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace rp {

[[noreturn]] inline void indexError(int index, int size) {
    throw std::out_of_range("index " + std::to_string(index) + " outside 1.." +
                            std::to_string(size));
}

inline std::size_t checkedIndex(int index, int size) {
    if (index < 1 || index > size) indexError(index, size);
    return static_cast<std::size_t>(index - 1);
}

template <typename T, int N>
class Array1 {
public:
    T& operator()(int i) { return data_[checkedIndex(i, N)]; }
    const T& operator()(int i) const { return data_[checkedIndex(i, N)]; }
    void fill(const T& value) { data_.fill(value); }
    static constexpr int size() { return N; }
    bool operator==(const Array1&) const = default;

private:
    std::array<T, N> data_{};
};

template <typename T, int N1, int N2>
class Array2 {
public:
    T& operator()(int i, int j) { return data_[flat(i, j)]; }
    const T& operator()(int i, int j) const { return data_[flat(i, j)]; }
    void fill(const T& value) { data_.fill(value); }
    bool operator==(const Array2&) const = default;

private:
    static std::size_t flat(int i, int j) {
        return checkedIndex(i, N1) * N2 + checkedIndex(j, N2);
    }
    std::array<T, static_cast<std::size_t>(N1) * N2> data_{};
};

template <typename T, int N1, int N2, int N3>
class Array3 {
public:
    T& operator()(int i, int j, int k) { return data_[flat(i, j, k)]; }
    const T& operator()(int i, int j, int k) const { return data_[flat(i, j, k)]; }
    void fill(const T& value) { data_.fill(value); }
    bool operator==(const Array3&) const = default;

private:
    static std::size_t flat(int i, int j, int k) {
        return (checkedIndex(i, N1) * N2 + checkedIndex(j, N2)) * N3 + checkedIndex(k, N3);
    }
    std::array<T, static_cast<std::size_t>(N1) * N2 * N3> data_{};
};

}  // namespace rp
