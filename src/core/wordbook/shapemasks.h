#pragma once

// The bit masks of a 64-character block that the entry line counter and the tests read, in one version per
// vector width. They are inline so that the counter's loop of each width holds its own.

#include "core/wordbook/textscan.h"

#include <algorithm>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// Only preprocessor tests read it: the vector versions are left out of the build where it is not set.
#define PELINOR_X86_VECTORS 1 // NOLINT(cppcoreguidelines-macro-usage)
#include <immintrin.h>
#endif

namespace pelinor::core {

inline constexpr qsizetype kShapeBlock = 64;

/// Bit k of each mask stands for the character k places after the block's start.
struct ShapeMasks {
    quint64 quote = 0;
    quint64 comma = 0;
    /// Every character up to U+000D: CR, LF, U+0000, tab and the other controls below them.
    quint64 low = 0;
};

// Each version gives the masks of the 64 characters of `text` from `block` on (fewer at the text's end,
// none past it).

inline ShapeMasks shapeMasksPlain(const char16_t* text, qsizetype size, qsizetype block)
{
    ShapeMasks masks;
    const qsizetype count = std::clamp<qsizetype>(size - block, 0, kShapeBlock);
    const char16_t* p = text + block;
    for (qsizetype k = 0; k < count; ++k) {
        const quint64 bit = quint64(1) << k;
        const char16_t c = p[k];
        if (c == u'"')
            masks.quote |= bit;
        else if (c == u',')
            masks.comma |= bit;
        else if (c <= u'\r')
            masks.low |= bit;
    }
    return masks;
}

#if defined(PELINOR_X86_VECTORS)

// Each 16-bit lane of a comparison is all ones or all zeros, so packing two comparisons keeps one byte per
// character, and the byte mask is the character mask.
inline quint64 sse2Bits(__m128i first, __m128i second)
{
    return quint64(static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(first, second))));
}

inline ShapeMasks shapeMasksSse2(const char16_t* text, qsizetype size, qsizetype block)
{
    if (block + kShapeBlock > size)
        return shapeMasksPlain(text, size, block);
    const __m128i quote = _mm_set1_epi16(u'"');
    const __m128i comma = _mm_set1_epi16(u',');
    const __m128i lowLimit = _mm_set1_epi16(u'\r');
    const __m128i zero = _mm_setzero_si128();
    ShapeMasks masks;
    for (int part = 0; part < 4; ++part) {
        const char16_t* at = text + block + 16 * part;
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 8));
        const int shift = 16 * part;
        masks.quote |= sse2Bits(_mm_cmpeq_epi16(a, quote), _mm_cmpeq_epi16(b, quote)) << shift;
        masks.comma |= sse2Bits(_mm_cmpeq_epi16(a, comma), _mm_cmpeq_epi16(b, comma)) << shift;
        // c - U+000D saturates to 0 exactly for c <= U+000D.
        masks.low |= sse2Bits(_mm_cmpeq_epi16(_mm_subs_epu16(a, lowLimit), zero),
                         _mm_cmpeq_epi16(_mm_subs_epu16(b, lowLimit), zero))
            << shift;
    }
    return masks;
}

// 256-bit packing works within each 128-bit half; the permutation puts the characters back in order.
__attribute__((target("avx2"))) inline quint64 avx2Bits(__m256i first, __m256i second)
{
    const __m256i packed = _mm256_permute4x64_epi64(_mm256_packs_epi16(first, second), 0xD8);
    return quint64(static_cast<unsigned>(_mm256_movemask_epi8(packed)));
}

__attribute__((target("avx2"))) inline __m256i avx2Load(const char16_t* at)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

__attribute__((target("avx2"))) inline ShapeMasks shapeMasksAvx2(const char16_t* text, qsizetype size, qsizetype block)
{
    if (block + kShapeBlock > size)
        return shapeMasksPlain(text, size, block);
    const __m256i quote = _mm256_set1_epi16(u'"');
    const __m256i comma = _mm256_set1_epi16(u',');
    const __m256i lowLimit = _mm256_set1_epi16(u'\r');
    const __m256i zero = _mm256_setzero_si256();
    ShapeMasks masks;
    for (int part = 0; part < 2; ++part) {
        const char16_t* at = text + block + 32 * part;
        const __m256i a = avx2Load(at);
        const __m256i b = avx2Load(at + 16);
        const int shift = 32 * part;
        masks.quote |= avx2Bits(_mm256_cmpeq_epi16(a, quote), _mm256_cmpeq_epi16(b, quote)) << shift;
        masks.comma |= avx2Bits(_mm256_cmpeq_epi16(a, comma), _mm256_cmpeq_epi16(b, comma)) << shift;
        masks.low |= avx2Bits(_mm256_cmpeq_epi16(_mm256_subs_epu16(a, lowLimit), zero),
                         _mm256_cmpeq_epi16(_mm256_subs_epu16(b, lowLimit), zero))
            << shift;
    }
    return masks;
}

#endif

/// The masks in the version of `width`, for comparing the versions; the counter calls its own directly.
inline ShapeMasks shapeMasks(const char16_t* text, qsizetype size, qsizetype block, VectorWidth width)
{
    switch (width) {
#if defined(PELINOR_X86_VECTORS)
    case VectorWidth::Avx2:
        return shapeMasksAvx2(text, size, block);
    case VectorWidth::Sse2:
        return shapeMasksSse2(text, size, block);
#endif
    default:
        return shapeMasksPlain(text, size, block);
    }
}

} // namespace pelinor::core
