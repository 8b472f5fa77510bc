#include "core/transfer/transfermode.h"

#include <QCoreApplication>

#include <array>

namespace pelinor::core {

namespace {

using enum TransferArea;
using enum TransferContent;
using enum RichTextRoute;

constexpr std::array<TransferModeInfo, 9> kModes{{
    {11, Phonetic, RichText, WorkFile, QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "発音記号　リッチテキスト"),
        QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "発音記号 ﾘｯﾁ"), false},
    {12, Phonetic, HexCharRefs, None,
        QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "発音記号　Unicode16進　数値文字参照"),
        QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "発音記号 Uni16"), false},
    {13, Phonetic, DecCharRefs, None,
        QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "発音記号　Unicode10進　数値文字参照"),
        QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "発音記号 Uni10"), false},
    {14, Phonetic, PlainText, None, QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "発音記号　Unicodeテキスト"),
        QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "発音記号 ﾃｷｽﾄ"), false},
    {1, Foreign, RichText, Direct, QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "　リッチテキスト1　（標準転送）"),
        QT_TRANSLATE_NOOP("pelinor::core::TransferMode", " ﾘｯﾁ1"), true},
    {2, Foreign, RichText, WorkFile, QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "　リッチテキスト2"),
        QT_TRANSLATE_NOOP("pelinor::core::TransferMode", " ﾘｯﾁ2"), true},
    {3, Foreign, HexCharRefs, None, QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "　Unicode16進　数値文字参照"),
        QT_TRANSLATE_NOOP("pelinor::core::TransferMode", " Uni16"), true},
    {4, Foreign, DecCharRefs, None, QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "　Unicode10進　数値文字参照"),
        QT_TRANSLATE_NOOP("pelinor::core::TransferMode", " Uni10"), true},
    {5, Foreign, PlainText, None, QT_TRANSLATE_NOOP("pelinor::core::TransferMode", "　Unicodeテキスト"),
        QT_TRANSLATE_NOOP("pelinor::core::TransferMode", " ﾃｷｽﾄ"), true},
}};

QString withScriptName(const char* text, bool afterScriptName, QStringView scriptName)
{
    const QString translated = QCoreApplication::translate("pelinor::core::TransferMode", text);
    return afterScriptName ? scriptName.toString() + translated : translated;
}

} // namespace

std::span<const TransferModeInfo> transferModes()
{
    return kModes;
}

std::optional<TransferModeInfo> transferModeInfo(int mode)
{
    for (const TransferModeInfo& info : kModes) {
        if (info.mode == mode)
            return info;
    }
    return std::nullopt;
}

TransferArea transferAreaOf(int mode)
{
    return mode / 10 == 1 ? TransferArea::Phonetic : TransferArea::Foreign;
}

QString transferMenuCaption(int mode, QStringView scriptName)
{
    const auto info = transferModeInfo(mode);
    return info ? withScriptName(info->menuCaption, info->afterScriptName, scriptName) : QString();
}

QString transferShortLabel(int mode, QStringView scriptName)
{
    const auto info = transferModeInfo(mode);
    return info ? withScriptName(info->shortLabel, info->afterScriptName, scriptName) : QString();
}

} // namespace pelinor::core
