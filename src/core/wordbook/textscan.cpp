#include "core/wordbook/textscan.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define PELINOR_X86_VECTORS 1
#include <immintrin.h>
#endif

namespace pelinor::core {

namespace {

constexpr qsizetype kBlock = 64;

ShapeMasks shapeMasksPlain(const char16_t* text, qsizetype size, qsizetype block)
{
    ShapeMasks masks;
    const qsizetype count = std::clamp<qsizetype>(size - block, 0, kBlock);
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

qsizetype findTextPlain(const char16_t* text, qsizetype size, qsizetype from, const char16_t* part, qsizetype m)
{
    const auto bytes = static_cast<size_t>(m) * sizeof(char16_t);
    for (qsizetype i = from; i + m <= size; ++i) {
        if (text[i] == part[0] && std::memcmp(text + i, part, bytes) == 0)
            return i;
    }
    return size;
}

#if defined(PELINOR_X86_VECTORS)

// Each 16-bit lane of a comparison is all ones or all zeros, so packing two comparisons keeps one byte per
// character, and the byte mask is the character mask.
quint64 sse2Bits(__m128i first, __m128i second)
{
    return quint64(static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(first, second))));
}

ShapeMasks shapeMasksSse2(const char16_t* text, qsizetype size, qsizetype block)
{
    if (block + kBlock > size)
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

// Sixteen places at a time are tested for the first and the last character of the part; only places that
// pass both are compared whole.
qsizetype findTextSse2(const char16_t* text, qsizetype size, qsizetype from, const char16_t* part, qsizetype m)
{
    const __m128i first = _mm_set1_epi16(static_cast<short>(part[0]));
    const __m128i last = _mm_set1_epi16(static_cast<short>(part[m - 1]));
    const auto middleBytes = static_cast<size_t>(std::max<qsizetype>(m - 2, 0)) * sizeof(char16_t);
    const auto load = [text](qsizetype at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at)); };
    qsizetype i = from;
    for (; i + 16 + m - 1 <= size; i += 16) {
        const __m128i low = _mm_and_si128(_mm_cmpeq_epi16(load(i), first), _mm_cmpeq_epi16(load(i + m - 1), last));
        const __m128i high
            = _mm_and_si128(_mm_cmpeq_epi16(load(i + 8), first), _mm_cmpeq_epi16(load(i + 8 + m - 1), last));
        auto candidates = static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(low, high)));
        while (candidates != 0) {
            const qsizetype at = i + std::countr_zero(candidates);
            if (std::memcmp(text + at + 1, part + 1, middleBytes) == 0)
                return at;
            candidates &= candidates - 1;
        }
    }
    return findTextPlain(text, size, i, part, m);
}

// 256-bit packing works within each 128-bit half; the permutation puts the characters back in order.
__attribute__((target("avx2"))) quint64 avx2Bits(__m256i first, __m256i second)
{
    const __m256i packed = _mm256_permute4x64_epi64(_mm256_packs_epi16(first, second), 0xD8);
    return quint64(static_cast<unsigned>(_mm256_movemask_epi8(packed)));
}

__attribute__((target("avx2"))) __m256i avx2Load(const char16_t* at)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

__attribute__((target("avx2"))) ShapeMasks shapeMasksAvx2(const char16_t* text, qsizetype size, qsizetype block)
{
    if (block + kBlock > size)
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

__attribute__((target("avx2"))) qsizetype findTextAvx2(
    const char16_t* text, qsizetype size, qsizetype from, const char16_t* part, qsizetype m)
{
    const __m256i first = _mm256_set1_epi16(static_cast<short>(part[0]));
    const __m256i last = _mm256_set1_epi16(static_cast<short>(part[m - 1]));
    const auto middleBytes = static_cast<size_t>(std::max<qsizetype>(m - 2, 0)) * sizeof(char16_t);
    qsizetype i = from;
    for (; i + 32 + m - 1 <= size; i += 32) {
        const __m256i low = _mm256_and_si256(
            _mm256_cmpeq_epi16(avx2Load(text + i), first), _mm256_cmpeq_epi16(avx2Load(text + i + m - 1), last));
        const __m256i high = _mm256_and_si256(_mm256_cmpeq_epi16(avx2Load(text + i + 16), first),
            _mm256_cmpeq_epi16(avx2Load(text + i + 16 + m - 1), last));
        auto candidates = static_cast<unsigned>(avx2Bits(low, high));
        while (candidates != 0) {
            const qsizetype at = i + std::countr_zero(candidates);
            if (std::memcmp(text + at + 1, part + 1, middleBytes) == 0)
                return at;
            candidates &= candidates - 1;
        }
    }
    return findTextSse2(text, size, i, part, m);
}

#endif

} // namespace

QList<VectorWidth> supportedVectorWidths()
{
    QList<VectorWidth> widths{VectorWidth::None};
#if defined(PELINOR_X86_VECTORS)
    // Every x86-64 processor has SSE2.
    widths.append(VectorWidth::Sse2);
    if (__builtin_cpu_supports("avx2"))
        widths.append(VectorWidth::Avx2);
#endif
    return widths;
}

VectorWidth widestVectorWidth()
{
    static const VectorWidth widest = supportedVectorWidths().last();
    return widest;
}

ShapeMaskFunction shapeMaskFunction(VectorWidth width)
{
    switch (width) {
#if defined(PELINOR_X86_VECTORS)
    case VectorWidth::Avx2:
        return shapeMasksAvx2;
    case VectorWidth::Sse2:
        return shapeMasksSse2;
#endif
    default:
        return shapeMasksPlain;
    }
}

qsizetype findText(QStringView text, qsizetype from, QStringView part, VectorWidth width)
{
    const char16_t* data = text.utf16();
    const qsizetype size = text.size();
    const qsizetype m = part.size();
    if (m == 0 || from < 0 || from + m > size)
        return size;
    switch (width) {
#if defined(PELINOR_X86_VECTORS)
    case VectorWidth::Avx2:
        return findTextAvx2(data, size, from, part.utf16(), m);
    case VectorWidth::Sse2:
        return findTextSse2(data, size, from, part.utf16(), m);
#endif
    default:
        return findTextPlain(data, size, from, part.utf16(), m);
    }
}

} // namespace pelinor::core
