// The drill settings as the print-format record stores them (the "もこさん"
// section of a format file), and back.
#pragma once

#include "drill/drill_settings.h"
#include "drill/drill_writer.h"
#include "drill/sheet_cursor.h"
#include "settings/print_format.h"

namespace zenpa::drill {

DrillSettings SettingsFromFormat(const settings::PrintFormat &format);

// Where sheets go and the page-break line between them.
OutputOptions OutputFromFormat(const settings::PrintFormat &format);

TabSetting TabsFromFormat(const settings::PrintFormat &format);

// Writes the sheet settings into the record (the game's options stay).
void StoreSettings(const DrillSettings &settings, settings::DrillOptions &options);

} // namespace zenpa::drill
