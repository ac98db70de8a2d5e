#include "keyed_hash.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vermil {
namespace {

// W: folds the sum of two register values back into 49..122.
int wrap(int x) {
    while (x > 122)
        x -= 74;
    return x;
}

// M: folds an input byte above 122 into 49..122.
int mapInput(unsigned char c) {
    if (c <= 122)
        return c;
    return ((c - 123) % 74) + 49;
}

// C: the output mapping of hash8 onto digits and capital letters.
constexpr int mapOutput(int v) {
    if (v < 49)
        v += 49;
    if (v >= 58 && v <= 64)
        v += 7;
    if (v > 90)
        v = ((v - 91) % 5) + 86;
    if (v == 73)
        v = 74;
    else if (v == 79)
        v = 77;
    return v;
}

// Register values stay within -128..127 (key bytes, entered bytes, folded sums),
// so a sum of two is at most 254 and W needs at most two subtractions.
inline int foldSum(int x) {
    x -= x > 122 ? 74 : 0;
    x -= x > 122 ? 74 : 0;
    return x;
}

constexpr std::array<unsigned char, 256> inputTable = [] {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(c <= 122 ? c : ((c - 123) % 74) + 49);
    return table;
}();

// The log checker hashes every byte of logs that grow without bound, so the
// register is kept as a ring whose head moves instead of shifting N values per
// byte. Register r_i lives in ring[(Head + i) % N]; one step moves Head back.
template <std::size_t N, std::size_t Head>
inline void step(std::array<int, N>& ring, unsigned char c) {
    constexpr std::size_t head = (Head + N - 1) % N;
    const int t = ring[head]; // the old last value, overwritten by the entered byte
    ring[head] = inputTable[c];
    ring[(head + 1) % N] = foldSum(ring[(head + 1) % N] + t);
    ring[(head + 3) % N] = foldSum(ring[(head + 3) % N] + t);
}

// N steps bring the head back to 0, so the ring is in register order again.
template <std::size_t N, std::size_t... I>
inline void stepGroup(std::array<int, N>& ring, const unsigned char* bytes,
                      std::index_sequence<I...>) {
    (step<N, (N - I) % N>(ring, bytes[I]), ...);
}

template <std::size_t N>
std::array<int, N> runRegister(std::string_view text, std::string_view key) {
    std::array<int, N> r{};
    for (std::size_t i = 0; i < N; ++i)
        r[i] = i < key.size() ? static_cast<signed char>(key[i]) : 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t left = text.size();
    for (; left >= N; left -= N, bytes += N)
        stepGroup<N>(r, bytes, std::make_index_sequence<N>{});
    for (; left > 0; --left, ++bytes) {
        const int t = r[N - 1];
        for (std::size_t i = N - 1; i > 0; --i)
            r[i] = r[i - 1];
        r[3] = wrap(r[3] + t);
        r[1] = wrap(r[1] + t);
        r[0] = mapInput(*bytes);
    }
    return r;
}

// Sixteen texts side by side, one byte lane each. With a key of bytes 0..127
// every register value stays within 0..254, so a byte lane holds it.
using Lanes = unsigned char __attribute__((vector_size(16)));
constexpr std::size_t laneCount = sizeof(Lanes);

inline Lanes foldLanes(Lanes x) {
    const Lanes above = reinterpret_cast<Lanes>(x > 122);
    x -= above & 74;
    const Lanes stillAbove = reinterpret_cast<Lanes>(x > 122);
    return x - (stillAbove & 74);
}

using LaneRing = std::array<Lanes, 8>;

constexpr std::array<char, 256> laneOutputTable = [] {
    std::array<char, 256> table{};
    for (int v = 0; v < 256; ++v)
        table[v] = static_cast<char>(mapOutput(v));
    return table;
}();

// Lanes of one group: their texts' lengths, and the lanes in the order their texts end.
struct LaneEnds {
    std::array<std::size_t, laneCount> lengths{};
    std::array<std::size_t, laneCount> order{};
    std::size_t lanes = 0;
    std::size_t next = 0;
    std::size_t nextLength() const {
        return next < lanes ? lengths[order[next]] : static_cast<std::size_t>(-1);
    }
};

// Takes the codes of the lanes whose text ends after `done` bytes; r0 lies at
// ring[head]. Off the hot path, so the ring stays in registers between ends.
[[gnu::noinline]] void collectEnded(const LaneRing ring, std::size_t head, std::size_t done,
                                    LaneEnds& ends, std::array<char, 8>* codes) {
    std::array<std::array<unsigned char, laneCount>, 8> values;
    std::memcpy(values.data(), ring.data(), sizeof values);
    while (ends.nextLength() == done) {
        const std::size_t lane = ends.order[ends.next++];
        for (std::size_t i = 0; i < 8; ++i)
            codes[lane][i] = laneOutputTable[values[(head + i) % 8][lane]];
    }
}

template <std::size_t Head>
inline void laneStep(LaneRing& ring, const unsigned char* input, std::size_t j, LaneEnds& ends,
                     std::array<char, 8>* codes) {
    constexpr std::size_t head = (Head + 7) % 8;
    Lanes entered;
    std::memcpy(&entered, input + j * laneCount, sizeof entered);
    const Lanes t = ring[head];
    ring[head] = entered;
    ring[(head + 1) % 8] = foldLanes(ring[(head + 1) % 8] + t);
    ring[(head + 3) % 8] = foldLanes(ring[(head + 3) % 8] + t);
    if (ends.nextLength() == j + 1) [[unlikely]]
        collectEnded(ring, head, j + 1, ends, codes);
}

template <std::size_t... I>
inline void laneSteps(LaneRing& ring, const unsigned char* input, std::size_t j, LaneEnds& ends,
                      std::array<char, 8>* codes, std::index_sequence<I...>) {
    (laneStep<(8 - I) % 8>(ring, input, j + I, ends, codes), ...);
}

#if defined(__SSE2__)
// M on sixteen bytes: subtract 74 while above 122 (at most twice for a byte).
inline __m128i enterSixteen(__m128i v) {
    const __m128i above = _mm_set1_epi8(static_cast<char>(122 ^ 0x80));
    const __m128i flip = _mm_set1_epi8(static_cast<char>(0x80));
    const __m128i fold = _mm_set1_epi8(74);
    for (int round = 0; round < 2; ++round) {
        const __m128i big = _mm_cmpgt_epi8(_mm_xor_si128(v, flip), above);
        v = _mm_sub_epi8(v, _mm_and_si128(big, fold));
    }
    return v;
}

// a[k] = bytes row to row + 15 of text k (zeros past its end), passed through M.
inline void loadSixteenRows(std::span<const std::string_view> texts, std::size_t row,
                            __m128i (&a)[16]) {
    for (std::size_t k = 0; k < laneCount; ++k) {
        const std::size_t size = k < texts.size() ? texts[k].size() : 0;
        if (row + 16 <= size) {
            a[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(texts[k].data() + row));
        } else {
            alignas(16) unsigned char part[16] = {};
            if (row < size)
                std::memcpy(part, texts[k].data() + row, size - row);
            a[k] = _mm_load_si128(reinterpret_cast<const __m128i*>(part));
        }
        a[k] = enterSixteen(a[k]);
    }
}

// Byte j of a[k] goes to out[(row + j) * laneCount + k].
inline void storeTransposed(const __m128i (&a)[16], std::size_t row, unsigned char* out) {
    __m128i b[16], c[16], d[16];
    for (std::size_t i = 0; i < 8; ++i) {
        b[2 * i] = _mm_unpacklo_epi8(a[2 * i], a[2 * i + 1]);
        b[2 * i + 1] = _mm_unpackhi_epi8(a[2 * i], a[2 * i + 1]);
    }
    for (std::size_t g = 0; g < 4; ++g) {
        const std::size_t o = 4 * g;
        c[o] = _mm_unpacklo_epi16(b[o], b[o + 2]);
        c[o + 1] = _mm_unpackhi_epi16(b[o], b[o + 2]);
        c[o + 2] = _mm_unpacklo_epi16(b[o + 1], b[o + 3]);
        c[o + 3] = _mm_unpackhi_epi16(b[o + 1], b[o + 3]);
    }
    for (std::size_t g = 0; g < 2; ++g) {
        const std::size_t o = 8 * g;
        for (std::size_t i = 0; i < 4; ++i) {
            d[o + 2 * i] = _mm_unpacklo_epi32(c[o + i], c[o + 4 + i]);
            d[o + 2 * i + 1] = _mm_unpackhi_epi32(c[o + i], c[o + 4 + i]);
        }
    }
    for (std::size_t i = 0; i < 8; ++i) {
        const __m128i low = _mm_unpacklo_epi64(d[i], d[8 + i]);
        const __m128i high = _mm_unpackhi_epi64(d[i], d[8 + i]);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + (row + 2 * i) * laneCount), low);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + (row + 2 * i + 1) * laneCount), high);
    }
}
#endif

