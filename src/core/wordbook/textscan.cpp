#include "core/wordbook/textscan.h"

#include "core/wordbook/shapemasks.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace pelinor::core {

namespace {

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

// Sixteen places at a time are tested for the first, the middle and the last character of the part; only
// places that pass all three are compared whole. Word book fields repeat a lot (file names that differ in
// one digit), so two characters alone let through too many places.
qsizetype findTextSse2(const char16_t* text, qsizetype size, qsizetype from, const char16_t* part, qsizetype m)
{
    const __m128i first = _mm_set1_epi16(static_cast<short>(part[0]));
    const __m128i last = _mm_set1_epi16(static_cast<short>(part[m - 1]));
    const qsizetype h = m / 2;
    const __m128i middle = _mm_set1_epi16(static_cast<short>(part[h]));
    const auto middleBytes = static_cast<size_t>(std::max<qsizetype>(m - 2, 0)) * sizeof(char16_t);
    const auto load = [text](qsizetype at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at)); };
    qsizetype i = from;
    for (; i + 16 + m - 1 <= size; i += 16) {
        const auto matches = [&](qsizetype at) {
            return _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi16(load(at), first), _mm_cmpeq_epi16(load(at + h), middle)),
                _mm_cmpeq_epi16(load(at + m - 1), last));
        };
        const __m128i low = matches(i);
        const __m128i high = matches(i + 8);
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

__attribute__((target("avx2"))) __m256i avx2Matches(
    const char16_t* at, __m256i first, __m256i middle, __m256i last, qsizetype h, qsizetype m)
{
    return _mm256_and_si256(
        _mm256_and_si256(_mm256_cmpeq_epi16(avx2Load(at), first), _mm256_cmpeq_epi16(avx2Load(at + h), middle)),
        _mm256_cmpeq_epi16(avx2Load(at + m - 1), last));
}

__attribute__((target("avx2"))) qsizetype findTextAvx2(
    const char16_t* text, qsizetype size, qsizetype from, const char16_t* part, qsizetype m)
{
    const __m256i first = _mm256_set1_epi16(static_cast<short>(part[0]));
    const __m256i last = _mm256_set1_epi16(static_cast<short>(part[m - 1]));
    const qsizetype h = m / 2;
    const __m256i middle = _mm256_set1_epi16(static_cast<short>(part[h]));
    const auto middleBytes = static_cast<size_t>(std::max<qsizetype>(m - 2, 0)) * sizeof(char16_t);
    qsizetype i = from;
    for (; i + 32 + m - 1 <= size; i += 32) {
        const __m256i low = avx2Matches(text + i, first, middle, last, h, m);
        const __m256i high = avx2Matches(text + i + 16, first, middle, last, h, m);
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
