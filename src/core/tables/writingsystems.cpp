#include "core/tables/writingsystems.h"

#include <array>
#include <utility>

namespace pelinor::core {

const QList<WritingSystem>& WritingSystems::known()
{
    static const QList<WritingSystem> systems{
        {u"発音記号"_qs, 0, u"Segoe UI"_qs, u"ɔ"_qs, true},
        {u"タイ文字"_qs, 222, u"Times New Roman"_qs, u"ก"_qs, true},
        {u"キリル文字"_qs, 204, u"Times New Roman"_qs, u"Я"_qs, true},
        {u"ラテン文字（欧文）"_qs, 0, u"Times New Roman"_qs, u"A"_qs, false},
        {u"ハングル"_qs, 129, u"GulimChe"_qs, u"ㄲ"_qs, true},
        {u"ベトナム文字"_qs, 163, u"Times New Roman"_qs, u"V"_qs, true},
        {u"ミャンマー文字"_qs, 0, u"Padauk Book"_qs, u"က"_qs, true},
        {u"ラオス文字"_qs, 0, u"DokChampa"_qs, u"ກ"_qs, true},
        {u"クメール文字"_qs, 0, u"Khmer OS Battambang"_qs, u"ម"_qs, true},
        {u"トルコ文字"_qs, 162, u"Times New Roman"_qs, u"Ş"_qs, false},
        {u"ギリシア文字"_qs, 161, u"Times New Roman"_qs, u"Ω"_qs, false},
        {u"その他"_qs, 0, u"Times New Roman"_qs, u"A"_qs, true},
    };
    return systems;
}

const QStringList& WritingSystems::editorNames()
{
    static const QStringList names{
        u"発音記号"_qs,
        u"タイ文字"_qs,
        u"キリル文字"_qs,
        u"ラテン文字"_qs,
        u"ハングル"_qs,
        u"ベトナム文字"_qs,
        u"ミャンマー文字"_qs,
        u"ラオス文字"_qs,
        u"クメール文字"_qs,
        u"トルコ語"_qs,
        u"その他"_qs,
    };
    return names;
}

std::optional<WritingSystem> WritingSystems::find(QStringView name)
{
    for (const WritingSystem& system : known()) {
        if (system.name == name)
            return system;
    }
    return std::nullopt;
}

quint8 charsetOfScriptName(QStringView name)
{
    static constexpr std::array<std::pair<const char16_t*, quint8>, 6> charsets{{
        {u"タイ文字", 222},
        {u"キリル文字", 204},
        {u"ハングル", 129},
        {u"ベトナム文字", 163},
        {u"ギリシア文字", 161},
        {u"トルコ文字", 162},
    }};
    for (const auto& [script, charset] : charsets) {
        if (name == QStringView(script))
            return charset;
    }
    return 0;
}

} // namespace pelinor::core
