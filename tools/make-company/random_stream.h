// Deterministic pseudo-random numbers for the company generator: splitmix64 with draws
// made of integer arithmetic only, so one seed gives the same company on every platform,
// compiler and standard library.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

class RandomStream {
  public:
    explicit RandomStream(std::uint64_t state) : state_(state) {}

    // An independent stream of the same seed, one per kind of data (codes, journal,
    // budgets), so that changing how many draws one kind makes leaves the others as they
    // were.
    static RandomStream forPurpose(std::uint64_t seed, std::uint64_t purpose) {
        RandomStream mixer(seed ^ (purpose * 0xD1B54A32D192ED03ULL));
        return RandomStream(mixer.next());
    }

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, n) for n > 0, by multiply-and-shift.
    std::uint64_t below(std::uint64_t n) {
        return static_cast<std::uint64_t>((static_cast<unsigned __int128>(next()) * n) >> 64);
    }

    // Uniform in [lo, hi], both included; lo <= hi.
    std::int64_t between(std::int64_t lo, std::int64_t hi) {
        return lo + static_cast<std::int64_t>(below(static_cast<std::uint64_t>(hi - lo) + 1));
    }

    // True with probability numerator / denominator.
    bool chance(std::uint64_t numerator, std::uint64_t denominator) {
        return below(denominator) < numerator;
    }

    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[below(items.size())];
    }

    template <class T>
    void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) {
            std::swap(items[i - 1], items[below(i)]);
        }
    }

  private:
    std::uint64_t state_;
};
