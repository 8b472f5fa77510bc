#pragma once

#include <QStringList>
#include <QStringView>

namespace pelinor::core {

/// Cuts a table or settings line into its comma-separated fields.
///
/// Leading controls and spaces (U+0001 to U+0020) are skipped and U+0000 ends the line. A field that
/// starts with a double quote runs to the next undoubled double quote ("" inside stands for one quote;
/// without a closing quote it runs to the end); text right after the closing quote starts a new field.
/// Any other field runs up to the next comma or control/space, so an unquoted space splits a field.
/// After a field, controls and spaces are skipped and one comma is consumed together with the controls
/// and spaces after it; a comma that is the very last character adds one empty field, and two commas in
/// a row give an empty field between them.
QStringList splitFields(QStringView line);

} // namespace pelinor::core
