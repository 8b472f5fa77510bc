#pragma once

#include <QString>

class QWidget;

namespace pelinor::ui {

// The message boxes of the candidate editor: warnings and information with a single "Yes" button,
// questions with "Yes" and "No" that go on only on "Yes".

/// Object name of every message box shown here, so that tests can find and answer them.
inline constexpr const char* kCandidateEditorMessageName = "CandidateEditorMessage";

void showCandidateEditorWarning(QWidget* parent, const QString& text);
void showCandidateEditorInformation(QWidget* parent, const QString& text);
/// True only for "Yes".
bool askCandidateEditorQuestion(QWidget* parent, const QString& text);

} // namespace pelinor::ui
