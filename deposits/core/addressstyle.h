#pragma once
// The two ways the setup form lets the person enter the business address. Nothing stores
// the style: a profile with a postal code is a United States one, a named profile without
// one is international.

#include <QString>

namespace deposits {

enum class AddressStyle { UnitedStates, International };

// The style a profile opens in: United States for a new (empty) profile and for one with a
// postal code, international for a named profile without one. A profile with no name and a
// postal code that is not a number keeps the style shown last.
AddressStyle chooseAddressStyle(const QString& name, const QString& postalCode,
                                AddressStyle shownLast);

} // namespace deposits
