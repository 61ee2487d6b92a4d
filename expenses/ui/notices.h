#pragma once
// The expense program's supplier notices, shown from the start form and the setup form.

#include "common/core/fileresult.h"

#include <QString>
#include <QStringList>

namespace pellar {
class Desk;
struct ProgramContext;
struct WebConfig;
} // namespace pellar

namespace expenses {

// The program's own title, used where a message carries it.
inline constexpr const char16_t* kProgramTitle = u"PellarSpendlogFREE";

QStringList formsNoticeLines(const pellar::WebConfig& config);
// "Ordering Deluxe Forms": Yes opens the business-forms supplier's re-order page; No
// leaves everything as it was. The result is that of writing the shortcut file.
pellar::FileResult showFormsNotice(pellar::ProgramContext& context);
// "Order Paper": Yes opens the paper supplier's page.
pellar::FileResult showPaperNotice(pellar::ProgramContext& context);

// A failed file operation, told in plain words under the program's title.
void reportFileProblem(pellar::Desk& desk, const QString& problem);

} // namespace expenses
