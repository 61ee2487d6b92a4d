#include "deposits/core/addressstyle.h"

#include "common/core/regional.h"

namespace deposits {

AddressStyle chooseAddressStyle(const QString& name, const QString& postalCode,
                                AddressStyle shownLast) {
    if ((name.isEmpty() && postalCode.isEmpty()) || pellar::isNumeric(postalCode))
        return AddressStyle::UnitedStates;
    if (!name.isEmpty())
        return postalCode.isEmpty() ? AddressStyle::International : AddressStyle::UnitedStates;
    return shownLast;
}

} // namespace deposits
