#pragma once
// The program's name and version as its forms and messages show them.

#include <QString>

namespace deposits {

// The application title: the caption of the program's own messages.
inline constexpr const char16_t* kProgramTitle = u"Slipmaker";

QString programTitle();
// "Version " + major.minor.revision of the build.
QString versionText();

} // namespace deposits
