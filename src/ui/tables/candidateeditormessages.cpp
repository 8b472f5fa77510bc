#include "ui/tables/candidateeditormessages.h"

#include "ui/common/namedmessagebox.h"

namespace pelinor::ui {

namespace {

int runBox(QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)
{
    return runNamedMessageBox(parent, kCandidateEditorMessageName, icon, text, buttons);
}

} // namespace

void showCandidateEditorWarning(QWidget* parent, const QString& text)
{
    runBox(parent, QMessageBox::Warning, text, QMessageBox::Yes);
}

void showCandidateEditorInformation(QWidget* parent, const QString& text)
{
    runBox(parent, QMessageBox::Information, text, QMessageBox::Yes);
}

bool askCandidateEditorQuestion(QWidget* parent, const QString& text)
{
    return runBox(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace pelinor::ui
