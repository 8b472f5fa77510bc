// The recent and favourite symbol files on any bytes: every symbol read must be one the lists accept,
// none twice, and the list written back must read back unchanged with no line skipped.

#include "core/input/symbollist.h"
#include "fuzzsupport.h"

using namespace pelinor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    int skipped = 0;
    const core::SymbolList list = core::SymbolList::fromFileBytes(bytes, 40, &skipped);
    if (list.items().size() > 40)
        fuzz::fail("more symbols than the capacity", fuzz::describe(list.items()));
    for (qsizetype i = 0; i < list.items().size(); ++i) {
        if (!core::SymbolList::isSymbol(list.items().at(i)))
            fuzz::fail("a read symbol is no symbol", list.items().at(i));
        if (list.items().indexOf(list.items().at(i)) != i)
            fuzz::fail("a symbol read twice", list.items().at(i));
    }
    int again = 0;
    const core::SymbolList back = core::SymbolList::fromFileBytes(list.toFileBytes(), 40, &again);
    if (!(back == list) || again != 0)
        fuzz::fail("the written list reads back differently", fuzz::describe(back.items()));
    return 0;
}
