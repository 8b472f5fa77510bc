#pragma once

#include <QString>

class QWidget;

namespace pelinor::ui {

// The message boxes of the word book views: warnings and information with a single "Yes" button,
// questions with "Yes" and "No" that go on only on "Yes".

/// Object name of every message box shown here, so that tests can find and answer them.
inline constexpr const char* kWordBookMessageName = "WordBookMessage";

/// Shows an error or warning with a single "Yes" button.
void showWordBookWarning(QWidget* parent, const QString& text);
/// Shows information with a single "Yes" button.
void showWordBookInformation(QWidget* parent, const QString& text);
/// Asks a question; true only for "Yes".
bool askWordBookQuestion(QWidget* parent, const QString& text);

} // namespace pelinor::ui
