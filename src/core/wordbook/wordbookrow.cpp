#include "core/wordbook/wordbookrow.h"

#include "core/common/folderlisting.h"
#include "core/common/regularfilereader.h"
#include "core/wordbook/wordbooksummary.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace pelinor::core {

WordBookScan scanWordBookFolder(const QString& folder)
{
    WordBookScan scan;
    // Listed and read relative to the open folder: at start every book of the folder is read.
    const FolderListing listing(folder);
    if (!listing.isOpen())
        return scan;
    const QList<FolderListing::Entry> files = listing.files(u".utx");
    scan.rows.reserve(files.size());
    for (const FolderListing::Entry& entry : files) {
        const QString& name = entry.name;
        RegularFileReader file(listing, entry);
        const WordBookSummary summary = readWordBookSummary(file, listing.filePath(name));
        if (summary.status == WordBookReadStatus::Unreadable) {
            scan.errors.append(summary.error);
            continue;
        }
        if (!summary.isWordBook())
            continue;
        scan.rows.append(WordBookRow{summary.title, name, summary.group, summary.entryLineCount});
    }
    // Locale-aware and case-sensitive, with sort keys so that a large folder is not compared title by title.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<size_t>(scan.rows.size()));
    for (const WordBookRow& row : scan.rows)
        keys.push_back(collator.sortKey(row.title));
    std::vector<qsizetype> order(static_cast<size_t>(scan.rows.size()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<qsizetype>(i);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]) < 0;
    });
    QList<WordBookRow> sorted;
    sorted.reserve(scan.rows.size());
    for (qsizetype i : order)
        sorted.append(std::move(scan.rows[i]));
    scan.rows = std::move(sorted);
    return scan;
}

std::vector<int> sortedRowOrder(const QList<WordBookRow>& rows, WordBookRowKey key, int direction)
{
    const auto n = static_cast<size_t>(rows.size());
    std::vector<QString> keys;
    keys.reserve(n);
    for (const WordBookRow& row : rows) {
        switch (key) {
        case WordBookRowKey::Title:
            keys.push_back(row.title.toLower());
            break;
        case WordBookRowKey::FileName:
            keys.push_back(row.fileName);
            break;
        case WordBookRowKey::Group:
            keys.push_back(row.group);
            break;
        }
    }
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    const bool descending = direction < 0;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = QStringView(keys[static_cast<size_t>(a)]).compare(keys[static_cast<size_t>(b)]);
        return descending ? c > 0 : c < 0;
    });
    return order;
}

} // namespace pelinor::core
