// SPDX-License-Identifier: MIT
#include "sha1.h"

#include <algorithm>
#include <cstring>
#include <utility>

// The SHA instructions of x86 processors, where the compiler can target them function by function.
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#define NICKBRIDGE_SHA_INSTRUCTIONS 1
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace nickbridge {
namespace {

using Word = std::uint32_t;

constexpr Word rotl(Word x, int n) { return (x << n) | (x >> (32 - n)); }

// Calls `f` with each of 0 … N - 1 as a compile-time constant, so each call is compiled on its
// own: the rounds then index the schedule and choose their mixing function with constants.
template <typename F, std::size_t... n>
void unrolled(std::index_sequence<n...>, F&& f) {
    (f(std::integral_constant<std::size_t, n>{}), ...);
}

// The four stages of 20 rounds each have their own mixing function and constant.
constexpr Word mix(std::size_t stage, Word x, Word y, Word z) {
    if (stage == 0) return z ^ (x & (y ^ z));        // choose
    if (stage == 2) return (x & y) | (z & (x | y));  // majority
    return x ^ y ^ z;                                // parity
}

constexpr std::array<Word, 4> kStageConstants{0x5A827999, 0x6ED9EBA1, 0x8F1BBCDC, 0xCA62C1D6};

void compressPlain(Sha1::State& state, const Sha1::Block& block) {
    // The message schedule kept in a ring of 16 words: word i replaces word i - 16.
    std::array<Word, 16> w;
    for (std::size_t i = 0; i < 16; ++i) {
        w[i] = Word{block[4 * i]} << 24 | Word{block[4 * i + 1]} << 16 |
               Word{block[4 * i + 2]} << 8 | Word{block[4 * i + 3]};
    }
    const auto word = [&w](std::size_t i) {
        if (i < 16) return w[i];
        Word& slot = w[i & 15];
        slot = rotl(w[(i - 3) & 15] ^ w[(i - 8) & 15] ^ w[(i - 14) & 15] ^ slot, 1);
        return slot;
    };
    Word a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
    // Five rounds at a time. A round's new word goes where its oldest was, so the five words take
    // turns in each role and five rounds bring them back to where they started: none is moved.
    unrolled(std::make_index_sequence<16>{}, [&](auto fifth) {
        constexpr std::size_t i = 5 * fifth;
        constexpr std::size_t stage = i / 20;
        constexpr Word k = kStageConstants[stage];
        e += rotl(a, 5) + mix(stage, b, c, d) + k + word(i);
        b = rotl(b, 30);
        d += rotl(e, 5) + mix(stage, a, b, c) + k + word(i + 1);
        a = rotl(a, 30);
        c += rotl(d, 5) + mix(stage, e, a, b) + k + word(i + 2);
        e = rotl(e, 30);
        b += rotl(c, 5) + mix(stage, d, e, a) + k + word(i + 3);
        d = rotl(d, 30);
        a += rotl(b, 5) + mix(stage, c, d, e) + k + word(i + 4);
        c = rotl(c, 30);
    });
    state[0] += a, state[1] += b, state[2] += c, state[3] += d, state[4] += e;
}

#if NICKBRIDGE_SHA_INSTRUCTIONS
#define NICKBRIDGE_WITH_SHA __attribute__((target("sha,sse4.1")))

// The registers of the compression with the SHA instructions: four rounds to an instruction. The
// message words of four rounds travel in one register; four registers take turns, each one,
// while its words are in use, also helping to make the words of four groups later.
struct ShaRegisters {
    __m128i abcd;
    __m128i e[2];  // the E of this group, and the A kept for the E of the next
    __m128i words[4];
};

// Rounds 4i to 4i + 3.
template <std::size_t i>
NICKBRIDGE_WITH_SHA inline void roundGroup(ShaRegisters& r) {
    const __m128i current = r.words[i % 4];
    if constexpr (i == 0) {
        r.e[0] = _mm_add_epi32(r.e[0], current);
    } else {
        r.e[i % 2] = _mm_sha1nexte_epu32(r.e[i % 2], current);
    }
    r.e[(i + 1) % 2] = r.abcd;
    if constexpr (i >= 3 && i <= 18) {
        r.words[(i + 1) % 4] = _mm_sha1msg2_epu32(r.words[(i + 1) % 4], current);
    }
    r.abcd = _mm_sha1rnds4_epu32(r.abcd, r.e[i % 2], static_cast<int>(i / 5));
    if constexpr (i >= 1 && i <= 16) {
        r.words[(i + 3) % 4] = _mm_sha1msg1_epu32(r.words[(i + 3) % 4], current);
    }
    if constexpr (i >= 2 && i <= 17) {
        r.words[(i + 2) % 4] = _mm_xor_si128(r.words[(i + 2) % 4], current);
    }
}

template <std::size_t... i>
NICKBRIDGE_WITH_SHA inline void roundGroups(std::index_sequence<i...>, ShaRegisters& r) {
    (roundGroup<i>(r), ...);
}

NICKBRIDGE_WITH_SHA void compressWithInstructions(Sha1::State& state, const Sha1::Block& block) {
    // The words are big-endian, and the instructions want the first in the highest lane.
    const __m128i reversed = _mm_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL);
    ShaRegisters r{};
    r.abcd =
        _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state.data())), 0x1B);
    r.e[0] = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
    const ShaRegisters before = r;
    for (std::size_t i = 0; i < 4; ++i) {
        r.words[i] = _mm_shuffle_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(block.data() + 16 * i)), reversed);
    }
    roundGroups(std::make_index_sequence<20>{}, r);
    r.e[0] = _mm_sha1nexte_epu32(r.e[0], before.e[0]);
    r.abcd = _mm_add_epi32(r.abcd, before.abcd);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state.data()), _mm_shuffle_epi32(r.abcd, 0x1B));
    state[4] = static_cast<Word>(_mm_extract_epi32(r.e[0], 3));
}

