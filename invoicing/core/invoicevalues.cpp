#include "invoicing/core/invoicevalues.h"

namespace invoicing {

QString CustomerAddress::block() const {
    const QString end = QStringLiteral("\r\n");
    QString text = name + end + street + end;
    if (!poBox.isEmpty())
        text += poBox + end;
    return text + city + u',' + state + end + zip;
}

} // namespace invoicing