// Byte j of text k goes to out[j * laneCount + k], already passed through M.
// Sixteen bytes of each text are turned at a time.
void transposeLanes(std::span<const std::string_view> texts, std::size_t steps,
                    unsigned char* out) {
#if defined(__SSE2__)
    for (std::size_t row = 0; row < steps; row += 16) {
        __m128i a[16];
        loadSixteenRows(texts, row, a);
        storeTransposed(a, row, out);
    }
#else
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(texts[k].data());
        for (std::size_t j = 0; j < texts[k].size(); ++j)
            out[j * laneCount + k] = inputTable[bytes[j]];
    }
    (void)steps;
#endif
}

void hashLaneGroup(std::span<const std::string_view> texts, std::string_view key,
                   std::array<char, 8>* codes, std::vector<unsigned char>& transposed) {
    LaneEnds ends;
    ends.lanes = texts.size();
    std::size_t longest = 0;
    for (std::size_t k = 0; k < ends.lanes; ++k) {
        ends.lengths[k] = texts[k].size();
        ends.order[k] = k;
        longest = std::max(longest, texts[k].size());
    }
    std::sort(ends.order.begin(), ends.order.begin() + ends.lanes,
              [&](std::size_t a, std::size_t b) { return ends.lengths[a] < ends.lengths[b]; });

    // Whole rounds of sixteen steps; a lane past its text's end runs on unseen.
    const std::size_t steps = (longest + 15) / 16 * 16;
    transposed.resize(steps * laneCount);
    transposeLanes(texts, steps, transposed.data());

    LaneRing ring;
    for (std::size_t i = 0; i < 8; ++i) {
        const auto value = static_cast<unsigned char>(i < key.size() ? key[i] : 0);
        for (std::size_t k = 0; k < laneCount; ++k)
            ring[i][k] = value;
    }
    if (ends.nextLength() == 0)
        collectEnded(ring, 0, 0, ends, codes);
    for (std::size_t j = 0; j < steps; j += 8)
        laneSteps(ring, transposed.data(), j, ends, codes, std::make_index_sequence<8>{});
}

