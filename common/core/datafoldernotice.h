#pragma once
// The Help menu's "Data Folder...": where the data files are, and the folder opened in the
// file manager when the person wants it.

namespace pellar {

struct ProgramContext;

void showDataFolder(ProgramContext& context);

} // namespace pellar
