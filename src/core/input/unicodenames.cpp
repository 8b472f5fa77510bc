#include "core/input/unicodenames.h"

#include <array>
#include <unicode/uchar.h>

namespace pelinor::core {

QString unicodeName(char32_t code)
{
    if (code > 0x10FFFF)
        return {};
    std::array<char, 128> buffer{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = u_charName(
        static_cast<UChar32>(code), U_UNICODE_CHAR_NAME, buffer.data(), static_cast<int32_t>(buffer.size()), &status);
    if (U_FAILURE(status) || length <= 0)
        return {};
    return QString::fromLatin1(buffer.data(), length);
}

namespace {

using Visitor = std::function<void(char32_t, std::string_view)>;

UBool visitName(void* context, UChar32 code, UCharNameChoice /*choice*/, const char* name, int32_t length)
{
    (*static_cast<const Visitor*>(context))(
        static_cast<char32_t>(code), std::string_view(name, static_cast<std::size_t>(length)));
    return true;
}

} // namespace

void forEachUnicodeName(const std::function<void(char32_t code, std::string_view name)>& visit)
{
    UErrorCode status = U_ZERO_ERROR;
    u_enumCharNames(0, 0x110000, visitName, const_cast<Visitor*>(&visit), U_UNICODE_CHAR_NAME, &status);
}

} // namespace pelinor::core