constexpr std::string_view highLetters = "ACEGJLNPRTVXZ246";
constexpr std::string_view lowLetters = "BDFHKMOQSUWY3578";

int pairIndex(std::string_view table, char c) {
    const auto pos = table.find(c);
    return pos == std::string_view::npos ? 255 : static_cast<int>(pos);
}

} // namespace

std::string hash6(std::string_view text, std::string_view key) {
    const auto r = runRegister<6>(text, key);
    std::string code(6, '\0');
    for (std::size_t i = 0; i < 6; ++i)
        code[i] = static_cast<char>(r[i] & 0xFF);
    return code;
}

std::string hash8(std::string_view text, std::string_view key) {
    const auto r = runRegister<8>(text, key);
    std::string code(8, '\0');
    for (std::size_t i = 0; i < 8; ++i)
        code[i] = static_cast<char>(mapOutput(r[i]) & 0xFF);
    return code;
}

void hash8Many(std::span<const std::string_view> texts, std::string_view key,
               std::span<std::array<char, 8>> codes) {
    const bool keyFitsLanes =
        std::all_of(key.begin(), key.begin() + std::min<std::size_t>(key.size(), 8),
                    [](char c) { return static_cast<signed char>(c) >= 0; });
    if (!keyFitsLanes) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            std::memcpy(codes[i].data(), hash8(texts[i], key).data(), 8);
        return;
    }
    thread_local std::vector<unsigned char> transposed;
    for (std::size_t first = 0; first < texts.size(); first += laneCount) {
        const std::size_t count = std::min(laneCount, texts.size() - first);
        hashLaneGroup(texts.subspan(first, count), key, codes.data() + first, transposed);
    }
}

std::string encodePairs(std::string_view text) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%03d", static_cast<int>(text.size()));
    std::string plain = std::string(prefix) + std::string(text);
    std::string code;
    code.reserve(plain.size() * 2);
    for (unsigned char b : plain) {
        code += highLetters[b / 16];
        code += lowLetters[b % 16];
    }
    return code;
}

std::string decodePairs(std::string_view code) {
    std::string bytes;
    bytes.reserve(code.size() / 2 + 1);
    for (std::size_t i = 0; i < code.size(); i += 2) {
        const int high = pairIndex(highLetters, code[i]);
        const int low = i + 1 < code.size() ? pairIndex(lowLetters, code[i + 1]) : 255;
        int value = low == 255 ? 255 : (high * 16 + low) % 256;
        bytes += static_cast<char>(value);
    }
    if (bytes.size() < 3)
        return {};
    // The prefix is the length in at least three digits: a password of 1000 bytes
    // or more has a longer one, which is taken when it states the length of what
    // follows it. Any other code keeps the three digits' reading.
    for (std::size_t digits = 4; digits <= 20 && digits <= bytes.size(); ++digits) {
        char length[24];
        std::snprintf(length, sizeof length, "%zu", bytes.size() - digits);
        if (std::string_view(bytes).substr(0, digits) == length)
            return bytes.substr(digits);
    }
    return bytes.substr(3);
}

} // namespace vermil
