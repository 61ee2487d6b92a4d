#pragma once
// The rates kept in the options file (tax rate, hourly rate, discount percent) are stored
// with '.' as the decimal point and no group separators in every region, so a file made
// under one region's settings still reads under another's. The setup form shows and takes
// them in the regional form.

#include "common/core/regional.h"

#include <QString>
#include <QStringView>

namespace invoicing {

// The form rates are stored in: '.' for the decimal point (groups of ',' still read).
const pellar::RegionalSettings& storedRateForm();

// A rate typed in the regional form, as it is stored: the leading number rewritten with '.'
// and no groups, whatever follows it kept ("6,5 %" -> "6.5 %" where ',' is the decimal
// point). A text whose leading number cannot be read whole is kept as it stands.
QString storedRate(QStringView typed,
                   const pellar::RegionalSettings& r = pellar::RegionalSettings::current());

// A stored rate as the setup form shows it: the leading number's '.' in the regional form.
QString shownRate(QStringView stored,
                  const pellar::RegionalSettings& r = pellar::RegionalSettings::current());

// A rate as read from the file: earlier copies wrote it as typed, so a ',' may be the
// decimal point of the region it was typed under. Such a text is taken in the current
// region's form when that reads it whole, else as '.'-decimal, else as ','-decimal.
QString readStoredRate(QStringView fileText);

} // namespace invoicing