bool hasShaInstructions() {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    return __get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) != 0 && (ebx & bit_SHA) != 0;
}
#endif

}  // namespace

Sha1::Sha1(Engine engine) : compress_(compressPlain) {
#if NICKBRIDGE_SHA_INSTRUCTIONS
    static const bool hasInstructions = hasShaInstructions();
    if (engine == Engine::Fastest && hasInstructions) compress_ = compressWithInstructions;
#else
    static_cast<void>(engine);
#endif
}

void Sha1::update(std::string_view bytes) {
    length_ += bytes.size();
    while (!bytes.empty()) {
        const std::size_t taken = std::min(bytes.size(), block_.size() - filled_);
        std::memcpy(block_.data() + filled_, bytes.data(), taken);
        bytes.remove_prefix(taken);
        filled_ += taken;
        if (filled_ == block_.size()) {
            compress_(state_, block_);
            filled_ = 0;
        }
    }
}

Sha1Digest Sha1::finish() {
    // Padding: one bit, zeros up to 56 bytes into a block, then the length in bits.
    constexpr std::size_t kLengthAt = 56;
    const std::uint64_t bits = length_ * 8;
    block_[filled_++] = 0x80;
    if (filled_ > kLengthAt) {
        std::fill(block_.begin() + static_cast<std::ptrdiff_t>(filled_), block_.end(), 0);
        compress_(state_, block_);
        filled_ = 0;
    }
    std::fill(block_.begin() + static_cast<std::ptrdiff_t>(filled_),
              block_.begin() + static_cast<std::ptrdiff_t>(kLengthAt), 0);
    for (std::size_t i = 0; i < 8; ++i) {
        block_[kLengthAt + i] = static_cast<std::uint8_t>(bits >> (56 - 8 * i));
    }
    compress_(state_, block_);

    Sha1Digest digest{};
    for (std::size_t i = 0; i < digest.size(); ++i) {
        digest[i] = static_cast<std::uint8_t>(state_[i / 4] >> (24 - 8 * (i % 4)));
    }
    return digest;
}

Sha1Digest sha1(std::string_view bytes, Sha1::Engine engine) {
    Sha1 hash(engine);
    hash.update(bytes);
    return hash.finish();
}

}  // namespace nickbridge
